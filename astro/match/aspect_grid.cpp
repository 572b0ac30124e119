#include "astro/match/aspect_grid.h"

#include <algorithm>

#include "astro/match/aspect_texts.h"

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

std::vector<std::string> TightestAspectSentences(const std::vector<Aspect>& aspects, std::size_t count) {
  std::vector<std::string> sentences;
  for (std::size_t i = 0; i < std::min(count, aspects.size()); ++i) sentences.push_back(AspectSentence(aspects[i]));
  return sentences;
}

}  // namespace zentara
