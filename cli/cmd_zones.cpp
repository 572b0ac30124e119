// zentara-cli zones: the time-zone list of the astro entry form, one row a
// line: row number, display text, hours and minutes, separated by tabs.
#include <iostream>

#include "astro/match/time_zones.h"
#include "cli/arguments.h"
#include "cli/commands.h"

namespace zentara::cli {

int RunZones(const CommandArguments& args) {
  const Arguments parsed(args, {}, {});  // takes no options: anything given is a usage error
  const TimeZoneTable zones = LoadTimeZoneTable();
  for (std::size_t row = 0; row < TimeZoneRowCount; ++row) {
    std::cout << row << "\t" << zones.TimeZoneNames[row] << "\t" << zones.TimeZoneHours[row] << "\t"
              << zones.TimeZoneMinutes[row] << "\n";
  }
  return ExitSuccess;
}

}  // namespace zentara::cli
