// The options of chart and match that choose how positions are given, which
// aspects count and how the houses are divided: --equinox j2000|date, --node
// mean|true, --orbs LUMINARIES,PLANETS,POINTS and --houses SYSTEM.
#pragma once
#include <string>

#include "astro/engine/chart_options.h"
#include "astro/engine/houses/house_system.h"
#include "astro/match/synastry.h"
#include "cli/birth_options.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace zentara::cli {

// "j2000" or "date" (EquinoxName).
Problem ReadEquinox(std::string_view text, Equinox& equinox);

// Three whole degrees from 0 to 10, separated by commas (ReadAspectOrbs).
Problem ReadOrbs(std::string_view text, AspectOrbs& orbs);

// Adds --equinox, its value checked as the command line is read, into `text`
// (left as "j2000" when the option is not given).
CLI::Option* AddEquinoxOption(CLI::App& command, std::string& text);

// Adds --node the same way (left as "mean" when not given).
CLI::Option* AddNodeOption(CLI::App& command, std::string& text);

// Adds --orbs the same way (left as "8,6,4" when not given).
CLI::Option* AddOrbsOption(CLI::App& command, std::string& text);

// Adds --houses the same way (left as "placidus" when not given).
CLI::Option* AddHousesOption(CLI::App& command, std::string& text);

// "placidus, koch, regiomontanus, campanus, porphyry, equal or whole-sign".
std::string HouseSystemChoices();

// The values of texts those options have checked.
Equinox ToEquinox(std::string_view text);
LunarNode ToNode(std::string_view text);
AspectOrbs ToOrbs(std::string_view text);
HouseSystem ToHouseSystem(std::string_view text);

// Whether the output says which node it shows: when the node was chosen, or
// the positions are of date. A plain chart or match, whose node has always
// been the mean one, keeps its output as it always was.
bool SaysNode(const CLI::Option* nodeOption, Equinox equinox);

}  // namespace zentara::cli
