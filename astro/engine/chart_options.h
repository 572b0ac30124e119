// The choices a chart is computed with, beyond the birth: the equinox of the
// positions and the lunar node shown, and how the report, the wheel and the
// files state them.
#pragma once
#include <string>

#include "astro/engine/equinox.h"
#include "astro/engine/lunar_node.h"

namespace zentara {

struct ChartOptions {
  Equinox PositionsEquinox = Equinox::J2000;
  LunarNode Node = LunarNode::Mean;
  bool operator==(const ChartOptions&) const = default;
};

// What the positions shown are, in two halves for two lines, and whole:
//   "Sun to Pluto on the" / "equinox of J2000";
//   "Positions of date, true to the sky;" / "scores use these positions";
// with the true node, "true node" joins the second half ("equinox of J2000;
// true node", "true node; scores use these positions").
struct PositionsStatementLines {
  std::string First, Second;
};
PositionsStatementLines PositionsStatementHalves(const ChartOptions& options);
std::string PositionsStatement(const ChartOptions& options);

}  // namespace zentara
