// The aspects between a couple's charts as zentara-cli match writes them.
#pragma once
#include <iosfwd>
#include <vector>

#include "astro/match/synastry.h"
#include "cli/json_text.h"

namespace zentara::cli {

// [{"male":"venus","female":"mars","kind":"trine","angle":120,"separation":"1°12'","orb":6}, ...],
// closest first, with the point names of match --batch's columns.
Json AspectsJson(const std::vector<Aspect>& aspects);

// "Aspects:" and one sentence a line, closest first: "Venus trine Mars, 1°12' from exact".
void WriteAspects(std::ostream& out, const std::vector<Aspect>& aspects);

}  // namespace zentara::cli
