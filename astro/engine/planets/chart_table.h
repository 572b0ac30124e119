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
#include "astro/engine/houses/chart_houses.h"
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

// The same table with every point true to the sky at the birth: the apparent
// positions of date of sky/sky_positions.h, at the universal time of birth
// CalculateAngles found, the ascendant the point rising in the east. When
// given, `houses` receives the sky of date and the two angles the houses are
// cast from.
const ChartPositions& CalculateChartOfDate(const BirthMoment& birth, double birthUniversalTime, bool isMale,
                                           LunarNode node = LunarNode::Mean, ChartHouseBasis* houses = nullptr);

// What the houses of a chart of J2000 are cast from: the sidereal time,
// obliquity and angles of `angles`, and the birth's latitude.
ChartHouseBasis HouseBasisOf(const BirthMoment& birth, const ChartAngles& angles);

// The two process-wide tables, as the last CalculateChart calls left them
// (empty texts before the first).
const ChartPositions& MaleChartPositions();
const ChartPositions& FemaleChartPositions();

}  // namespace zentara::modPlanetPosition_Western
