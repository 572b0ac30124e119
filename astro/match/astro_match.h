// The whole astrological match of two partners' entries: both charts and the
// compatibility score.
#pragma once
#include <optional>

#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_instant.h"
#include "astro/engine/chart_options.h"
#include "astro/engine/houses/chart_houses.h"
#include "astro/match/astro_entries.h"
#include "astro/match/compatibility_score.h"

namespace zentara {

struct AstroMatchResult {
  ChartPositions Male;
  ChartPositions Female;
  CompatibilityScore Score;
  // Each partner's universal time of birth in hours (CalculateAngles), relative
  // to the local calendar date.
  double MaleUniversalTime = 0;
  double FemaleUniversalTime = 0;
  // What each partner's houses are cast from (CastChartHouses).
  ChartHouseBasis MaleHouseBasis;
  ChartHouseBasis FemaleHouseBasis;
  // Each partner's moment and place, and the points before they were cut to
  // the minute: what the charts of the relationship are made from.
  ChartInstant MaleInstant, FemaleInstant;
  SlotLongitudes MaleLongitudes{}, FemaleLongitudes{};
  // The equinox of both charts' positions, and their lunar node.
  Equinox PositionsEquinox = Equinox::J2000;
  LunarNode Node = LunarNode::Mean;
  ChartOptions Options() const { return {PositionsEquinox, Node}; }
};

// What a partner's chart finds besides its table: the universal time of birth
// the angles used, and what its houses are cast from.
struct PartnerChartDetails {
  double UniversalTime = 0;
  ChartHouseBasis Houses;
  ChartInstant Instant;
  SlotLongitudes Longitudes{};
};

// One partner's chart, in the engines' fixed order: the angles, the Moon, then
// the Sun, planets and nodes; or, on the equinox of date, every point true to
// the sky at the universal time of birth the angles give. `isMale` chooses
// which of the two process-wide tables is written (chart_table.h); that table
// is returned. When given, `details` receives the rest.
const ChartPositions& CalculatePartnerChart(const BirthMoment& birth, bool isMale,
                                            PartnerChartDetails* details = nullptr, const ChartOptions& options = {});

// Builds the time-zone table, turns the male entries into a BirthMoment and
// computes the male chart, does the same for the female partner, and scores
// the two Moons. Nothing when an entry cannot be turned into a BirthMoment
// (see BirthMomentFromEntries); entries that pass CheckAstroEntries on the form
// always can. Run the checks first: the dates are not checked here. The score
// reads the two Moons as the options give them: the Moons of date true to the
// sky may stand up to a few minutes from the default ones, and so score
// differently when near a whole degree.
std::optional<AstroMatchResult> CalculateAstroMatch(const AstroEntries& entries, const ChartOptions& options = {});

// The same into `result`, whose texts keep their storage from one call to the
// next (for matching many couples in a row); false, with `result` partly
// written, when an entry cannot be turned into a BirthMoment.
bool CalculateAstroMatch(const AstroEntries& entries, AstroMatchResult& result, const ChartOptions& options = {});

}  // namespace zentara
