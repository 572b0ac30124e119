#include "astro/engine/houses/house_system.h"

namespace zentara {

namespace {

struct HouseSystemNames {
  HouseSystem system;
  std::string_view name, title;
};

constexpr std::array<HouseSystemNames, 7> Names = {{
    {HouseSystem::Placidus, "placidus", "Placidus"},
    {HouseSystem::Koch, "koch", "Koch"},
    {HouseSystem::Regiomontanus, "regiomontanus", "Regiomontanus"},
    {HouseSystem::Campanus, "campanus", "Campanus"},
    {HouseSystem::Porphyry, "porphyry", "Porphyry"},
    {HouseSystem::Equal, "equal", "Equal"},
    {HouseSystem::WholeSign, "whole-sign", "Whole Sign"},
}};

// The table is in the enumeration's order, so a system's row is its number.
constexpr bool InEnumerationOrder() {
  for (std::size_t i = 0; i < Names.size(); ++i) {
    if (Names[i].system != AllHouseSystems[i] || static_cast<std::size_t>(Names[i].system) != i) return false;
  }
  return true;
}
static_assert(InEnumerationOrder(), "the names must follow HouseSystem's order");

}  // namespace

std::string_view HouseSystemName(HouseSystem system) { return Names[static_cast<std::size_t>(system)].name; }

std::string_view HouseSystemTitle(HouseSystem system) { return Names[static_cast<std::size_t>(system)].title; }

std::optional<HouseSystem> ReadHouseSystemName(std::string_view name) {
  for (const HouseSystemNames& row : Names) {
    if (row.name == name) return row.system;
  }
  return std::nullopt;
}

bool IsQuadrantSystem(HouseSystem system) {
  return system != HouseSystem::Equal && system != HouseSystem::WholeSign;
}

}  // namespace zentara
