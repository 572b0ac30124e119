// The aspects between two charts as the report frame's grid shows them: male
// points down, female points across, in AspectPoints order.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/match/aspects.h"

namespace zentara {

// Cells[row][column] is the aspect of male point AspectPoints[row] and female
// point AspectPoints[column], if they make one.
struct AspectGrid {
  std::array<std::array<std::optional<Aspect>, AspectPointCount>, AspectPointCount> Cells;
};

AspectGrid ArrangeAspectGrid(const std::vector<Aspect>& aspects);

// The tightest `count` aspects (fewer when there are fewer) in words, closest
// first: "Venus trine Mars, 1°12' from exact".
inline constexpr std::size_t TightestAspectCount = 5;
std::vector<std::string> TightestAspectSentences(const std::vector<Aspect>& aspects,
                                                 std::size_t count = TightestAspectCount);

}  // namespace zentara
