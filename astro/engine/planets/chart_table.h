// The last step of a partner's chart: the Sun, the planets and the lunar nodes,
// and the partner's table of fourteen slot texts.
//
// For one partner the steps run in this order: CalculateAngles (chart_angles.h),
// then the lunar engine's CalculateMoonPosition, then CalculateChart with the
// partner's flag. The process keeps one table for the male partner and one for
// the female partner (each thread its own pair); each call overwrites slots 0
// to 13 of one of them and leaves the other alone.
#pragma once
#include <string_view>

#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_instant.h"
#include "astro/engine/lunar_node.h"
#include "astro/engine/planets/chart_angles.h"

namespace zentara::modPlanetPosition_Western {

// The day number of the birth's universal time: days since 2000 January 1.5 of
// the local date at 0:00, plus the universal time of birth over 24.
double ChartDayNumber(const BirthMoment& birth, double birthUniversalTime);

// Fills the male table when `isMale`, else the female table, and returns it:
// slot 0 the Sun, 1 the Moon (from `moonPositionText`, the lunar engine's
// zodiac position text for the same birth), 2 to 9 Mercury to Pluto, 10 Rahu,
// 11 Ketu, 12 the ascendant and 13 the midheaven (from `angles`, the result of
// CalculateAngles for the same birth). Slot 14 is never written. With the
// true node, Rahu and Ketu are the true node of the birth's date and its
// opposite (sky/sky_positions.h) instead of the mean node.
const ChartPositions& CalculateChart(const BirthMoment& birth, const ChartAngles& angles,
                                     std::string_view moonPositionText, bool isMale,
                                     LunarNode node = LunarNode::Mean);

// The day number of an instant: days since 2000 January 1.5 of its date at
// 0:00, plus its universal hours over 24.
double ChartDayNumber(const ChartInstant& instant);

// The default chart's Sun, Mercury to Pluto and nodes at `instant`, written
// into their slots of `at`; the Moon's and the angles' slots are left alone.
void DefaultBodyLongitudes(const ChartInstant& instant, LunarNode node, SlotLongitudes& at);

// Each slot text of a chart from its longitude, cut to the minute as the
// engines have always cut them (FormatZodiacPosition, then FormatSlotText).
void FillSlotTexts(const SlotLongitudes& longitudes, ChartPositions& chart);

// Fills the male or the female table from `longitudes` and returns it.
const ChartPositions& WriteChartTable(const SlotLongitudes& longitudes, bool isMale);

// The two process-wide tables, as the last CalculateChart calls left them
// (empty texts before the first).
const ChartPositions& MaleChartPositions();
const ChartPositions& FemaleChartPositions();

}  // namespace zentara::modPlanetPosition_Western
