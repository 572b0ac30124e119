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
// report's scroll bar counted beside it: (inner - report - scroll bar) / 2,
// and never left of the frame's edge (0 where that formula is negative).
double ReportLeft(double innerWidth, double reportWidth, double scrollBarWidth);

// Pixel sizes and boxes of the frame's view and its windows.
struct Extent {
  int Width = 0, Height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};
struct Box {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

// What the frame holds: the report's window as large as the whole report, the
// report's scroll bar's width, what the wheel's window adds to the wheel (its
// frame, title bar and tabs), the side the wheel takes where there is room,
// the least side at which its labels are readable, and the breadth of the
// view's own scroll bars, which take room where a window reaches past it.
struct ReportFrameParts {
  Extent Report;
  int ReportScrollBar = 0;
  Extent WheelDecoration;
  int WheelSide = 0;
  int WheelLeastSide = 0;
  int ViewScrollBar = 0;
};

// Where the two windows stand in a view `view` large.
//   The report: at the top, as tall as the view (its scroll bar scrolls the
//   rest) or the report, whichever is less, left as ReportLeft has it in the
//   width the wheel leaves it.
//   The wheel beside it, at the top right, where a readable wheel fits to the
//   right of the report and within the view's height: as large as the room
//   there allows, up to its own side. Elsewhere the wheel stands behind the
//   report at the top right, as large as the view allows between its least
//   and its own side, and the report's inner width is the whole view's.
//   A view too small for a readable wheel scrolls, so its scroll bars take
//   their room from it first.
struct ReportFrameArrangement {
  Box Report, Wheel;
  bool WheelBeside = false;
};
ReportFrameArrangement ArrangeReportFrame(Extent view, const ReportFrameParts& parts);

// The view the frame opens with, within `largest` (the screen's available
// area less the frame's bars): the report and the wheel side by side where
// they fit, the wheel up to its own side; else as wide as `largest`, so the
// wheel's title bar shows beside the report where it can. As tall as the
// taller window, at most `largest`'s height.
Extent OpeningView(Extent largest, const ReportFrameParts& parts);

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

// The common paper sizes, inches, one row a size: A4 and US Letter.
struct PaperSize {
  double Width, Height;
};
inline constexpr PaperSize CommonPapers[] = {
    {8.27, 11.69},  // A4
    {8.5, 11.0},    // US Letter
};
// The least resolution a printed report has.
inline constexpr double PaperDotsPerInch = 300;

// How many pixels of an image each pixel of a report `width` by `height`
// takes, so that the image printed as large as a common paper holds it, in
// either orientation and margins aside (which only make it smaller), has at
// least PaperDotsPerInch.
double PaperScale(double width, double height);

}  // namespace zentara
