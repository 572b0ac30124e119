#include "cli/house_output.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/synastry_texts.h"

namespace zentara::cli {

namespace {

Json CuspsJson(const ChartHouses& houses) {
  Json cusps = Json::array();
  for (const std::string& text : CuspTexts(houses)) cusps.push_back(text);
  return cusps;
}

Json PointHousesJson(const PointHouses& houses) {
  Json points = Json::object();
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) points[std::string(SlotKeys[AspectPoints[p]])] = houses[p];
  return points;
}

// Adds what a partner's houses say, under names that start with `prefix`.
void AddStatements(Json& json, const ChartHouses& houses, const std::string& prefix) {
  if (houses.FellBack()) {
    json[prefix + "used"] = HouseSystemName(houses.Used);
    json[prefix + "fallback"] = HouseFallbackStatement(houses);
  }
  if (houses.CuspOneOppositeShownAscendant) json[prefix + "cusp_1_opposite_ascendant"] = true;
}

}  // namespace

Json ChartHousesJson(const ChartHouses& houses) {
  Json json = {{"house_system", HouseSystemName(houses.Asked)}, {"cusps", CuspsJson(houses)}};
  AddStatements(json, houses, "");
  return json;
}

void WriteChartHouses(std::ostream& out, const ChartHouses& houses) {
  out << "Houses: " << HouseSystemTitle(houses.Asked) << "\n";
  for (const std::string& note : HouseStatements(houses)) out << "Note: " << note << "\n";
  const auto texts = CuspTexts(houses);
  for (std::size_t c = 0; c < texts.size(); ++c) out << "Cusp " << c + 1 << ": " << texts[c] << "\n";
}

Json CoupleHousesJson(const CoupleHouses& houses) {
  Json json = {{"house_system", HouseSystemName(houses.System)},
               {"male", CuspsJson(houses.Male)},
               {"female", CuspsJson(houses.Female)}};
  AddStatements(json, houses.Male, "male_");
  AddStatements(json, houses.Female, "female_");
  return json;
}

Json OverlaysJson(const CoupleHouses& houses) {
  return {{"male_in_female_houses", PointHousesJson(houses.MaleInFemale)},
          {"female_in_male_houses", PointHousesJson(houses.FemaleInMale)},
          {"male_in_own_houses", PointHousesJson(houses.MaleInOwn)},
          {"female_in_own_houses", PointHousesJson(houses.FemaleInOwn)}};
}

void WriteCoupleHouses(std::ostream& out, const CoupleHouses& houses) {
  out << "Houses: " << HouseSystemTitle(houses.System) << "\n";
  for (const std::string& note : HouseStatements(houses.Male)) out << "Male: " << note << "\n";
  for (const std::string& note : HouseStatements(houses.Female)) out << "Female: " << note << "\n";
  out << "Male cusps: " << CuspListText(houses.Male) << "\n"
      << "Female cusps: " << CuspListText(houses.Female) << "\n"
      << "His points in her houses: " << OverlayListText(houses.MaleInFemale) << "\n"
      << "Her points in his houses: " << OverlayListText(houses.FemaleInMale) << "\n";
}

char* WriteCuspList(char* out, const ChartHouses& houses) {
  for (std::size_t c = 0; c < houses.Cusps.size(); ++c) {
    if (c > 0) out = std::copy_n("; ", 2, out);
    out = modPlanetPosition_Western::WriteSlotTextOfLongitude(out, houses.Cusps[c]);
  }
  return out;
}

char* WriteOverlayList(char* out, const PointHouses& houses) {
  for (std::size_t p = 0; p < AspectPoints.size(); ++p) {
    if (p > 0) out = std::copy_n("; ", 2, out);
    const std::string_view name = SlotKeys[AspectPoints[p]];
    out = std::copy(name.begin(), name.end(), out);
    *out++ = ' ';
    out = std::to_chars(out, out + 2, houses[p]).ptr;
  }
  return out;
}

std::string CuspListText(const ChartHouses& houses) {
  std::string text(MostCuspListBytes, ' ');
  text.resize(static_cast<std::size_t>(WriteCuspList(text.data(), houses) - text.data()));
  return text;
}

std::string OverlayListText(const PointHouses& houses) {
  std::string text(MostOverlayListBytes, ' ');
  text.resize(static_cast<std::size_t>(WriteOverlayList(text.data(), houses) - text.data()));
  return text;
}

}  // namespace zentara::cli
