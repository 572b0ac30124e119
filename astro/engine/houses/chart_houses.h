// One chart's houses as the program shows them: cast from the birth's sky and
// tied to the ascendant and midheaven the chart shows, with what to say when
// the system asked for could not be used.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/engine/houses/house_cusps.h"

namespace zentara {

// What a chart's houses are cast from: the sky of the birth (the same
// sidereal time, obliquity and latitude the chart's angles came from) and the
// two angles the chart shows.
struct ChartHouseBasis {
  HouseSky Sky;
  EclipticAngles Shown;
};

struct ChartHouses {
  HouseSystem Asked = HouseSystem::Placidus;
  HouseSystem Used = HouseSystem::Placidus;  // Porphyry where the asked system has no cusps
  double Latitude = 0;                       // of the birth, degrees, north positive
  // Degrees from 0 to under 360; Cusps[0] is cusp 1.
  std::array<double, 12> Cusps{};
  // Beyond the polar circles the positions of J2000 sometimes show as
  // ascendant the western point where the ecliptic meets the horizon; the
  // houses then start from the eastern one, 180 degrees from it.
  bool CuspOneOppositeShownAscendant = false;

  bool FellBack() const { return Used != Asked; }
};

// The houses of `system` for a chart. Cusp 1 is the shown ascendant (or its
// opposite, see above) in every system but Whole Sign, and in the quadrant
// systems cusp 10 is the shown midheaven, to the last bit, so that cusp and
// angle always print alike.
ChartHouses CastChartHouses(const ChartHouseBasis& basis, HouseSystem system);

// "Placidus has no cusps at 70° N; Porphyry used" (the latitude in whole
// degrees, and minutes when it has them: "69°30' S"), or the empty text when
// the system asked for was used.
std::string HouseFallbackStatement(const ChartHouses& houses);

// What the houses say when CuspOneOppositeShownAscendant is set.
inline constexpr std::string_view CuspOneOppositeStatement =
    "Cusp 1 is the eastern rising point, opposite the ascendant shown";

// What a chart's houses say besides their cusps, one a text: the fallback
// statement and the cusp-1 statement where they apply, none otherwise.
std::vector<std::string> HouseStatements(const ChartHouses& houses);

// Each cusp as a slot text ("05 Leo 07"), cut to the minute as the positions are.
std::array<std::string, 12> CuspTexts(const ChartHouses& houses);

}  // namespace zentara
