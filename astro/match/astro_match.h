// The whole astrological match of two partners' entries: both charts and the
// compatibility score.
#pragma once
#include <optional>

#include "astro/engine/birth_moment.h"
#include "astro/engine/equinox.h"
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
  // The equinox the Sun to Pluto of both charts are measured from.
  Equinox PositionsEquinox = Equinox::J2000;
};

// One partner's chart, in the engines' fixed order: the angles, the Moon, then
// the Sun, planets and nodes. `isMale` chooses which of the two process-wide
// tables is written (chart_table.h); that table is returned. When given,
// `universalTime` receives the universal time of birth the angles used.
// `equinox` is the equinox of the Sun to Pluto (equinox.h).
const ChartPositions& CalculatePartnerChart(const BirthMoment& birth, bool isMale,
                                            double* universalTime = nullptr,
                                            Equinox equinox = Equinox::J2000);

// Builds the time-zone table, turns the male entries into a BirthMoment and
// computes the male chart, does the same for the female partner, and scores
// the two Moons. Nothing when an entry cannot be turned into a BirthMoment
// (see BirthMomentFromEntries); entries that pass CheckAstroEntries on the form
// always can. Run the checks first: the dates are not checked here. The Moons,
// and so the score, are the same whichever the equinox.
std::optional<AstroMatchResult> CalculateAstroMatch(const AstroEntries& entries,
                                                    Equinox equinox = Equinox::J2000);

// The same into `result`, whose texts keep their storage from one call to the
// next (for matching many couples in a row); false, with `result` partly
// written, when an entry cannot be turned into a BirthMoment.
bool CalculateAstroMatch(const AstroEntries& entries, AstroMatchResult& result,
                         Equinox equinox = Equinox::J2000);

}  // namespace zentara
