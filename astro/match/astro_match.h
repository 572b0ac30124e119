// The whole astrological match of two partners' entries: both charts and the
// compatibility score.
#pragma once
#include <optional>

#include "astro/engine/birth_moment.h"
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
};

// One partner's chart, in the engines' fixed order: the angles, the Moon, then
// the Sun, planets and nodes. `isMale` chooses which of the two process-wide
// tables is written (chart_table.h); that table is returned. When given,
// `universalTime` receives the universal time of birth the angles used.
const ChartPositions& CalculatePartnerChart(const BirthMoment& birth, bool isMale,
                                            double* universalTime = nullptr);

// Builds the time-zone table, turns the male entries into a BirthMoment and
// computes the male chart, does the same for the female partner, and scores
// the two Moons. Nothing when an entry cannot be turned into a BirthMoment
// (see BirthMomentFromEntries); entries that pass CheckAstroEntries on the form
// always can. Run the checks first: the dates are not checked here.
std::optional<AstroMatchResult> CalculateAstroMatch(const AstroEntries& entries);

// The same into `result`, whose texts keep their storage from one call to the
// next (for matching many couples in a row); false, with `result` partly
// written, when an entry cannot be turned into a BirthMoment.
bool CalculateAstroMatch(const AstroEntries& entries, AstroMatchResult& result);

}  // namespace zentara
