// The chart wheel in words, for a screen reader, which cannot see the
// picture: which chart is on which ring, every point's position, whose house
// cusps are drawn, and how many aspects cross the centre.
#pragma once
#include <string>

#include "astro/match/chart_wheel.h"

namespace zentara {

// "Chart wheel of two charts: the male chart on the inner ring, the female
// chart on the outer ring. Male: Sun at 22°26' Leo, Moon at ... . Female: ... .
// Cusps of the male chart in Placidus houses. 9 aspects between the charts."
// A wheel of one chart names it: "Composite chart wheel: Sun at ... ".
std::string ChartWheelWords(const ChartWheel& wheel);

// The name a reader speaks for the wheel: "Chart wheel", "Composite chart wheel".
std::string ChartWheelName(const ChartWheel& wheel);

}  // namespace zentara
