#include "astro/engine/chart_options.h"

namespace zentara {

PositionsStatementLines PositionsStatementHalves(const ChartOptions& options) {
  const bool trueNode = options.Node == LunarNode::True;
  if (options.PositionsEquinox == Equinox::J2000) {
    return {"Sun to Pluto on the", trueNode ? "equinox of J2000; true node" : "equinox of J2000"};
  }
  return {"Positions of date, true to the sky;",
          trueNode ? "true node; scores use these positions" : "scores use these positions"};
}

std::string PositionsStatement(const ChartOptions& options) {
  const PositionsStatementLines halves = PositionsStatementHalves(options);
  return halves.First + " " + halves.Second;
}

}  // namespace zentara
