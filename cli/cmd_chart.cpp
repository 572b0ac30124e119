// zentara-cli chart: one partner's chart from the astro form's entries. After the
// form's date check it computes the male table as a match does and writes the
// universal time of birth, the fourteen slot texts, the equinox they are
// measured from (--equinox), when chosen or of date, the node (--node), and
// with --houses the twelve house cusps, as text or with --json as one JSON
// object.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "astro/engine/planets/chart_table.h"
#include "astro/match/astro_date_check.h"
#include "astro/match/astro_match.h"
#include "cli/birth_options.h"
#include "cli/chart_output.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/house_output.h"
#include "cli/json_text.h"
#include "cli/person_options.h"
#include "astro/match/birth_from_entries.h"
#include "cli/position_options.h"

namespace zentara::cli {

namespace {

struct ChartCommandOptions {
  BirthOptionTexts birth;
  PersonOptions person;
  std::string equinox, node, houses;
  CLI::Option* nodeOption = nullptr;
  CLI::Option* housesOption = nullptr;
  bool json = false;
};

// The birth of --person, as the astro form would hold that person's entries;
// nothing after saying why.
std::optional<BirthMoment> PersonBirth(const ChartCommandOptions& options, Streams io, int& status) {
  AstroEntries entries;
  if (const auto refused = PutPeople(options.person, entries, "zentara-cli chart", io)) {
    status = *refused;
    return std::nullopt;
  }
  status = ExitRefused;
  if (const auto failure = CheckAstroEntries({entries.Male, entries.Male})) {
    io.err << failure->Message << "\n";
    return std::nullopt;
  }
  return BirthMomentFromEntries(entries.Male, LoadTimeZoneTable());
}

int RunChart(const ChartCommandOptions& options, Streams io) {
  if (!PersonGiven(options.person, Partner::Male)) {
    const std::pair<const char*, const std::string*> required[] = {{"--date", &options.birth.date},
        {"--time", &options.birth.time}, {"--zone", &options.birth.zone}, {"--lat", &options.birth.latitude},
        {"--lon", &options.birth.longitude}};
    for (const auto& [name, text] : required) {
      if (text->empty()) {
        io.err << "zentara-cli chart: " << name << " is required\nTry 'zentara-cli chart --help'.\n";
        return ExitUsage;
      }
    }
  }
  int status = ExitSuccess;
  const auto personBirth = PersonGiven(options.person, Partner::Male) ? PersonBirth(options, io, status) : std::nullopt;
  if (status != ExitSuccess && !personBirth) return status;
  const BirthMoment birth = personBirth ? *personBirth : ToBirthMoment(options.birth);
  if (const auto message = CheckAstroBirthDate(birth, Partner::Male)) {
    io.err << *message << "\n";
    return ExitRefused;
  }

  const zentara::ChartOptions chosen{ToEquinox(options.equinox), ToNode(options.node)};
  PartnerChartDetails details;
  const ChartPositions& chart = CalculatePartnerChart(birth, true, &details, chosen);
  const double universalTime = details.UniversalTime;
  const bool saysNode = SaysNode(options.nodeOption, chosen.PositionsEquinox);
  std::optional<ChartHouses> houses;
  if (options.housesOption->count() > 0) houses = CastChartHouses(details.Houses, ToHouseSystem(options.houses));

  if (options.json) {
    Json result = {{"universal_time", universalTime},
                   {"day_number", modPlanetPosition_Western::ChartDayNumber(birth, universalTime)},
                   {"positions", PositionsJson(chart)},
                   {"equinox", EquinoxName(chosen.PositionsEquinox)}};
    if (saysNode) result["node"] = LunarNodeName(chosen.Node);
    if (houses) result["houses"] = ChartHousesJson(*houses);
    io.out << JsonText(result) << "\n";
    return ExitSuccess;
  }
  io.out << "Universal time: " << NumberText(universalTime) << "\n";
  WritePositions(io.out, chart);
  io.out << "Equinox: " << EquinoxName(chosen.PositionsEquinox) << "\n";
  if (saysNode) io.out << "Node: " << LunarNodeName(chosen.Node) << "\n";
  if (houses) WriteChartHouses(io.out, *houses);
  return ExitSuccess;
}

}  // namespace

CommandAction DefineChart(CLI::App& command, Streams io) {
  auto options = std::make_shared<ChartCommandOptions>();
  AddBirthOptions(command, options->birth);
  AddSinglePersonOption(command, options->person);
  AddEquinoxOption(command, options->equinox);
  options->nodeOption = AddNodeOption(command, options->node);
  options->housesOption = AddHousesOption(command, options->houses);
  command.add_flag("--json", options->json, "one JSON object instead of text");
  return [options, io] { return RunChart(*options, io); };
}

}  // namespace zentara::cli
