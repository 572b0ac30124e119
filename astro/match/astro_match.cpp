#include "astro/match/astro_match.h"

#include <string>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/zone_list.h"

namespace zentara {

const ChartPositions& CalculatePartnerChart(const BirthMoment& birth, bool isMale, PartnerChartDetails* details,
                                            const ChartOptions& options) {
  namespace planets = modPlanetPosition_Western;
  const planets::ChartAngles angles = planets::CalculateAngles(birth);
  if (details != nullptr) details->UniversalTime = angles.BirthUniversalTime;
  if (options.PositionsEquinox == Equinox::OfDate) {
    return planets::CalculateChartOfDate(birth, angles.BirthUniversalTime, isMale, options.Node,
                                         details != nullptr ? &details->Houses : nullptr);
  }
  if (details != nullptr) details->Houses = planets::HouseBasisOf(birth, angles);
  const std::string moon = modEphemeris_Western::CalculateMoonPosition(birth);
  return planets::CalculateChart(birth, angles, moon, isMale, options.Node);
}

std::optional<AstroMatchResult> CalculateAstroMatch(const AstroEntries& entries, const ChartOptions& options) {
  AstroMatchResult result;
  if (!CalculateAstroMatch(entries, result, options)) return std::nullopt;
  return result;
}

bool CalculateAstroMatch(const AstroEntries& entries, AstroMatchResult& result, const ChartOptions& options) {
  const TimeZoneTable& zones = LoadTimeZoneTable();
  result.PositionsEquinox = options.PositionsEquinox;
  result.Node = options.Node;
  const auto male = BirthMomentFromEntries(entries.Male, zones);
  if (!male) return false;
  PartnerChartDetails details;
  result.Male = CalculatePartnerChart(*male, true, &details, options);
  result.MaleUniversalTime = details.UniversalTime;
  result.MaleHouseBasis = details.Houses;
  const auto female = BirthMomentFromEntries(entries.Female, zones);
  if (!female) return false;
  result.Female = CalculatePartnerChart(*female, false, &details, options);
  result.FemaleUniversalTime = details.UniversalTime;
  result.FemaleHouseBasis = details.Houses;
  result.Score = ScoreCompatibility(result.Male, result.Female);
  return true;
}

}  // namespace zentara
