#include "astro/match/house_overlays.h"

#include "astro/engine/planets/zodiac_text.h"

namespace zentara {

namespace {

constexpr int MinutesInCircle = 360 * 60;

}  // namespace

int HouseOfMinutes(int minutes, const ChartHouses& houses) {
  int house = 0, nearest = MinutesInCircle;
  for (std::size_t c = 0; c < houses.Cusps.size(); ++c) {
    const int cusp = modPlanetPosition_Western::CutArcMinutes(houses.Cusps[c]);
    const int behind = ((minutes - cusp) % MinutesInCircle + MinutesInCircle) % MinutesInCircle;
    // Two cusps on one minute leave the first house between them empty: the
    // later one wins the tie.
    if (behind <= nearest) {
      nearest = behind;
      house = static_cast<int>(c) + 1;
    }
  }
  return house;
}

PointHouses HousesOfPoints(const ChartPositions& chart, const ChartHouses& houses) {
  PointHouses found{};
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) {
    const auto position = ReadSlotText(chart[AspectPoints[p]]);
    if (!position) continue;
    found[p] = HouseOfMinutes((position->Sign * 30 + position->Degrees) * 60 + position->Minutes, houses);
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
