// The chart wheel in words, for a screen reader, which cannot see the
// picture: which chart is on which ring, every point's position, whose house
// cusps are drawn, and how many aspects cross the centre. Made as sentences
// (lookup_sentences.h) that the desktop translates in WheelWordsContext.
#pragma once
#include <string>
#include <vector>

#include "astro/match/chart_wheel.h"
#include "astro/match/lookup_sentences.h"

namespace zentara {

inline constexpr const char* WheelWordsContext = "WheelWords";

// "Chart wheel of two charts: the male chart on the inner ring, the female
// chart on the outer ring. Male chart: Sun at 22°26' Leo. Moon at ... .
// Female chart: ... . Cusps of the male chart in Placidus houses. 9 aspects
// between the charts." A wheel of one chart names it: "Composite chart:
// Sun at ... ".
std::vector<Sentence> ChartWheelWords(const ChartWheel& wheel);

// The name a reader speaks for the wheel: "Chart wheel", "Composite chart wheel".
Sentence ChartWheelName(const ChartWheel& wheel);

}  // namespace zentara
