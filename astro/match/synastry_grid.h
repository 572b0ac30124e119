// The aspects between two charts as the report frame's grid shows them: male
// points down, female points across, in AspectPoints order.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/match/synastry.h"

namespace zentara {

// Cells[row][column] is the aspect of male point AspectPoints[row] and female
// point AspectPoints[column], if they make one.
struct AspectGrid {
  std::array<std::array<std::optional<Aspect>, AspectPointCount>, AspectPointCount> Cells;
};

AspectGrid ArrangeAspectGrid(const std::vector<Aspect>& aspects);

// The grid drawn in a square: a header row (her points) over a header column
// (his points) and the cells, all of one size, AspectGridSquares a side.
inline constexpr std::size_t AspectGridSquares = AspectPointCount + 1;

struct AspectGridPlace {
  std::size_t Row, Column;  // of AspectGrid::Cells
  friend bool operator==(const AspectGridPlace&, const AspectGridPlace&) = default;
};

// The square under the point (x, y), measured from the top left corner of a
// grid `side` wide, counting the header row and column as row and column 0;
// nothing outside the grid.
std::optional<AspectGridPlace> AspectGridSquareAt(double side, double x, double y);

// The same as a place of AspectGrid::Cells; nothing on the headers too.
std::optional<AspectGridPlace> AspectGridCellAt(double side, double x, double y);

// The tightest `count` aspects (fewer when there are fewer) in words, closest
// first: "Venus trine Mars, 1°12' from exact".
inline constexpr std::size_t TightestAspectCount = 5;
std::vector<std::string> TightestAspectSentences(const std::vector<Aspect>& aspects,
                                                 std::size_t count = TightestAspectCount);

}  // namespace zentara
