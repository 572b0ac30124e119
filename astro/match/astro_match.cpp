#include "astro/match/astro_match.h"

#include <string>

#include "astro/engine/chart_longitudes.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/zone_list.h"

namespace zentara {

const ChartPositions& CalculatePartnerChart(const BirthMoment& birth, bool isMale, PartnerChartDetails* details,
                                            const ChartOptions& options) {
  const ChartInstant instant = InstantOfBirth(birth);
  const ChartLongitudes chart = CalculateChartLongitudes(instant, options);
  if (details != nullptr) *details = {instant.UniversalHours, chart.Houses, instant, chart.Longitudes};
  return modPlanetPosition_Western::WriteChartTable(chart.Longitudes, isMale);
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
  result.MaleInstant = details.Instant;
  result.MaleLongitudes = details.Longitudes;
  const auto female = BirthMomentFromEntries(entries.Female, zones);
  if (!female) return false;
  result.Female = CalculatePartnerChart(*female, false, &details, options);
  result.FemaleUniversalTime = details.UniversalTime;
  result.FemaleHouseBasis = details.Houses;
  result.FemaleInstant = details.Instant;
  result.FemaleLongitudes = details.Longitudes;
  result.Score = ScoreCompatibility(result.Male, result.Female);
  return true;
}

}  // namespace zentara
