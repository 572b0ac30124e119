// zentara-cli zones: the time-zone list of the astro entry form, one row a
// line: row number, display text, hours and minutes, separated by tabs; with
// --json one array of {"row", "name", "hours", "minutes"} objects.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "astro/match/zone_list.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"

namespace zentara::cli {

CommandAction DefineZones(CLI::App& command, Streams io) {
  auto json = std::make_shared<bool>(false);
  command.add_flag("--json", *json, "one JSON array instead of text");
  return [json, io] {
    const TimeZoneTable& zones = LoadTimeZoneTable();
    Json rows = Json::array();
    for (std::size_t row = 0; row < TimeZoneRowCount; ++row) {
      if (*json) {
        rows.push_back({{"row", row}, {"name", std::string(zones.TimeZoneNames[row])},
                        {"hours", zones.TimeZoneHours[row]}, {"minutes", zones.TimeZoneMinutes[row]}});
      } else {
        io.out << row << "\t" << zones.TimeZoneNames[row] << "\t" << zones.TimeZoneHours[row] << "\t"
               << zones.TimeZoneMinutes[row] << "\n";
      }
    }
    if (*json) io.out << JsonText(rows) << "\n";
    return ExitSuccess;
  };
}

}  // namespace zentara::cli
