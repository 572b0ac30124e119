// zentara-cli match --batch: the astro match of many couples, one a CSV row.
//
// The first row names the twenty columns, male-name ... female-country (the
// match options without their dashes), in any order; male-dst and female-dst
// hold 1 or 0. Each later row is one couple on one line (no field holds a
// line break), put into the entry form's controls and checked as the form
// checks them. The output CSV has the input's columns in its order, then
// male-sun ... male-mc, female-sun ... female-mc, power, harmony, ph,
// percentage and comment, one row for each couple that passes. A row that does
// not, or a line that cannot be read as a row, is left out of the output and
// reported on the error stream as "row N (line L): COLUMN: message" (the
// header is row 1; csv_reader.h says what rows and lines are), and the next
// line is read. Rows are read, scored and written in runs of a hundred or so,
// several runs at once on as many threads as asked for, and written in input
// order, so memory stays the same however long the input is.
//
// More columns may follow the comment: equinox (j2000 or date) when the
// equinox was chosen, node (mean or true) when the node was chosen, aspects,
// the aspects between the two charts as "venus-trine-mars 1.20; ..." (closest
// first, separations in decimal degrees), when asked for; male-cusps and
// female-cusps, each partner's twelve house cusps as "05 Leo 07; ...", when a
// house system was chosen; and male-in-female-houses and female-in-male-houses,
// the house of the other partner's chart each point falls in as "sun 7; moon
// 4; ...; mc 10", when asked for. Where a chart's houses could not be divided
// as asked (beyond the polar circles), its row is written with Porphyry's and
// a note "row N (line L): male houses: Placidus has no cusps at 70° N;
// Porphyry used" goes to the error stream, without changing the exit status.
#pragma once
#include <cstddef>
#include <string>

#include "astro/engine/chart_options.h"
#include "astro/engine/houses/house_system.h"
#include "astro/match/synastry.h"
#include "cli/commands.h"

namespace zentara::cli {

struct BatchOptions {
  ChartOptions Positions;
  bool EquinoxColumn = false;  // write the column equinox
  bool NodeColumn = false;     // write the column node
  bool AspectsColumn = false;  // write the column aspects
  AspectOrbs Orbs = DefaultAspectOrbs;
  bool CuspColumns = false;     // write the columns male-cusps and female-cusps
  bool OverlayColumns = false;  // write male-in-female-houses and female-in-male-houses
  HouseSystem Houses = HouseSystem::Placidus;  // of the cusps and the overlays
  bool RelationshipScoreColumn = false;  // write relationship-score (relationship_score.h)
  // Threads that score couples side by side; the output is the same for any
  // number (rows and refusals in input order).
  std::size_t Jobs = 1;
};

// The number of threads --jobs gives by default: the processor's cores.
std::size_t DefaultBatchJobs();

// Scores the couples of the CSV file at `path` ("-": standard input) onto
// `io.out`. Exit status 0 when every row passed, 1 when some did not, 2 when
// the header row is missing or names an unknown, repeated or too few columns
// (nothing is written), 3 when the input cannot be read or the output written.
int RunMatchBatch(const std::string& path, Streams io, const BatchOptions& options = {});

}  // namespace zentara::cli
