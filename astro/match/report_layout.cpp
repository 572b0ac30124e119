#include "astro/match/report_layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
  return std::max(0.0, (innerWidth - reportWidth - scrollBarWidth) / 2);
}

namespace {

// The wheel's side beside the report in a view `view` large, or 0 where a
// readable wheel does not fit there.
int SideBeside(Extent view, const ReportFrameParts& parts) {
  const int side = std::min({parts.WheelSide, view.Width - parts.Report.Width - parts.WheelDecoration.Width,
                             view.Height - parts.WheelDecoration.Height});
  return side >= parts.WheelLeastSide ? side : 0;
}

}  // namespace

namespace {

ReportFrameArrangement ArrangeInView(Extent view, const ReportFrameParts& parts) {
  ReportFrameArrangement arrangement;
  int side = SideBeside(view, parts);
  arrangement.WheelBeside = side > 0;
  if (!arrangement.WheelBeside) {
    side = std::max(parts.WheelLeastSide, std::min({parts.WheelSide, view.Width - parts.WheelDecoration.Width,
                                                    view.Height - parts.WheelDecoration.Height}));
  }
  const Extent wheel{side + parts.WheelDecoration.Width, side + parts.WheelDecoration.Height};
  arrangement.Wheel = {std::max(0, view.Width - wheel.Width), 0, wheel.Width, wheel.Height};
  const int inner = arrangement.WheelBeside ? arrangement.Wheel.Left : view.Width;
  arrangement.Report = {static_cast<int>(ReportLeft(inner, parts.Report.Width, parts.ReportScrollBar)), 0,
                        parts.Report.Width, std::min(parts.Report.Height, view.Height)};
  return arrangement;
}

}  // namespace

ReportFrameArrangement ArrangeReportFrame(Extent view, const ReportFrameParts& parts) {
  // Each scroll bar that appears narrows the view and may bring the other.
  for (bool across = false, down = false;;) {
    const ReportFrameArrangement arrangement = ArrangeInView(view, parts);
    const Box& wheel = arrangement.Wheel;
    const bool wider = std::max(wheel.Left + wheel.Width, arrangement.Report.Left + arrangement.Report.Width) >
                       view.Width;
    const bool taller = wheel.Top + wheel.Height > view.Height;
    if ((!wider || across) && (!taller || down)) return arrangement;
    if (wider && !across) across = true, view.Height -= parts.ViewScrollBar;
    if (taller && !down) down = true, view.Width -= parts.ViewScrollBar;
  }
}

Extent OpeningView(Extent largest, const ReportFrameParts& parts) {
  const int side = SideBeside(largest, parts);
  if (side > 0) {
    const int wheelHeight = side + parts.WheelDecoration.Height;
    return {parts.Report.Width + side + parts.WheelDecoration.Width,
            std::min(largest.Height, std::max(parts.Report.Height, wheelHeight))};
  }
  const int wheelHeight = parts.WheelLeastSide + parts.WheelDecoration.Height;
  return {largest.Width, std::min(largest.Height, std::max(parts.Report.Height, wheelHeight))};
}

TopBarLefts PlaceTopBar(const TopBarWidths& widths) {
  TopBarLefts lefts;
  lefts.ExitButton = widths.Frame - widths.ExitButton - 300;
  lefts.BackButton = lefts.ExitButton - widths.BackButton - 100;
  lefts.PrintButton = lefts.BackButton - widths.PrintButton - 100;
  lefts.Heading = (widths.TopBar - widths.Heading) / 2;
  return lefts;
}

double PaperScale(double width, double height) {
  if (width <= 0 || height <= 0) return 1;
  double widest = 0;  // inches of paper the report's width takes, at the most
  for (const PaperSize& paper : CommonPapers) {
    for (const auto& [across, down] : {std::pair{paper.Width, paper.Height}, std::pair{paper.Height, paper.Width}}) {
      widest = std::max(widest, std::min(across, down * width / height));
    }
  }
  return PaperDotsPerInch * widest / width;
}

}  // namespace zentara
