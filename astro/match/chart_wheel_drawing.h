// The chart wheel as a list of simple shapes on a square canvas, drawn in the
// order listed. The SVG writer (chart_wheel_svg.h) and the desktop's painter
// draw this same list, so a picture on the screen, in a PNG or PDF file and in
// an SVG file show the same wheel.
//
// Canvas coordinates: x to the right, y downwards, (0, 0) the top-left corner.
// Text stands centred on its x, with its baseline at y, in DejaVu Sans.
#pragma once
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

// The wheel drawn on a canvas `side` units square (pixels, points...).
WheelDrawing DrawChartWheel(const ChartWheel& wheel, double side);

}  // namespace zentara
