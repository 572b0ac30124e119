// One partner's fourteen slot texts as zentara-cli writes them, the same in
// chart and match: one "Caption: text" line each, or a JSON array.
#pragma once
#include <iosfwd>
#include <string_view>

#include "astro/engine/birth_moment.h"
#include "cli/json_text.h"

namespace zentara::cli {

// The astro report's caption of each slot: "Sun" ... "N Node", "S Node", "Asc", "MC".
extern const std::string_view SlotCaptions[FilledChartSlotCount];

// [{"slot":0,"body":"Sun","text":"22 Leo 15"}, ...] for slots 0 to 13.
Json PositionsJson(const ChartPositions& chart);

// "Sun: 22 Leo 15" ... "MC: 24 Vir 56", one a line.
void WritePositions(std::ostream& out, const ChartPositions& chart);

}  // namespace zentara::cli
