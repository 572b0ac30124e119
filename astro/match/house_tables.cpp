#include "astro/match/house_tables.h"

#include "common/translatable.h"

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
  HouseTable table{std::move(title), {}, std::move(columns), {}};
  const auto house = [](int number) { return number > 0 ? std::to_string(number) : std::string(); };
  for (std::size_t point = 0; point < AspectPointCount; ++point) {
    const ChartSlot slot = AspectPoints[point];
    table.Rows.push_back({std::string(SlotWords[slot]), chart[slot], house(inOther[point]), house(inOwn[point])});
  }
  return table;
}

}  // namespace

std::string HouseTableTitle(const HouseTable& table) {
  const std::size_t at = table.Title.find("%1");
  return at == std::string::npos ? table.Title : table.Title.substr(0, at) + table.TitleArg + table.Title.substr(at + 2);
}

CoupleHouseTables MakeCoupleHouseTables(const CoupleHouses& houses, const ChartPositions& male,
                                        const ChartPositions& female, std::string_view hisName,
                                        std::string_view herName) {
  CoupleHouseTables tables;
  AddNotes(tables.Notes, "Male", houses.Male);
  AddNotes(tables.Notes, "Female", houses.Female);
  tables.Cusps = {QT_TRANSLATE_NOOP("HouseTables", "Cusps: %1"),
                  std::string(HouseSystemTitle(houses.System)),
                  {QT_TRANSLATE_NOOP("HouseTables", "House"), QT_TRANSLATE_NOOP("HouseTables", "Male"),
                   QT_TRANSLATE_NOOP("HouseTables", "Female")},
                  {}};
  const std::array<std::string, 12> maleCusps = CuspTexts(houses.Male), femaleCusps = CuspTexts(houses.Female);
  for (std::size_t cusp = 0; cusp < 12; ++cusp) {
    tables.Cusps.Rows.push_back({std::to_string(cusp + 1), maleCusps[cusp], femaleCusps[cusp]});
  }
  tables.HisInHers = OverlayTable(QT_TRANSLATE_NOOP("HouseTables", "His points in her houses"),
                                  {QT_TRANSLATE_NOOP("HouseTables", "His point"), QT_TRANSLATE_NOOP("HouseTables", "Position"),
                                   QT_TRANSLATE_NOOP("HouseTables", "Her house"), QT_TRANSLATE_NOOP("HouseTables", "His house")},
                                  male, houses.MaleInFemale, houses.MaleInOwn);
  tables.HersInHis = OverlayTable(QT_TRANSLATE_NOOP("HouseTables", "Her points in his houses"),
                                  {QT_TRANSLATE_NOOP("HouseTables", "Her point"), QT_TRANSLATE_NOOP("HouseTables", "Position"),
                                   QT_TRANSLATE_NOOP("HouseTables", "His house"), QT_TRANSLATE_NOOP("HouseTables", "Her house")},
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
