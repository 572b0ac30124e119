#include "astro/match/chart_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "astro/engine/planets/zodiac_text.h"

namespace zentara {
namespace {

constexpr double FullCircle = 360.0;
// Rounding slack when the spread angles are checked against the separation.
constexpr double AngleSlack = 1e-9;  // degrees

double Normalized(double angle) {
  const double reduced = std::fmod(angle, FullCircle);
  return reduced < 0 ? reduced + FullCircle : reduced;
}

// Angles sorted around the circle and unwrapped to increase from the point
// after the widest gap, so the cut of the circle falls where there is most room.
std::vector<std::size_t> OrderAfterWidestGap(const std::vector<double>& angles) {
  std::vector<std::size_t> order(angles.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
  std::size_t widest = 0;
  double widestGap = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const double next = i + 1 < order.size() ? angles[order[i + 1]] : angles[order[0]] + FullCircle;
    if (next - angles[order[i]] > widestGap) widestGap = next - angles[order[i]], widest = i;
  }
  std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>((widest + 1) % order.size()), order.end());
  return order;
}

}  // namespace

double ScreenAngle(double longitude, double ascendant) { return Normalized(180.0 + longitude - ascendant); }

std::vector<double> SpreadAngles(const std::vector<double>& angles, double separation) {
  const std::size_t count = angles.size();
  std::vector<double> spread(count);
  if (count == 0) return spread;
  std::vector<double> normalized(count);
  std::transform(angles.begin(), angles.end(), normalized.begin(), Normalized);
  if (count == 1) return normalized;
  const double gap = std::min(separation, FullCircle / static_cast<double>(count));

  // Unwrapped targets u[j], increasing. With q[j] = u[j] - j * gap the
  // separations become "q does not decrease", whose least-squares fit pools
  // adjacent blocks that violate it into their mean.
  const std::vector<std::size_t> order = OrderAfterWidestGap(normalized);
  std::vector<double> unwrapped(count);
  for (std::size_t j = 0; j < count; ++j) {
    unwrapped[j] = normalized[order[j]];
    if (j > 0 && unwrapped[j] < unwrapped[j - 1]) unwrapped[j] += FullCircle;
  }
  struct Block {
    double sum;
    std::size_t size;
    double mean() const { return sum / static_cast<double>(size); }
  };
  std::vector<Block> blocks;
  for (std::size_t j = 0; j < count; ++j) {
    blocks.push_back({unwrapped[j] - static_cast<double>(j) * gap, 1});
    while (blocks.size() > 1 && blocks[blocks.size() - 2].mean() > blocks.back().mean()) {
      blocks[blocks.size() - 2].sum += blocks.back().sum;
      blocks[blocks.size() - 2].size += blocks.back().size;
      blocks.pop_back();
    }
  }
  std::vector<double> placed(count);
  std::size_t j = 0;
  for (const Block& block : blocks) {
    for (std::size_t k = 0; k < block.size; ++k, ++j) placed[j] = block.mean() + static_cast<double>(j) * gap;
  }

  // The first and last must keep the separation across the cut too; where they
  // cannot, the whole circle is one block: evenly spaced, least moved.
  if (placed.back() - placed.front() > FullCircle - gap + AngleSlack) {
    const double even = FullCircle / static_cast<double>(count);
    double offset = 0;
    for (std::size_t i = 0; i < count; ++i) offset += unwrapped[i] - static_cast<double>(i) * even;
    offset /= static_cast<double>(count);
    for (std::size_t i = 0; i < count; ++i) placed[i] = offset + static_cast<double>(i) * even;
  }
  for (std::size_t i = 0; i < count; ++i) spread[order[i]] = Normalized(placed[i]);
  return spread;
}

