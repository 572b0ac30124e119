// Where everything of a couple's chart wheel stands: the zodiac ring, the male
// chart on the inner ring and the female chart on the outer one. The male
// ascendant stands on the left (9 o'clock) and longitudes run counter-clockwise,
// as chart wheels are usually drawn.
//
// Angles on the picture ("screen angles") are degrees counter-clockwise from
// 3 o'clock; radii are fractions of the wheel's outer radius.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_options.h"
#include "astro/engine/houses/chart_houses.h"
#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/synastry.h"
#include "common/partner.h"

namespace zentara {

// The screen angle of `longitude` when `ascendant` stands at 9 o'clock.
double ScreenAngle(double longitude, double ascendant);

// Moves angles (degrees, any order) as little as they must so that any two lie
// at least `separation` apart around the circle, keeping their order around it:
// the least-squares placement with one cut of the circle at its widest gap
// (pool-adjacent-violators). A circle too crowded even for that gets the
// angles evenly spaced. Results are in [0, 360), in the order given.
std::vector<double> SpreadAngles(const std::vector<double>& angles, double separation);

// A ring: its edges, the end of the tick marks that run inwards from the
// outer edge at the true positions, and the least angle between two symbols
// (degrees), one row a ring. Each point's symbol stands inside its tick, its
// degrees and minutes further in, as close as their sizes allow at its angle,
// in the order they are read (see WheelPoint).
struct WheelRing {
  double Outer, Inner;
  double TickEnd;
  double Separation;
};
inline constexpr WheelRing ZodiacRing{1.00, 0.87, 0.87, 30};
inline constexpr WheelRing FemaleRing{0.87, 0.585, 0.845, 9};
inline constexpr WheelRing MaleRing{0.585, 0.30, 0.56, 12.5};
// A chart of its own (the composite or Davison chart of a couple): one ring
// over both planet bands.
inline constexpr WheelRing SingleRing{0.87, 0.30, 0.845, 9};
// The radius of the sign symbols on the zodiac ring.
inline constexpr double SignSymbolRadius = 0.935;

// Text sizes (em) as shares of the wheel's radius.
inline constexpr double SignSymbolSize = 0.085;
inline constexpr double PlanetSymbolSize = 0.062;
inline constexpr double AngleSymbolSize = 0.036;  // "Asc", "MC"
inline constexpr double NumberSize = 0.046;       // "05°", "07'"

// The symbols of the fourteen slots (Sun to Pluto, the nodes, Asc and MC) and
// of the twelve signs, Aries first, as UTF-8.
inline constexpr std::array<std::string_view, FilledChartSlotCount> PointSymbols = {
    "\u2609", "\u263D", "\u263F", "\u2640", "\u2642", "\u2643", "\u2644",
    "\u2645", "\u2646", "\u2647", "\u260A", "\u260B", "Asc",    "MC",
};
inline constexpr std::array<std::string_view, 12> SignSymbols = {
    "\u2648", "\u2649", "\u264A", "\u264B", "\u264C", "\u264D",
    "\u264E", "\u264F", "\u2650", "\u2651", "\u2652", "\u2653",
};

struct WheelPoint {
  std::size_t Slot = 0;
  SlotPosition Position;
  double TickAngle = 0;    // screen angle of the true position
  double SymbolAngle = 0;  // screen angle of the symbol and its texts, spread
  // Radii of the centres of the symbol, the degrees ("05°") and the minutes
  // ("07'"). The degrees come first as text is read: above the minutes where
  // the two stand on different lines (so outside them on the top half of the
  // wheel, inside on the bottom half), else to their left (outside on the
  // left half, inside on the right).
  double SymbolRadius = 0, DegreesRadius = 0, MinutesRadius = 0;
  // The radius where the line from the tick to a moved symbol ends, and the
  // radius the minutes reach inwards: the point's texts stand between them.
  double LeaderEnd = 0, InnerEdge = 0;
};

// One partner's house cusps as the wheel draws them: a line across both
// planet rings at each cusp, with the house's number in the inner disc.
struct WheelHouses {
  Partner Of = Partner::Male;
  HouseSystem System = HouseSystem::Placidus;  // the system the cusps are of
  std::array<double, 12> Cusps{};             // degrees; Cusps[0] is cusp 1
};

// The houses of `houses` as the wheel draws them for `partner`.
WheelHouses WheelHousesOf(const ChartHouses& houses, Partner partner);

struct ChartWheel {
  // The male ascendant's longitude; 0 (Aries on the left) when its text is unreadable.
  double Ascendant = 0;
  // One point a readable slot text, in slot order; unreadable texts are left out.
  std::vector<WheelPoint> Male, Female;
  // The aspects between the two charts, closest first, drawn across the centre.
  std::vector<Aspect> Aspects;
  // What the positions are, as the wheel states it.
  ChartOptions Positions;
  // Whose cusps are drawn, if any.
  std::optional<WheelHouses> Houses;
  // Set for a wheel of one chart, which it names ("Composite"): its points
  // are in Male, on SingleRing, Female is empty, and its aspects are those
  // among its own points.
  std::string Title;
};

// What a wheel shows besides the two charts: the orbs of its aspects, what
// it states of the positions (their equinox and node) and, when given, one
// partner's house cusps.
struct WheelOptions {
  AspectOrbs Orbs = DefaultAspectOrbs;
  ChartOptions Positions;
  std::optional<WheelHouses> Houses;
};

// The wheel of both charts, read from the slot texts the report shows.
ChartWheel LayoutChartWheel(const ChartPositions& male, const ChartPositions& female,
                            const WheelOptions& options = {});

// The wheel of one chart, named `title`, with its ascendant on the left; the
// options' houses are drawn whoever's they say they are.
ChartWheel LayoutSingleChartWheel(const ChartPositions& chart, std::string title, const WheelOptions& options = {});

// The point of `slot` on a ring, if its text was readable.
const WheelPoint* FindWheelPoint(const std::vector<WheelPoint>& ring, std::size_t slot);

}  // namespace zentara
