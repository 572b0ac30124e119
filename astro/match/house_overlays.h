// Both partners' houses and the overlays: in which house of the other
// partner's chart, and of their own, each of a partner's points falls.
//
// The points are the thirteen of the aspects (synastry.h): the Sun, the Moon,
// Mercury to Pluto, the north node, the ascendant and the midheaven. A point
// and a cusp are compared as the report shows them, to the whole arc-minute:
// a point on the same minute as a cusp is in the house that cusp begins, so
// anyone can check a house from the figures on screen.
#pragma once
#include <array>
#include <cstddef>

#include "astro/engine/houses/chart_houses.h"
#include "astro/match/astro_match.h"
#include "astro/match/synastry.h"

namespace zentara {

// The house (1 to 12) of each point, in the order of AspectPoints; 0 for a
// point whose text cannot be read (never one the engines wrote).
using PointHouses = std::array<int, AspectPointCount>;

// The house of a longitude given in whole arc-minutes (0 to 21599): the house
// whose cusp, cut to the minute, lies nearest behind it in the order of the
// zodiac. Where the cusps run in order that is the house between its cusp
// and the next.
int HouseOfMinutes(int minutes, const ChartHouses& houses);

// The house of each point of `chart` in `houses`.
PointHouses HousesOfPoints(const ChartPositions& chart, const ChartHouses& houses);
// The same from the longitudes `chart`'s texts were cut from (a match's):
// each cut to the minute as its text is, without reading the text back; a
// longitude outside 0 to 360 is read from its text.
PointHouses HousesOfPoints(const SlotLongitudes& longitudes, const ChartPositions& chart, const ChartHouses& houses);

struct CoupleHouses {
  HouseSystem System = HouseSystem::Placidus;
  ChartHouses Male, Female;
  PointHouses MaleInFemale{}, FemaleInMale{};  // a partner's points in the other's houses
  PointHouses MaleInOwn{}, FemaleInOwn{};      // and in their own
};

// Both partners' houses in `system` and the four overlays, for a match.
CoupleHouses CastCoupleHouses(const AstroMatchResult& match, HouseSystem system);

}  // namespace zentara