namespace {

// Widths and heights of the texts in em of DejaVu Sans, a little generous:
// its digits advance 0.636 em, its capitals stand 0.73 em high.
constexpr double DigitWidth = 0.64, DegreeSignWidth = 0.5, PrimeWidth = 0.28;
constexpr double GlyphWidth = 0.9, AscWidth = 1.8, MCWidth = 1.6;
constexpr double TextHeight = 0.8;
// Room between a tick and its symbol, and between the stacked texts.
constexpr double TextGap = 0.005;  // share of the wheel's radius

// Half the extent, along the radius at `angle`, of a box `width` by `height`.
double HalfExtent(double width, double height, double angle) {
  const double radians = angle * std::numbers::pi / 180.0;
  return (width * std::abs(std::cos(radians)) + height * std::abs(std::sin(radians))) / 2;
}

// Whether the first of two texts stacked along the radius at `angle`, their
// centres `distance` apart, is the outer one: the upper where they stand on
// different lines (their heights do not overlap), else the left one.
bool OuterReadFirst(double angle, double distance, double height) {
  const double radians = angle * std::numbers::pi / 180.0;
  if (distance * std::abs(std::sin(radians)) >= height) return std::sin(radians) > 0;
  return std::cos(radians) < 0;
}

// The symbol inside the tick, the degrees and minutes further in, each as
// close to the one before as the boxes allow at the symbol's angle, the one
// read first outside. Every symbol gets the room of the widest, so
// neighbours' texts stand in the same rows and the separation keeps them apart.
void StackTexts(WheelPoint& point, const WheelRing& ring) {
  const double angle = point.SymbolAngle;
  const double symbol = std::max({HalfExtent(GlyphWidth * PlanetSymbolSize, TextHeight * PlanetSymbolSize, angle),
                                  HalfExtent(AscWidth * AngleSymbolSize, TextHeight * AngleSymbolSize, angle),
                                  HalfExtent(MCWidth * AngleSymbolSize, TextHeight * AngleSymbolSize, angle)});
  const double degrees = HalfExtent((2 * DigitWidth + DegreeSignWidth) * NumberSize, TextHeight * NumberSize, angle);
  const double minutes = HalfExtent((2 * DigitWidth + PrimeWidth) * NumberSize, TextHeight * NumberSize, angle);
  point.LeaderEnd = ring.TickEnd - TextGap;
  point.SymbolRadius = point.LeaderEnd - symbol;
  const bool degreesOutside = OuterReadFirst(angle, degrees + TextGap + minutes, TextHeight * NumberSize);
  const double outer = degreesOutside ? degrees : minutes, inner = degreesOutside ? minutes : degrees;
  const double outerRadius = point.SymbolRadius - symbol - TextGap - outer;
  const double innerRadius = outerRadius - outer - TextGap - inner;
  point.DegreesRadius = degreesOutside ? outerRadius : innerRadius;
  point.MinutesRadius = degreesOutside ? innerRadius : outerRadius;
  point.InnerEdge = innerRadius - inner;
}

std::vector<WheelPoint> RingPoints(const ChartPositions& chart, double ascendant, const WheelRing& ring) {
  std::vector<WheelPoint> points;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    if (const auto position = ReadSlotText(chart[slot])) {
      WheelPoint point;
      point.Slot = slot;
      point.Position = *position;
      point.TickAngle = ScreenAngle(position->Longitude, ascendant);
      points.push_back(point);
    }
  }
  std::vector<double> longitudes;
  for (const WheelPoint& point : points) longitudes.push_back(point.Position.Longitude);
  const std::vector<double> spread = SpreadAngles(longitudes, ring.Separation);
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i].SymbolAngle = ScreenAngle(spread[i], ascendant);
    StackTexts(points[i], ring);
  }
  return points;
}

}  // namespace

ChartWheel LayoutChartWheel(const ChartPositions& male, const ChartPositions& female, const WheelOptions& options) {
  ChartWheel wheel;
  if (const auto ascendant = ReadSlotText(male[AscendantSlot])) wheel.Ascendant = ascendant->Longitude;
  wheel.Male = RingPoints(male, wheel.Ascendant, MaleRing);
  wheel.Female = RingPoints(female, wheel.Ascendant, FemaleRing);
  wheel.Aspects = FindAspects(male, female, options.Orbs);
  wheel.Positions = options.Positions;
  wheel.Houses = options.Houses;
  return wheel;
}

ChartWheel LayoutSingleChartWheel(const ChartPositions& chart, std::string title, const WheelOptions& options) {
  ChartWheel wheel;
  if (const auto ascendant = ReadSlotText(chart[AscendantSlot])) wheel.Ascendant = ascendant->Longitude;
  wheel.Male = RingPoints(chart, wheel.Ascendant, SingleRing);
  wheel.Aspects = FindAspectsWithin(chart, options.Orbs);
  wheel.Positions = options.Positions;
  wheel.Houses = options.Houses;
  wheel.Title = std::move(title);
  return wheel;
}

WheelHouses WheelHousesOf(const ChartHouses& houses, Partner partner) {
  return {.Of = partner, .System = houses.Used, .Cusps = houses.Cusps};
}

const WheelPoint* FindWheelPoint(const std::vector<WheelPoint>& ring, std::size_t slot) {
  const auto found = std::find_if(ring.begin(), ring.end(), [slot](const WheelPoint& point) { return point.Slot == slot; });
  return found == ring.end() ? nullptr : &*found;
}

}  // namespace zentara
