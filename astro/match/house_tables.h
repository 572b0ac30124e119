// Both partners' houses and the overlays as tables of text, the same on the
// report frame's Houses tab and on the Houses page of its PDF file: each
// partner's cusps side by side, then each partner's points with the house of
// the other partner's chart they fall in, and the house of their own.
#pragma once
#include <string>
#include <vector>

#include "astro/match/house_overlays.h"

namespace zentara {

struct HouseTable {
  std::string Title;     // marked for translation ("HouseTables"); "%1" stands for TitleArg
  std::string TitleArg;  // the house system's name, in the cusps' title
  std::vector<std::string> Columns;
  std::vector<std::vector<std::string>> Rows;  // as many texts a row as Columns
};

// The title in English, filled: "Cusps: Placidus".
std::string HouseTableTitle(const HouseTable& table);

struct CoupleHouseTables {
  // "Male: Placidus has no cusps at 70° N; Porphyry used" and the like, one a
  // line; none when both charts have the asked system from their ascendant.
  std::vector<std::string> Notes;
  HouseTable Cusps;      // "House", "Male", "Female": the twelve cusps
  HouseTable HisInHers;  // "His point", "Position", "Her house", "His house"
  HouseTable HersInHis;  // "Her point", "Position", "His house", "Her house"
  // What each of his planets and his north node means in her house, and hers
  // in his (reading_texts.h), one paragraph a point, with the names given.
  std::vector<std::string> HisInHersTexts, HersInHisTexts;
};

// The tables of `houses`, with each point's position as `male` and `female`
// show it (the charts the houses were cast for).
CoupleHouseTables MakeCoupleHouseTables(const CoupleHouses& houses, const ChartPositions& male,
                                        const ChartPositions& female, std::string_view hisName = "He",
                                        std::string_view herName = "She");

}  // namespace zentara
