// The chart wheel as a list of simple shapes on a square canvas, drawn in the
// order listed. The SVG writer (chart_wheel_svg.h) and the desktop's painter
// draw this same list, so a picture on the screen, in a PNG or PDF file and in
// an SVG file show the same wheel.
//
// Canvas coordinates: x to the right, y downwards, (0, 0) the top-left corner.
// Text stands centred on its x, with its baseline at y, in DejaVu Sans.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "astro/match/chart_wheel.h"

namespace zentara {

struct Colour {
  std::uint8_t Red = 0, Green = 0, Blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct WheelCircle {
  double X, Y, Radius;
  Colour Stroke;
  double StrokeWidth;
  std::optional<Colour> Fill;
};

// The part of a ring between two screen angles, filled, without an outline.
struct WheelSector {
  double X, Y, Inner, Outer;
  double StartAngle, Sweep;  // degrees, counter-clockwise
  Colour Fill;
};

struct WheelLine {
  double X1, Y1, X2, Y2;
  Colour Stroke;
  double StrokeWidth;
};

struct WheelText {
  double X, Y;  // centre, baseline
  std::string Text;  // UTF-8
  double Size;       // em size, canvas units
  Colour Fill;
};

using WheelShape = std::variant<WheelCircle, WheelSector, WheelLine, WheelText>;

struct WheelDrawing {
  double Side = 0;  // the canvas is Side by Side
  std::vector<WheelShape> Shapes;
};

inline constexpr std::string_view WheelFontFamily = "DejaVu Sans";

// The wheel's outer radius as a share of the canvas side; the rest is margin.
inline constexpr double WheelRadiusShare = 0.48;
// The least canvas side at which the degrees and minutes are `pixels` high
// (their em size): 453 for 10 pixels.
constexpr double LeastSideForLabels(double pixels) { return pixels / (WheelRadiusShare * NumberSize); }

// The inks of the male and the female chart, on the wheel and in the aspect grid.
inline constexpr Colour MaleInk{30, 70, 150};
inline constexpr Colour FemaleInk{170, 40, 80};

// The colour of each tone of aspect, one row a tone (AspectTone order): the
// wheel's lines and the aspect grid's symbols use them.
inline constexpr std::array<Colour, 3> AspectToneColours = {{
    {150, 105, 0},   // conjunction: dark gold
    {25, 135, 75},   // harmonious: green
    {205, 40, 40},   // tense: red
}};
Colour AspectColour(AspectKind kind);

// The key to those colours, one line a tone in its colour: "✱ sextile, △
// trine", "□ square, ☍ opposition", "☌ conjunction".
struct KeyLine {
  std::string Text;
  Colour Ink;
};
std::vector<KeyLine> AspectKeyLines();

// An aspect's line across the wheel's centre, from the male point's true place
// to the female point's on the edge of the inner disc, in its kind's colour:
// widest when exact, narrowing to a third of that at the edge of its orb.
struct WheelAspectLine {
  Aspect Of;
  WheelLine Line;
};

// The lines of the wheel's aspects on a canvas `side` square, closest first.
std::vector<WheelAspectLine> AspectLines(const ChartWheel& wheel, double side);

// The line nearest the canvas point (x, y), if one passes within `reach`
// canvas units of it (counted from its edge); of lines equally near, the
// closest aspect. Its index in `lines`.
std::optional<std::size_t> AspectLineAt(const std::vector<WheelAspectLine>& lines, double x, double y,
                                        double reach);

// The wheel drawn on a canvas `side` units square (pixels, points...): the
// rings, the aspects' lines (the closest on top), a key to their colours in
// the bottom right corner and the equinox of the positions in the bottom left;
// with houses, their cusps across the planet rings, the house numbers in the
// inner disc and the system under the legend of the partner they belong to.
WheelDrawing DrawChartWheel(const ChartWheel& wheel, double side);

}  // namespace zentara
