#include "cli/chart_output.h"

#include <ostream>

namespace zentara::cli {

const std::string_view SlotCaptions[FilledChartSlotCount] = {
    "Sun",    "Moon",   "Mercury", "Venus",  "Mars", "Jupiter", "Saturn",
    "Uranus", "Neptune", "Pluto",  "N Node", "S Node", "Asc",   "MC",
};

Json PositionsJson(const ChartPositions& chart) {
  Json positions = Json::array();
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    positions.push_back({{"slot", slot}, {"body", SlotCaptions[slot]}, {"text", chart[slot]}});
  }
  return positions;
}

void WritePositions(std::ostream& out, const ChartPositions& chart) {
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    out << SlotCaptions[slot] << ": " << chart[slot] << "\n";
  }
}

}  // namespace zentara::cli
