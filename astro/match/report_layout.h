// Where the astro report frame puts its report and its top bar. The layout is
// measured in twips (1440 to the inch) and turned into pixels at the screen's
// resolution.
#pragma once

namespace zentara {

inline constexpr double TwipsPerInch = 1440.0;

// A resolution of 0 or less counts as 96 dots per inch.
double TwipsFromPixels(int pixels, double dotsPerInch);
// To the nearest pixel.
int PixelsFromTwips(double twips, double dotsPerInch);

// The report stands at the top, centred in the frame's inner width, with the
// report's scroll bar counted beside it: (inner - report - scroll bar) / 2.
double ReportLeft(double innerWidth, double reportWidth, double scrollBarWidth);

// Widths of the frame (outer), its top bar and the top bar's controls.
struct TopBarWidths {
  double Frame = 0;
  double PrintButton = 0, BackButton = 0, ExitButton = 0;
  double TopBar = 0, Heading = 0;
};

// Left edges: Exit 300 from the frame's right edge, Back and Print each 100 to
// the left of the next button, and the heading centred in the top bar.
struct TopBarLefts {
  double PrintButton = 0, BackButton = 0, ExitButton = 0;
  double Heading = 0;
};

TopBarLefts PlaceTopBar(const TopBarWidths& widths);

}  // namespace zentara
