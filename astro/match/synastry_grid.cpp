#include "astro/match/synastry_grid.h"

#include <algorithm>

#include "astro/match/synastry_texts.h"

namespace zentara {
namespace {

std::size_t GridIndex(ChartSlot slot) {
  return static_cast<std::size_t>(std::find(AspectPoints.begin(), AspectPoints.end(), slot) - AspectPoints.begin());
}

}  // namespace

AspectGrid ArrangeAspectGrid(const std::vector<Aspect>& aspects) {
  AspectGrid grid;
  for (const Aspect& aspect : aspects) {
    const std::size_t row = GridIndex(aspect.Male), column = GridIndex(aspect.Female);
    if (row < AspectPointCount && column < AspectPointCount) grid.Cells[row][column] = aspect;
  }
  return grid;
}

std::optional<AspectGridPlace> AspectGridSquareAt(double side, double x, double y) {
  if (!(side > 0) || !(x >= 0 && x < side) || !(y >= 0 && y < side)) return std::nullopt;
  const double square = side / static_cast<double>(AspectGridSquares);
  const auto column = static_cast<std::size_t>(x / square), row = static_cast<std::size_t>(y / square);
  if (row >= AspectGridSquares || column >= AspectGridSquares) return std::nullopt;  // a rounding at the far edge
  return AspectGridPlace{row, column};
}

std::optional<AspectGridPlace> AspectGridCellAt(double side, double x, double y) {
  const auto square = AspectGridSquareAt(side, x, y);
  if (!square || square->Row == 0 || square->Column == 0) return std::nullopt;
  return AspectGridPlace{square->Row - 1, square->Column - 1};
}

std::vector<std::string> TightestAspectSentences(const std::vector<Aspect>& aspects, std::size_t count) {
  std::vector<std::string> sentences;
  for (std::size_t i = 0; i < std::min(count, aspects.size()); ++i) sentences.push_back(AspectSentence(aspects[i]));
  return sentences;
}

}  // namespace zentara
