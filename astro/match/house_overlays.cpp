#include "astro/match/house_overlays.h"

#include <optional>
#include <string>

#include "astro/engine/planets/zodiac_text.h"

namespace zentara {

namespace {

constexpr int MinutesInCircle = 360 * 60;

using CuspMinutes = std::array<int, 12>;

CuspMinutes CutCusps(const ChartHouses& houses) {
  CuspMinutes cusps{};
  for (std::size_t c = 0; c < cusps.size(); ++c) cusps[c] = modPlanetPosition_Western::CutArcMinutes(houses.Cusps[c]);
  return cusps;
}

// From `from` forward to `to` in the order of the zodiac, arc-minutes; both
// are whole minutes of the circle, 0 to 21599 (a cut longitude's).
int Forward(int from, int to) {
  const int apart = to - from;
  return apart < 0 ? apart + MinutesInCircle : apart;
}

int HouseAmongCusps(int minutes, const CuspMinutes& cusps) {
  std::size_t house = 0;
  int nearest = MinutesInCircle;
  for (std::size_t c = 0; c < cusps.size(); ++c) {
    const int behind = Forward(cusps[c], minutes);
    // Two cusps on one minute leave an empty house between them: of the two,
    // the one that begins a house with room in it wins.
    const bool wider = behind == nearest && Forward(cusps[c], cusps[(c + 1) % 12]) >
                                                Forward(cusps[house], cusps[(house + 1) % 12]);
    if (behind < nearest || wider) {
      nearest = behind;
      house = c;
    }
  }
  return static_cast<int>(house) + 1;
}

// A slot text's whole arc-minutes from 0 Aries; nothing for an unreadable text.
std::optional<int> TextMinutes(const std::string& text) {
  const auto position = ReadSlotText(text);
  if (!position) return std::nullopt;
  return (position->Sign * 30 + position->Degrees) * 60 + position->Minutes;
}

}  // namespace

int HouseOfMinutes(int minutes, const ChartHouses& houses) { return HouseAmongCusps(minutes, CutCusps(houses)); }

PointHouses HousesOfPoints(const ChartPositions& chart, const ChartHouses& houses) {
  const CuspMinutes cusps = CutCusps(houses);
  PointHouses found{};
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) {
    if (const auto minutes = TextMinutes(chart[AspectPoints[p]])) found[p] = HouseAmongCusps(*minutes, cusps);
  }
  return found;
}

PointHouses HousesOfPoints(const SlotLongitudes& longitudes, const ChartPositions& chart, const ChartHouses& houses) {
  const CuspMinutes cusps = CutCusps(houses);
  PointHouses found{};
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) {
    const ChartSlot slot = AspectPoints[p];
    const double longitude = longitudes[slot];
    const auto minutes = longitude >= 0 && longitude < 360
                             ? std::optional<int>(modPlanetPosition_Western::CutArcMinutes(longitude))
                             : TextMinutes(chart[slot]);
    if (minutes) found[p] = HouseAmongCusps(*minutes, cusps);
  }
  return found;
}

CoupleHouses CastCoupleHouses(const AstroMatchResult& match, HouseSystem system) {
  CoupleHouses couple;
  couple.System = system;
  couple.Male = CastChartHouses(match.MaleHouseBasis, system);
  couple.Female = CastChartHouses(match.FemaleHouseBasis, system);
  couple.MaleInFemale = HousesOfPoints(match.MaleLongitudes, match.Male, couple.Female);
  couple.FemaleInMale = HousesOfPoints(match.FemaleLongitudes, match.Female, couple.Male);
  couple.MaleInOwn = HousesOfPoints(match.MaleLongitudes, match.Male, couple.Male);
  couple.FemaleInOwn = HousesOfPoints(match.FemaleLongitudes, match.Female, couple.Female);
  return couple;
}

}  // namespace zentara
