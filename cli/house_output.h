// The houses and the overlays as zentara-cli writes them: chart's cusps, match's
// houses of both partners and their points in each other's houses, as text,
// JSON and the batch's columns.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "astro/engine/houses/chart_houses.h"
#include "astro/match/house_overlays.h"
#include "cli/json_text.h"

namespace zentara::cli {

// {"house_system":"placidus","cusps":["05 Leo 07",...]} with, where they apply,
// "used":"porphyry" and "fallback":"Placidus has no cusps at 70° N; Porphyry used",
// and "cusp_1_opposite_ascendant":true.
Json ChartHousesJson(const ChartHouses& houses);

// "Houses: Placidus", a "Note: " line for each statement that applies, and
// "Cusp 1: 05 Leo 07" ... "Cusp 12: ...", one a line.
void WriteChartHouses(std::ostream& out, const ChartHouses& houses);

// {"house_system":"placidus","male":[12 cusps],"female":[12 cusps]} with, for a
// partner where they apply, "male_used", "male_fallback" and
// "male_cusp_1_opposite_ascendant" (and the same for "female_").
Json CoupleHousesJson(const CoupleHouses& houses);

// {"male_in_female_houses":{"sun":7,...,"mc":10},"female_in_male_houses":{...},
//  "male_in_own_houses":{...},"female_in_own_houses":{...}}.
Json OverlaysJson(const CoupleHouses& houses);

// "Houses: Placidus", notes as above with "Male: " or "Female: " before them,
// "Male cusps: 05 Leo 07; ...", "Female cusps: ...", "His points in her
// houses: sun 7; ..." and "Her points in his houses: ...", one a line.
void WriteCoupleHouses(std::ostream& out, const CoupleHouses& houses);

// The batch's fields: the twelve cusps joined by "; ", and a point's house
// list "sun 7; moon 4; ...; mc 10". Neither ever needs quotes in CSV. The
// writers put them at `out`, with room for the most bytes given, and return
// where they end.
std::string CuspListText(const ChartHouses& houses);
std::string OverlayListText(const PointHouses& houses);
inline constexpr std::size_t MostCuspListBytes = 12 * 9 + 11 * 2;
inline constexpr std::size_t MostOverlayListBytes = AspectPointCount * (7 + 1 + 2) + (AspectPointCount - 1) * 2;
char* WriteCuspList(char* out, const ChartHouses& houses);
char* WriteOverlayList(char* out, const PointHouses& houses);

}  // namespace zentara::cli
