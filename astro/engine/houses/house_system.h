// The seven ways of dividing a chart into twelve houses the program offers,
// and the names the command line, JSON, the settings and the screens give them.
#pragma once
#include <array>
#include <optional>
#include <string_view>

namespace zentara {

enum class HouseSystem { Placidus, Koch, Regiomontanus, Campanus, Porphyry, Equal, WholeSign };

inline constexpr std::array<HouseSystem, 7> AllHouseSystems = {
    HouseSystem::Placidus, HouseSystem::Koch,  HouseSystem::Regiomontanus, HouseSystem::Campanus,
    HouseSystem::Porphyry, HouseSystem::Equal, HouseSystem::WholeSign};

// "placidus", "koch", "regiomontanus", "campanus", "porphyry", "equal",
// "whole-sign": the command line's, JSON's and the settings' name.
std::string_view HouseSystemName(HouseSystem system);
std::optional<HouseSystem> ReadHouseSystemName(std::string_view name);

// "Placidus" ... "Equal", "Whole Sign": the name a window or a page shows.
std::string_view HouseSystemTitle(HouseSystem system);

// The systems that divide the four quadrants between the angles, so that
// cusp 1 is the ascendant and cusp 10 the midheaven; Equal and Whole Sign
// count from the ascendant alone.
bool IsQuadrantSystem(HouseSystem system);

}  // namespace zentara
