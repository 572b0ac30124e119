#include "astro/engine/houses/chart_houses.h"

#include <cmath>

#include "astro/engine/planets/zodiac_text.h"

namespace zentara {

namespace {

double Normalized(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

// The shorter way round from a to b, degrees.
double Apart(double a, double b) {
  const double d = std::fabs(Normalized(a) - Normalized(b));
  return d > 180 ? 360 - d : d;
}

// Cut to the minute as positions are (the slack keeps a birth's whole minute,
// degrees plus minutes over 60, from falling a hair below itself).
std::string LatitudeText(double latitude) {
  constexpr double MinuteSlack = 1e-7;  // arc-minutes
  const long minutes = static_cast<long>(std::floor(std::fabs(latitude) * 60 + MinuteSlack));
  std::string text = std::to_string(minutes / 60) + "\u00B0";
  if (minutes % 60 != 0) text += (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60) + "'";
  return text + (latitude < 0 ? " S" : " N");
}

}  // namespace

ChartHouses CastChartHouses(const ChartHouseBasis& basis, HouseSystem system) {
  ChartHouses houses;
  houses.Asked = system;
  houses.Latitude = basis.Sky.latitude;
  EclipticAngles angles{Normalized(basis.Shown.ascendant), Normalized(basis.Shown.midheaven)};
  // The shown ascendant and the eastern rising point agree to a hair inside
  // the polar circles; beyond them they may be the two ends of the horizon.
  // (Within a degree of the circles' edge the rising point is found anyway.)
  constexpr double EdgeMargin = 1;  // degrees
  const bool polar = std::fabs(basis.Sky.latitude) >= 90 - basis.Sky.obliquity - EdgeMargin;
  if (polar && Apart(angles.ascendant, AnglesOfSky(basis.Sky).ascendant) > 90) {
    angles.ascendant = Normalized(angles.ascendant + 180);
    houses.CuspOneOppositeShownAscendant = true;
  }
  const HouseCusps cast = CastHouseCusps(system, basis.Sky, angles);
  houses.Used = cast.used;
  houses.Cusps = cast.cusps;
  return houses;
}

std::string HouseFallbackStatement(const ChartHouses& houses) {
  if (!houses.FellBack()) return {};
  return std::string(HouseSystemTitle(houses.Asked)) + " has no cusps at " + LatitudeText(houses.Latitude) + "; " +
         std::string(HouseSystemTitle(houses.Used)) + " used";
}

std::array<std::string, 12> CuspTexts(const ChartHouses& houses) {
  std::array<std::string, 12> texts;
  for (std::size_t c = 0; c < texts.size(); ++c) {
    texts[c] = modPlanetPosition_Western::SlotTextOfLongitude(houses.Cusps[c]);
  }
  return texts;
}

std::vector<std::string> HouseStatements(const ChartHouses& houses) {
  std::vector<std::string> statements;
  if (houses.FellBack()) statements.push_back(HouseFallbackStatement(houses));
  if (houses.CuspOneOppositeShownAscendant) statements.emplace_back(CuspOneOppositeStatement);
  return statements;
}

}  // namespace zentara
