#include "astro/engine/chart_options.h"

#include "common/translatable.h"

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
  // Whole, each as the desktop translates it (context "Positions"); the
  // halves above joined by a space.
  const bool trueNode = options.Node == LunarNode::True;
  if (options.PositionsEquinox == Equinox::J2000) {
    return trueNode ? QT_TRANSLATE_NOOP("Positions", "Sun to Pluto on the equinox of J2000; true node")
                    : QT_TRANSLATE_NOOP("Positions", "Sun to Pluto on the equinox of J2000");
  }
  return trueNode ? QT_TRANSLATE_NOOP("Positions", "Positions of date, true to the sky; true node; scores use these positions")
                  : QT_TRANSLATE_NOOP("Positions", "Positions of date, true to the sky; scores use these positions");
}

}  // namespace zentara
