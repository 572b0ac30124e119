#include "astro/match/house_overlays.h"

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

// From `from` forward to `to` in the order of the zodiac, arc-minutes.
int Forward(int from, int to) { return ((to - from) % MinutesInCircle + MinutesInCircle) % MinutesInCircle; }

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

}  // namespace

int HouseOfMinutes(int minutes, const ChartHouses& houses) { return HouseAmongCusps(minutes, CutCusps(houses)); }

PointHouses HousesOfPoints(const ChartPositions& chart, const ChartHouses& houses) {
  const CuspMinutes cusps = CutCusps(houses);
  PointHouses found{};
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) {
    const auto position = ReadSlotText(chart[AspectPoints[p]]);
    if (!position) continue;
    found[p] = HouseAmongCusps((position->Sign * 30 + position->Degrees) * 60 + position->Minutes, cusps);
  }
  return found;
}

CoupleHouses CastCoupleHouses(const AstroMatchResult& match, HouseSystem system) {
  CoupleHouses couple;
  couple.System = system;
  couple.Male = CastChartHouses(match.MaleHouseBasis, system);
  couple.Female = CastChartHouses(match.FemaleHouseBasis, system);
  couple.MaleInFemale = HousesOfPoints(match.Male, couple.Female);
  couple.FemaleInMale = HousesOfPoints(match.Female, couple.Male);
  couple.MaleInOwn = HousesOfPoints(match.Male, couple.Male);
  couple.FemaleInOwn = HousesOfPoints(match.Female, couple.Female);
  return couple;
}

}  // namespace zentara
