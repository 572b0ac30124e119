// zentara-cli match: the astrological match of a couple from the astro entry
// form's entries. The entries pass the form's checks in the form's order, then
// the male chart, the female chart, the score and the aspects between the two
// charts are computed and written as text or, with --json, as one JSON object;
// --svg also writes the couple's chart wheel as the desktop's "Save Chart
// Picture" does. --batch does the same for every row of a CSV file
// (cli/match_batch.h). --equinox and --orbs choose the positions' equinox and
// the aspects' orbs for all of them.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "astro/match/astro_match.h"
#include "astro/match/synastry.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/reading_texts.h"
#include "astro/match/relationship_score.h"
#include "astro/match/synastry_texts.h"
#include "cli/synastry_output.h"
#include "cli/astro_entry_options.h"
#include "cli/chart_output.h"
#include "cli/commands.h"
#include "cli/couple_options.h"
#include "cli/exit_status.h"
#include "cli/house_output.h"
#include "cli/json_text.h"
#include "cli/match_batch.h"
#include "cli/person_options.h"
#include "cli/position_options.h"
#include "common/file_bytes.h"

namespace zentara::cli {

namespace {

struct MatchOptions {
  CoupleOptions couple;
  bool json = false;
  std::string batch;
  std::string svg;
  std::string equinox, node, houses;
  std::string orbs;
  bool aspects = false, overlays = false, relationshipScore = false;
  std::size_t jobs = DefaultBatchJobs();
  CLI::Option* jsonOption = nullptr;
  CLI::Option* jobsOption = nullptr;
  CLI::Option* batchOption = nullptr;
  CLI::Option* svgOption = nullptr;
  CLI::Option* equinoxOption = nullptr;
  CLI::Option* nodeOption = nullptr;
  CLI::Option* orbsOption = nullptr;
  CLI::Option* housesOption = nullptr;
};

// The first option given that --batch leaves no room for: a couple's entries,
// --json or --svg.
const CLI::Option* BesidesBatch(const MatchOptions& options) {
  for (const PartnerOptions* partner : {&options.couple.male, &options.couple.female}) {
    for (const CLI::Option* option : partner->options) {
      if (option->count() > 0) return option;
    }
  }
  for (const CLI::Option* option : {options.jsonOption, options.svgOption}) {
    if (option->count() > 0) return option;
  }
  return nullptr;
}

void WriteText(std::ostream& out, const AstroMatchResult& match, const std::vector<Aspect>& aspects, bool saysNode,
               const CoupleHouses* houses) {
  out << "Male:\nUniversal time: " << NumberText(match.MaleUniversalTime) << "\n";
  WritePositions(out, match.Male);
  out << "\nFemale:\nUniversal time: " << NumberText(match.FemaleUniversalTime) << "\n";
  WritePositions(out, match.Female);
  out << "\nCompatibility Report:\n"
      << "Power: " << match.Score.Power << "\n"
      << "Harmony: " << match.Score.Harmony << "\n"
      << "P * H: " << match.Score.PH << "\n"
      << "Percentage: " << match.Score.Percentage << "\n"
      << "Comment: " << match.Score.Comment << "\n"
      << "\nEquinox: " << EquinoxName(match.PositionsEquinox) << "\n";
  if (saysNode) out << "Node: " << LunarNodeName(match.Node) << "\n";
  out << "\n";
  WriteAspects(out, aspects);
  if (houses != nullptr) {
    out << "\n";
    WriteCoupleHouses(out, *houses);
  }
}

// {"value":20,"label":"Exceptional","breakdown":[{"rule":"Both Suns in fixed signs","points":5},...]}
Json RelationshipScoreJson(const RelationshipScore& score) {
  Json breakdown = Json::array();
  for (const ScoreRule& rule : score.Breakdown) breakdown.push_back({{"rule", rule.Rule}, {"points", rule.Points}});
  return {{"value", score.Value}, {"label", score.Label}, {"breakdown", std::move(breakdown)}};
}

// {"male_in_female_houses":{"sun":TEXT,...,"n-node":TEXT},"female_in_male_houses":{...}}: what each
// planet and north node means in the other's house.
Json OverlayTextsJson(const CoupleHouses& houses, std::string_view hisName, std::string_view herName) {
  Json json = {{"male_in_female_houses", Json::object()}, {"female_in_male_houses", Json::object()}};
  for (std::size_t point = 0; point < OverlayPointCount; ++point) {
    const ChartSlot slot = AspectPoints[point];
    const std::string key(SlotKeys[slot]);
    json["male_in_female_houses"][key] = OverlayText(slot, houses.MaleInFemale[point], hisName, herName);
    json["female_in_male_houses"][key] = OverlayText(slot, houses.FemaleInMale[point], herName, hisName);
  }
  return json;
}

Json MatchJson(const AstroMatchResult& match, const std::vector<Aspect>& aspects, bool saysNode,
               const CoupleHouses& houses, std::string_view hisName, std::string_view herName) {
  Json json = {{"male", {{"universal_time", match.MaleUniversalTime}, {"positions", PositionsJson(match.Male)}}},
               {"female", {{"universal_time", match.FemaleUniversalTime}, {"positions", PositionsJson(match.Female)}}},
               {"power", match.Score.Power},
               {"harmony", match.Score.Harmony},
               {"ph", match.Score.PH},
               {"percentage", match.Score.Percentage},
               {"comment", match.Score.Comment},
               {"equinox", EquinoxName(match.PositionsEquinox)}};
  if (saysNode) json["node"] = LunarNodeName(match.Node);
  json["aspects"] = AspectsJson(aspects);
  for (std::size_t i = 0; i < aspects.size(); ++i) {
    json["aspects"][i]["text"] = AspectText(aspects[i].Male, aspects[i].Female, aspects[i].Kind, hisName, herName);
  }
  json["houses"] = CoupleHousesJson(houses);
  json["overlays"] = OverlaysJson(houses);
  json["overlay_texts"] = OverlayTextsJson(houses, hisName, herName);
  json["relationship_score"] = RelationshipScoreJson(ScoreRelationship(match.Male, match.Female));
  return json;
}

// A usage error: `problem`, and where to read more.
int UsageError(Streams io, std::string_view problem) { return CommandUsageError("match", problem, io); }

int RunMatch(const MatchOptions& options, Streams io) {
  const zentara::ChartOptions chosen{ToEquinox(options.equinox), ToNode(options.node)};
  const bool saysNode = SaysNode(options.nodeOption, chosen.PositionsEquinox);
  const AspectOrbs orbs = ToOrbs(options.orbs);
  if (options.batchOption->count() > 0) {
    if (const CLI::Option* extra = BesidesBatch(options)) {
      return UsageError(io, "--batch takes the couples from its file, not from " + extra->get_name());
    }
    if (options.orbsOption->count() > 0 && !options.aspects) {
      return UsageError(io, "--orbs sets the orbs of the aspects column, which --batch writes with --aspects");
    }
    return RunMatchBatch(options.batch, io,
                         {.Positions = chosen,
                          .EquinoxColumn = options.equinoxOption->count() > 0,
                          .NodeColumn = options.nodeOption->count() > 0,
                          .AspectsColumn = options.aspects,
                          .Orbs = orbs,
                          .CuspColumns = options.housesOption->count() > 0,
                          .OverlayColumns = options.overlays,
                          .Houses = ToHouseSystem(options.houses),
                          .RelationshipScoreColumn = options.relationshipScore,
                          .Jobs = options.jobs});
  }
  if (options.aspects) {
    return UsageError(io, "--aspects adds a column to --batch's output; a single couple's aspects are always written");
  }
  if (options.relationshipScore) {
    return UsageError(io, "--relationship-score adds a column to --batch's output; a single couple's is always in "
                          "--json");
  }
  if (options.overlays) {
    return UsageError(io, "--overlays adds columns to --batch's output; a single couple's overlays are always in --json, "
                          "and in the text with --houses");
  }
  if (options.jobsOption->count() > 0) return UsageError(io, "--jobs sets how many threads --batch scores on");
  int status = ExitSuccess;
  AstroEntries entries;
  const auto match = MatchOfCouple(options.couple, chosen, "match", io, status, &entries);
  if (!match) return status;
  const std::vector<Aspect> aspects = FindAspects(match->Male, match->Female, orbs);
  const CoupleHouses houses = CastCoupleHouses(*match, ToHouseSystem(options.houses));
  // The whole file or nothing: a failed write leaves what was there before.
  if (options.svgOption->count() > 0) {
    // The male chart's cusps, as the desktop's wheel draws them at first.
    const std::string svg = ChartWheelSvg(match->Male, match->Female,
                                          {.Orbs = orbs, .Positions = chosen,
                                           .Houses = WheelHousesOf(houses.Male, Partner::Male)});
    if (const auto failure = ReplaceFileContents(options.svg, svg)) {
      io.err << "zentara-cli match: cannot write " << options.svg << ": " << *failure << "\n";
      return ExitFile;
    }
  }
  if (options.json) {
    io.out << JsonText(MatchJson(*match, aspects, saysNode, houses, entries.Male.Name, entries.Female.Name)) << "\n";
  } else {
    WriteText(io.out, *match, aspects, saysNode, options.housesOption->count() > 0 ? &houses : nullptr);
  }
  return ExitSuccess;
}

}  // namespace

CommandAction DefineMatch(CLI::App& command, Streams io) {
  auto options = std::make_shared<MatchOptions>();
  AddCoupleOptions(command, options->couple);
  options->jsonOption = command.add_flag("--json", options->json, "one JSON object instead of text");
  options->batchOption =
      command.add_option("--batch", options->batch, "score every couple of a CSV file, '-' for stdin")
          ->type_name("FILE.csv");
  options->svgOption =
      command.add_option("--svg", options->svg, "also write both charts' wheel as an SVG picture")
          ->type_name("FILE");
  options->batchOption->excludes(options->couple.people.maleOption)->excludes(options->couple.people.femaleOption);
  options->equinoxOption = AddEquinoxOption(command, options->equinox);
  options->nodeOption = AddNodeOption(command, options->node);
  options->orbsOption = AddOrbsOption(command, options->orbs);
  options->housesOption = AddHousesOption(command, options->houses);
  command.add_flag("--aspects", options->aspects, "with --batch: add the column aspects");
  command.add_flag("--overlays", options->overlays,
                   "with --batch: add the columns male-in-female-houses and female-in-male-houses");
  command.add_flag("--relationship-score", options->relationshipScore,
                   "with --batch: add the column relationship-score (Discepolo's method)");
  options->jobsOption = command.add_option("--jobs", options->jobs,
                                           "with --batch: score on N threads at once (default: one a core)")
                            ->type_name("N")
                            ->check(CLI::Range(1, 1024));
  command.footer(
      "The entries are those of the astro entry form. Names, cities, states and countries take\n"
      "letters and spaces only: any other character is refused with \"Please enter only letters\"\n"
      "(exit status 2). A missing text option is an empty box. The form's checks then run in the\n"
      "form's order; the first that fails prints its message (exit status 1).\n"
      "\n"
      "Text output: \"Male:\", the universal time and the fourteen positions, an empty line, the\n"
      "same for \"Female:\", an empty line, then \"Compatibility Report:\" with Power, Harmony,\n"
      "P * H, Percentage and Comment, one \"Label: value\" line each; an empty line, \"Equinox: \"\n"
      "and j2000 or date, and \"Node: \" and mean or true when --node is given or the positions\n"
      "are of date; an empty line, \"Aspects:\" and one aspect a line, closest first, such as\n"
      "\"Venus trine Mars, 1°12' from exact\" (his point first). --json gives\n"
      "{\"male\":{\"universal_time\":H,\"positions\":[as chart --json]},\"female\":{...},\"power\":N,\n"
      "\"harmony\":N,\"ph\":N,\"percentage\":N,\"comment\":TEXT,\"equinox\":\"j2000\"|\"date\",\n"
      "[\"node\":\"mean\"|\"true\" as for the text,] \"aspects\":\n"
      "[{\"male\":\"venus\",\"female\":\"mars\",\"kind\":\"trine\",\"angle\":120,\"separation\":\"1°12'\",\"orb\":6,\n"
      "\"text\":TEXT},...],\n"
      "\"houses\":{\"house_system\":\"placidus\",\"male\":[12 cusps],\"female\":[12 cusps]}, \"overlays\":\n"
      "{\"male_in_female_houses\":{\"sun\":7,...},\"female_in_male_houses\":{...},\"male_in_own_houses\":{...},\n"
      "\"female_in_own_houses\":{...}}, \"overlay_texts\":{\"male_in_female_houses\":{\"sun\":TEXT,...},\n"
      "\"female_in_male_houses\":{...}}, \"relationship_score\":{\"value\":N,\"label\":TEXT,\"breakdown\":\n"
      "[{\"rule\":TEXT,\"points\":N},...]}}: the second score, Ciro Discepolo's method (points for the\n"
      "Suns' quality and for Sun, Moon, ascendant and Venus-Mars contacts between the charts), which\n"
      "never replaces the four figures.\n"
      "\n"
      "Houses: --houses SYSTEM (placidus, the default, koch, regiomontanus, campanus, porphyry, equal\n"
      "or whole-sign) chooses the houses of --json and of --batch --overlays, and adds them to the text:\n"
      "\"Houses: Placidus\", \"Male cusps: 13 Sag 43; ...\", \"Female cusps: ...\", \"His points in her\n"
      "houses: sun 7; ...\" and \"Her points in his houses: ...\". Beyond the polar circles Placidus and\n"
      "Koch have no cusps: Porphyry's are given and a note says so (\"Male: Placidus has no cusps at\n"
      "70° N; Porphyry used\"; in JSON \"male_used\" and \"male_fallback\").\n"
      "\n"
      "Aspects: conjunction 0, sextile 60, square 90, trine 120 and opposition 180 degrees between\n"
      "one of his and one of her points (sun ... pluto, n-node, asc, mc), from the positions to the\n"
      "minute. --orbs sets the orbs for the Sun and Moon, the other planets, and the node, Asc and\n"
      "MC (default 8,6,4); a pair takes the larger orb of its two points, and a separation equal to\n"
      "it counts. --equinox date gives every point true to the sky at the birth: the apparent\n"
      "position on the true equinox and ecliptic of its date, as a modern ephemeris gives it; the\n"
      "Moon then stands up to a few minutes from the default one, so the figures, which read its\n"
      "whole degrees, may differ. --node true shows the true (osculating) node of the birth's date\n"
      "in place of the mean node, with either equinox.\n"
      "\n"
      "--svg FILE writes the chart wheel the desktop's \"Save Chart Picture\" saves for the couple: the\n"
      "male chart inside, the female chart outside, the male ascendant on the left, the aspects as\n"
      "lines across the centre, and the male chart's house cusps (Placidus, or the --houses system).\n"
      "The file is replaced only once complete; one that cannot be written gives exit status 3 and\n"
      "no output.\n"
      "\n"
      "--batch: a CSV file whose header row names the twenty columns male-name, male-date, ...,\n"
      "female-country (the options without their dashes; male-dst and female-dst hold 1 or 0) in any\n"
      "order, and one couple a row. Written: the input columns, then male-sun ... male-mc,\n"
      "female-sun ... female-mc (sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune,\n"
      "pluto, n-node, s-node, asc, mc), power, harmony, ph, percentage, comment; with --equinox also\n"
      "equinox, with --node also node, and with --aspects also aspects, such as\n"
      "\"venus-trine-mars 1.20; sun-square-moon\n"
      "3.05\" (degrees from exact as decimals, closest first); with --houses also male-cusps and\n"
      "female-cusps (\"13 Sag 43; 15 Cap 19; ...\"), and with --overlays also male-in-female-houses and\n"
      "female-in-male-houses (\"sun 7; moon 11; ...; mc 8\"), and with --relationship-score also\n"
      "relationship-score (the second score's value). A chart whose houses fall back to Porphyry\n"
      "gets a note on stderr, \"row N (line L): male houses: ...\", which leaves the exit status as it is.\n"
      "A row that fails is left out and\n"
      "reported on stderr as \"row N (line L): COLUMN: message\" (rows count from the header, row 1,\n"
      "leaving out empty lines; lines are the file's lines); the other rows go on, and the exit\n"
      "status is 1. No field holds a line break: an opening quote not closed on its line makes that\n"
      "line one row that fails. A missing, unknown or repeated column gives exit status 2, an\n"
      "unreadable file 3.");
  return [options, io] { return RunMatch(*options, io); };
}

}  // namespace zentara::cli
