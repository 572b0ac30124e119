#include "astro/match/report_layout.h"

#include <cmath>

namespace zentara {
namespace {

// A resolution the screen cannot have counts as the common 96 dots per inch.
double UsableResolution(double dotsPerInch) { return dotsPerInch > 0 ? dotsPerInch : 96.0; }

}  // namespace

double TwipsFromPixels(int pixels, double dotsPerInch) {
  return pixels * TwipsPerInch / UsableResolution(dotsPerInch);
}

int PixelsFromTwips(double twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * UsableResolution(dotsPerInch) / TwipsPerInch));
}

double ReportLeft(double innerWidth, double reportWidth, double scrollBarWidth) {
  return (innerWidth - reportWidth - scrollBarWidth) / 2;
}

TopBarLefts PlaceTopBar(const TopBarWidths& widths) {
  TopBarLefts lefts;
  lefts.ExitButton = widths.Frame - widths.ExitButton - 300;
  lefts.BackButton = lefts.ExitButton - widths.BackButton - 100;
  lefts.PrintButton = lefts.BackButton - widths.PrintButton - 100;
  lefts.Heading = (widths.TopBar - widths.Heading) / 2;
  return lefts;
}

}  // namespace zentara
