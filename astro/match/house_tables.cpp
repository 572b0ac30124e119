#include "astro/match/house_tables.h"

#include "astro/match/reading_texts.h"
#include "astro/match/synastry_texts.h"

namespace zentara {
namespace {

// What a partner's houses say besides their cusps, each note led by whose.
void AddNotes(std::vector<std::string>& notes, const char* partner, const ChartHouses& houses) {
  for (const std::string& statement : HouseStatements(houses)) notes.push_back(std::string(partner) + ": " + statement);
}

// One partner's points: the point, its position, its house in the other
// partner's chart and in its own. A house of 0 (an unreadable position) shows blank.
HouseTable OverlayTable(std::string title, std::vector<std::string> columns, const ChartPositions& chart,
                        const PointHouses& inOther, const PointHouses& inOwn) {
  HouseTable table{std::move(title), std::move(columns), {}};
  const auto house = [](int number) { return number > 0 ? std::to_string(number) : std::string(); };
  for (std::size_t point = 0; point < AspectPointCount; ++point) {
    const ChartSlot slot = AspectPoints[point];
    table.Rows.push_back({std::string(SlotWords[slot]), chart[slot], house(inOther[point]), house(inOwn[point])});
  }
  return table;
}

}  // namespace

CoupleHouseTables MakeCoupleHouseTables(const CoupleHouses& houses, const ChartPositions& male,
                                        const ChartPositions& female, std::string_view hisName,
                                        std::string_view herName) {
  CoupleHouseTables tables;
  AddNotes(tables.Notes, "Male", houses.Male);
  AddNotes(tables.Notes, "Female", houses.Female);
  tables.Cusps = {"Cusps: " + std::string(HouseSystemTitle(houses.System)), {"House", "Male", "Female"}, {}};
  const std::array<std::string, 12> maleCusps = CuspTexts(houses.Male), femaleCusps = CuspTexts(houses.Female);
  for (std::size_t cusp = 0; cusp < 12; ++cusp) {
    tables.Cusps.Rows.push_back({std::to_string(cusp + 1), maleCusps[cusp], femaleCusps[cusp]});
  }
  tables.HisInHers = OverlayTable("His points in her houses", {"His point", "Position", "Her house", "His house"},
                                  male, houses.MaleInFemale, houses.MaleInOwn);
  tables.HersInHis = OverlayTable("Her points in his houses", {"Her point", "Position", "His house", "Her house"},
                                  female, houses.FemaleInMale, houses.FemaleInOwn);
  for (std::size_t point = 0; point < OverlayPointCount; ++point) {
    const ChartSlot slot = AspectPoints[point];
    if (houses.MaleInFemale[point] > 0) {
      tables.HisInHersTexts.push_back(OverlayText(slot, houses.MaleInFemale[point], hisName, herName));
    }
    if (houses.FemaleInMale[point] > 0) {
      tables.HersInHisTexts.push_back(OverlayText(slot, houses.FemaleInMale[point], herName, hisName));
    }
  }
  return tables;
}

}  // namespace zentara
