// The chart wheel as an SVG 1.1 file, written from the shapes of
// chart_wheel_drawing.h, so the desktop and the command line write the same
// bytes for the same couple.
#pragma once
#include <string>

#include "astro/match/chart_wheel_drawing.h"

namespace zentara {

// The side, in pixels, of the SVG files the program writes.
inline constexpr double SvgWheelSide = 600;

// A UTF-8 SVG document of `drawing`, Side by Side pixels, on a white ground.
// Numbers have two decimals and a point, whatever the locale.
std::string ChartWheelSvg(const WheelDrawing& drawing);

// The wheel of a couple's two charts at SvgWheelSide.
std::string ChartWheelSvg(const ChartPositions& male, const ChartPositions& female, const WheelOptions& options = {});

}  // namespace zentara
