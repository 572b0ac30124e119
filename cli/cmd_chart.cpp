#include "cli/cmd_chart.h"

#include <iostream>
#include <string>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "cli/arguments.h"
#include "astro/match/astro_date_check.h"
#include "cli/birth_options.h"
#include "cli/json.h"

namespace zentara::cli {

namespace {

// The astro report's caption for each slot.
constexpr const char* SlotCaptions[FilledChartSlotCount] = {
    "Sun",    "Moon",   "Mercury", "Venus",  "Mars", "Jupiter", "Saturn",
    "Uranus", "Neptune", "Pluto",  "N Node", "S Node", "Asc",   "MC",
};

}  // namespace

int ChartCommand(const CommandArguments& args, std::ostream& out, std::ostream& err) {
  const Arguments parsed(args, {"--date", "--time", "--zone", "--lat", "--lon"}, {"--dst", "--json"});
  const BirthMoment birth = ReadBirthOptions(parsed);
  if (const auto message = CheckAstroBirthDate(birth, Partner::Male)) {
    err << *message << "\n";
    return ExitRefused;
  }

  namespace planets = modPlanetPosition_Western;
  const planets::ChartAngles angles = planets::CalculateAngles(birth);
  const std::string moon = modEphemeris_Western::CalculateMoonPosition(birth);
  const ChartPositions& chart = planets::CalculateChart(birth, angles, moon, true);

  if (parsed.flag("--json")) {
    out << "{\"universal_time\":" << JsonNumber(angles.BirthUniversalTime)
        << ",\"day_number\":" << JsonNumber(planets::ChartDayNumber(birth, angles.BirthUniversalTime))
        << ",\"positions\":[";
    for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
      out << (slot == 0 ? "" : ",") << "{\"slot\":" << slot << ",\"body\":" << JsonString(SlotCaptions[slot])
          << ",\"text\":" << JsonString(chart[slot]) << "}";
    }
    out << "]}\n";
    return ExitSuccess;
  }
  out << "Universal time: " << JsonNumber(angles.BirthUniversalTime) << "\n";
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    out << SlotCaptions[slot] << ": " << chart[slot] << "\n";
  }
  return ExitSuccess;
}

int RunChart(const CommandArguments& args) { return ChartCommand(args, std::cout, std::cerr); }

}  // namespace zentara::cli
