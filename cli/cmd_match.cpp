// zentara-cli match: the astrological match of a couple from the astro entry
// form's entries. The entries pass the form's checks in the form's order, then
// the male chart, the female chart and the score are computed and written as
// text or, with --json, as one JSON object; --svg also writes the couple's
// chart wheel as the desktop's "Save Chart Picture" does. --batch does the same
// for every row of a CSV file (cli/match_batch.h).
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "astro/match/astro_match.h"
#include "astro/match/chart_wheel_svg.h"
#include "cli/astro_entry_options.h"
#include "cli/chart_output.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/match_batch.h"
#include "cli/person_options.h"
#include "reports/file_bytes.h"

namespace zentara::cli {

namespace {

struct MatchOptions {
  PartnerOptions male, female;
  PersonOptions people;
  bool json = false;
  std::string batch;
  std::string svg;
  CLI::Option* jsonOption = nullptr;
  CLI::Option* batchOption = nullptr;
  CLI::Option* svgOption = nullptr;
};

// The first option given that --batch leaves no room for: a couple's entries,
// --json or --svg.
const CLI::Option* BesidesBatch(const MatchOptions& options) {
  for (const PartnerOptions* partner : {&options.male, &options.female}) {
    for (const CLI::Option* option : partner->options) {
      if (option->count() > 0) return option;
    }
  }
  for (const CLI::Option* option : {options.jsonOption, options.svgOption}) {
    if (option->count() > 0) return option;
  }
  return nullptr;
}

void WriteText(std::ostream& out, const AstroMatchResult& match) {
  out << "Male:\nUniversal time: " << NumberText(match.MaleUniversalTime) << "\n";
  WritePositions(out, match.Male);
  out << "\nFemale:\nUniversal time: " << NumberText(match.FemaleUniversalTime) << "\n";
  WritePositions(out, match.Female);
  out << "\nCompatibility Report:\n"
      << "Power: " << match.Score.Power << "\n"
      << "Harmony: " << match.Score.Harmony << "\n"
      << "P * H: " << match.Score.PH << "\n"
      << "Percentage: " << match.Score.Percentage << "\n"
      << "Comment: " << match.Score.Comment << "\n";
}

Json MatchJson(const AstroMatchResult& match) {
  return {{"male", {{"universal_time", match.MaleUniversalTime}, {"positions", PositionsJson(match.Male)}}},
          {"female", {{"universal_time", match.FemaleUniversalTime}, {"positions", PositionsJson(match.Female)}}},
          {"power", match.Score.Power},
          {"harmony", match.Score.Harmony},
          {"ph", match.Score.PH},
          {"percentage", match.Score.Percentage},
          {"comment", match.Score.Comment}};
}

int RunMatch(const MatchOptions& options, Streams io) {
  if (options.batchOption->count() > 0) {
    if (const CLI::Option* extra = BesidesBatch(options)) {
      io.err << "zentara-cli match: --batch takes the couples from its file, not from " << extra->get_name()
             << "\nTry 'zentara-cli match --help'.\n";
      return ExitUsage;
    }
    return RunMatchBatch(options.batch, io);
  }
  for (const auto& [partner, given] : {std::pair{Partner::Male, &options.male}, {Partner::Female, &options.female}}) {
    if (PersonGiven(options.people, partner)) continue;
    if (const auto missing = MissingPickOption(*given, partner)) {
      io.err << "zentara-cli match: " << *missing << "\nTry 'zentara-cli match --help'.\n";
      return ExitUsage;
    }
  }
  AstroEntries entries{ToPartnerEntries(options.male), ToPartnerEntries(options.female)};
  if (const auto status = PutPeople(options.people, entries, "zentara-cli match", io)) return *status;
  if (const auto failure = CheckAstroEntries(entries)) {
    io.err << failure->Message << "\n";
    return ExitRefused;
  }
  const auto match = CalculateAstroMatch(entries);
  if (!match) {  // the option checks let through only entries the form can hold
    io.err << "zentara-cli match: the entries do not make a birth\n";
    return ExitUsage;
  }
  // The whole file or nothing: a failed write leaves what was there before.
  if (options.svgOption->count() > 0) {
    if (const auto failure = ReplaceFileContents(options.svg, ChartWheelSvg(match->Male, match->Female))) {
      io.err << "zentara-cli match: cannot write " << options.svg << ": " << *failure << "\n";
      return ExitFile;
    }
  }
  if (options.json) {
    io.out << JsonText(MatchJson(*match)) << "\n";
  } else {
    WriteText(io.out, *match);
  }
  return ExitSuccess;
}

}  // namespace

CommandAction DefineMatch(CLI::App& command, Streams io) {
  auto options = std::make_shared<MatchOptions>();
  AddPartnerOptions(command, Partner::Male, options->male);
  AddPartnerOptions(command, Partner::Female, options->female);
  AddPartnerPersonOptions(command, options->people);
  options->jsonOption = command.add_flag("--json", options->json, "one JSON object instead of text");
  options->batchOption =
      command.add_option("--batch", options->batch, "score every couple of a CSV file, '-' for stdin")
          ->type_name("FILE.csv");
  options->svgOption =
      command.add_option("--svg", options->svg, "also write both charts' wheel as an SVG picture")
          ->type_name("FILE");
  options->batchOption->excludes(options->people.maleOption)->excludes(options->people.femaleOption);
  command.footer(
      "The entries are those of the astro entry form. Names, cities, states and countries take\n"
      "letters and spaces only: any other character is refused with \"Please enter only letters\"\n"
      "(exit status 2). A missing text option is an empty box. The form's checks then run in the\n"
      "form's order; the first that fails prints its message (exit status 1).\n"
      "\n"
      "Text output: \"Male:\", the universal time and the fourteen positions, an empty line, the\n"
      "same for \"Female:\", an empty line, then \"Compatibility Report:\" with Power, Harmony,\n"
      "P * H, Percentage and Comment, one \"Label: value\" line each. --json gives\n"
      "{\"male\":{\"universal_time\":H,\"positions\":[as chart --json]},\"female\":{...},\"power\":N,\n"
      "\"harmony\":N,\"ph\":N,\"percentage\":N,\"comment\":TEXT}.\n"
      "\n"
      "--svg FILE writes the chart wheel the desktop's \"Save Chart Picture\" saves for the couple: the\n"
      "male chart inside, the female chart outside, the male ascendant on the left. The file is\n"
      "replaced only once complete; one that cannot be written gives exit status 3 and no output.\n"
      "\n"
      "--batch: a CSV file whose header row names the twenty columns male-name, male-date, ...,\n"
      "female-country (the options without their dashes; male-dst and female-dst hold 1 or 0) in any\n"
      "order, and one couple a row. Written: the input columns, then male-sun ... male-mc,\n"
      "female-sun ... female-mc (sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune,\n"
      "pluto, n-node, s-node, asc, mc), power, harmony, ph, percentage, comment. A row that fails\n"
      "is left out and reported on stderr as \"row N: COLUMN: message\" (the header is row 1); the\n"
      "other rows go on, and the exit status is 1. A missing, unknown or repeated column gives exit\n"
      "status 2, an unreadable file 3.");
  return [options, io] { return RunMatch(*options, io); };
}

}  // namespace zentara::cli
