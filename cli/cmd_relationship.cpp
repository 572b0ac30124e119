// zentara-cli composite and zentara-cli davison: the chart of a couple's
// relationship, from the same partner options as match. The composite chart
// is the midpoints of the two charts, houses included; the Davison chart is
// cast for the moment and place halfway between the two births. Each is
// written as text or, with --json, as one JSON object, with its houses and the
// aspects among its own points; --svg also writes its wheel as the desktop's
// Relationship tab shows it.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "astro/engine/houses/chart_houses.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/relationship_charts.h"
#include "astro/match/synastry.h"
#include "cli/chart_output.h"
#include "cli/commands.h"
#include "cli/couple_options.h"
#include "cli/exit_status.h"
#include "cli/house_output.h"
#include "cli/json_text.h"
#include "cli/position_options.h"
#include "cli/synastry_output.h"
#include "common/file_bytes.h"

namespace zentara::cli {

namespace {

struct RelationshipOptions {
  RelationshipKind kind = RelationshipKind::Composite;
  CoupleOptions couple;
  bool json = false;
  std::string svg;
  std::string equinox, node, houses, orbs;
  CLI::Option* nodeOption = nullptr;
  CLI::Option* svgOption = nullptr;
};

Json HousesJson(const RelationshipChart& chart) {
  Json houses = {{"house_system", HouseSystemName(chart.Houses.Asked)}};
  Json cusps = Json::array();
  for (const std::string& text : CuspTexts(chart.Houses)) cusps.push_back(text);
  houses["cusps"] = std::move(cusps);
  if (chart.Houses.FellBack()) houses["used"] = HouseSystemName(chart.Houses.Used);
  if (!chart.Notes.empty()) houses["notes"] = chart.Notes;
  return houses;
}

// The aspects among the chart's own points, the earlier point first.
Json AspectsWithinJson(const std::vector<Aspect>& aspects) {
  Json json = AspectsJson(aspects);
  for (Json& aspect : json) {
    Json renamed = {{"first", aspect["male"]}, {"second", aspect["female"]}};
    for (const auto& [key, value] : aspect.items()) {
      if (key != "male" && key != "female") renamed[key] = value;
    }
    aspect = std::move(renamed);
  }
  return json;
}

Json RelationshipJson(const RelationshipChart& chart, const ChartOptions& chosen, bool saysNode,
                      const std::vector<Aspect>& aspects) {
  Json json = {{"chart", RelationshipName(chart.Kind)}, {"statement", RelationshipStatement(chart)}};
  if (chart.Kind == RelationshipKind::Davison) {
    json["moment"] = {{"universal_time", UniversalTimeText(chart.Instant)},
                      {"local_mean_time", LocalMeanTimeText(chart.Instant)},
                      {"date", UniversalTimeText(chart.Instant).substr(0, 10)},
                      {"universal_hours", chart.Instant.UniversalHours}};
    json["place"] = {{"latitude", chart.Instant.Latitude}, {"longitude", chart.Instant.Longitude},
                     {"text", PlaceText(chart.Instant)}};
  }
  json["positions"] = PositionsJson(chart.Positions);
  json["houses"] = HousesJson(chart);
  json["equinox"] = EquinoxName(chosen.PositionsEquinox);
  if (saysNode) json["node"] = LunarNodeName(chosen.Node);
  json["aspects"] = AspectsWithinJson(aspects);
  return json;
}

void WriteText(std::ostream& out, const RelationshipChart& chart, const ChartOptions& chosen, bool saysNode,
               const std::vector<Aspect>& aspects) {
  out << RelationshipStatement(chart) << "\n";
  WritePositions(out, chart.Positions);
  out << "\nHouses: " << HouseSystemTitle(chart.Houses.Asked) << "\n";
  for (const std::string& note : chart.Notes) out << "Note: " << note << "\n";
  const auto cusps = CuspTexts(chart.Houses);
  for (std::size_t c = 0; c < cusps.size(); ++c) out << "Cusp " << c + 1 << ": " << cusps[c] << "\n";
  out << "\nEquinox: " << EquinoxName(chosen.PositionsEquinox) << "\n";
  if (saysNode) out << "Node: " << LunarNodeName(chosen.Node) << "\n";
  out << "\n";
  WriteAspects(out, aspects);
}

int RunRelationship(const RelationshipOptions& options, Streams io) {
  const std::string command(RelationshipName(options.kind));
  const ChartOptions chosen{ToEquinox(options.equinox), ToNode(options.node)};
  const bool saysNode = SaysNode(options.nodeOption, chosen.PositionsEquinox);
  int status = ExitSuccess;
  const auto match = MatchOfCouple(options.couple, chosen, command, io, status);
  if (!match) return status;
  const HouseSystem system = ToHouseSystem(options.houses);
  const RelationshipChart chart = CastRelationshipChart(options.kind, *match, system);
  const AspectOrbs orbs = ToOrbs(options.orbs);
  const std::vector<Aspect> aspects = FindAspectsWithin(chart.Positions, orbs);
  // The whole file or nothing: a failed write leaves what was there before.
  if (options.svgOption->count() > 0) {
    const std::string svg = ChartWheelSvg(DrawChartWheel(
        LayoutSingleChartWheel(chart.Positions, std::string(RelationshipTitle(chart.Kind)),
                               {.Orbs = orbs, .Positions = chosen, .Houses = WheelHousesOf(chart.Houses, Partner::Male)}),
        SvgWheelSide));
    if (const auto failure = ReplaceFileContents(options.svg, svg)) {
      io.err << "zentara-cli " << command << ": cannot write " << options.svg << ": " << *failure << "\n";
      return ExitFile;
    }
  }
  if (options.json) {
    io.out << JsonText(RelationshipJson(chart, chosen, saysNode, aspects)) << "\n";
  } else {
    WriteText(io.out, chart, chosen, saysNode, aspects);
  }
  return ExitSuccess;
}

CommandAction DefineRelationship(CLI::App& command, Streams io, RelationshipKind kind) {
  auto options = std::make_shared<RelationshipOptions>();
  options->kind = kind;
  AddCoupleOptions(command, options->couple);
  command.add_flag("--json", options->json, "one JSON object instead of text");
  options->svgOption =
      command.add_option("--svg", options->svg, "also write the chart's wheel as an SVG picture")->type_name("FILE");
  AddEquinoxOption(command, options->equinox);
  options->nodeOption = AddNodeOption(command, options->node);
  AddOrbsOption(command, options->orbs);
  AddHousesOption(command, options->houses);
  const std::string what =
      kind == RelationshipKind::Composite
          ? "The composite chart: each point, the ascendant, the midheaven and every house cusp the\n"
            "midpoint of the two partners' same point along the shorter arc, from the positions before\n"
            "they are cut to the minute; two points exactly opposite give the midpoint 90 degrees on\n"
            "from his in the order of the zodiac.\n"
          : "The Davison chart: an ordinary chart cast for the moment halfway between the two births in\n"
            "universal time, at the middle of the great-circle arc between the two birth places. Its\n"
            "moment is given in universal time and in the local mean time of its place, to the second,\n"
            "and the place to the arc-second; it may fall outside the entry form's years.\n";
  command.footer(
      "The partners' entries and checks are those of zentara-cli match.\n\n" + what +
      "\n"
      "Text output: a line saying what the chart is, its fourteen positions (\"Sun: 07 Aqu 56\"), an\n"
      "empty line, \"Houses: \" and the system, a \"Note: \" line for what its houses say, and\n"
      "\"Cusp 1: ...\" to \"Cusp 12: ...\"; an empty line and \"Equinox: \" (and \"Node: \" as match\n"
      "writes it); an empty line, \"Aspects:\" and the aspects among the chart's own points, closest\n"
      "first. --json gives {\"chart\":\"" +
      command.get_name() +
      "\",\"statement\":TEXT," +
      (kind == RelationshipKind::Davison
           ? std::string("\"moment\":{\"universal_time\":\"YYYY-MM-DD HH:MM:SS\",\"local_mean_time\":...,\n"
                         "\"date\":...,\"universal_hours\":H},\"place\":{\"latitude\":D,\"longitude\":D,\"text\":...},")
           : std::string()) +
      "\n\"positions\":[as chart --json],\"houses\":{\"house_system\":...,\"cusps\":[12],[\"notes\":[...]]},\n"
      "\"equinox\":...,[\"node\":...,]\"aspects\":[{\"first\":\"sun\",\"second\":\"moon\",\"kind\":...},...]}.\n"
      "--equinox, --node, --houses and --orbs are those of match. --svg FILE writes the chart's wheel,\n"
      "as the desktop's Relationship tab draws it; the file is replaced only once complete, and one\n"
      "that cannot be written gives exit status 3 and no output.");
  return [options, io] { return RunRelationship(*options, io); };
}

}  // namespace

CommandAction DefineComposite(CLI::App& command, Streams io) {
  return DefineRelationship(command, io, RelationshipKind::Composite);
}

CommandAction DefineDavison(CLI::App& command, Streams io) {
  return DefineRelationship(command, io, RelationshipKind::Davison);
}

}  // namespace zentara::cli
