#include "cli/position_options.h"

#include <CLI/CLI.hpp>

namespace zentara::cli {

Problem ReadEquinox(std::string_view text, Equinox& equinox) {
  const auto read = ReadEquinoxName(text);
  if (!read) {
    return "must be " + std::string(EquinoxName(Equinox::J2000)) + " or " + std::string(EquinoxName(Equinox::OfDate)) +
           ", not '" + std::string(text) + "'";
  }
  equinox = *read;
  return std::nullopt;
}

Problem ReadOrbs(std::string_view text, AspectOrbs& orbs) {
  const auto read = ReadAspectOrbs(text);
  if (!read) {
    return "must be three whole degrees from 0 to " + std::to_string(LargestAspectOrb) +
           " separated by commas, for the Sun and Moon, the other planets, and the node, Asc and MC, such as " +
           AspectOrbsText(DefaultAspectOrbs) + ", not '" + std::string(text) + "'";
  }
  orbs = *read;
  return std::nullopt;
}

CLI::Option* AddEquinoxOption(CLI::App& command, std::string& text) {
  text = EquinoxName(Equinox::J2000);
  return command
      .add_option("--equinox", text,
                  "the Sun to Pluto on the equinox of J2000 (the default), or every point true to the sky "
                  "at the birth (date)")
      ->type_name("j2000|date")
      ->check(CheckedBy([](std::string_view value) {
        Equinox equinox{};
        return ReadEquinox(value, equinox);
      }));
}

CLI::Option* AddNodeOption(CLI::App& command, std::string& text) {
  text = LunarNodeName(LunarNode::Mean);
  return command
      .add_option("--node", text, "the lunar node shown: the mean node (the default) or the true (osculating) node")
      ->type_name("mean|true")
      ->check(CheckedBy([](std::string_view value) -> Problem {
        if (ReadLunarNodeName(value)) return std::nullopt;
        return "must be mean or true, not '" + std::string(value) + "'";
      }));
}

CLI::Option* AddOrbsOption(CLI::App& command, std::string& text) {
  text = AspectOrbsText(DefaultAspectOrbs);
  return command
      .add_option("--orbs", text,
                  "aspects' orbs, 0 to 10 degrees: Sun and Moon, planets, node/Asc/MC (default 8,6,4)")
      ->type_name("LUMINARIES,PLANETS,POINTS")
      ->check(CheckedBy([](std::string_view value) {
        AspectOrbs orbs;
        return ReadOrbs(value, orbs);
      }));
}

std::string HouseSystemChoices() {
  std::string choices;
  for (std::size_t i = 0; i < AllHouseSystems.size(); ++i) {
    choices += std::string(i == 0 ? "" : i + 1 == AllHouseSystems.size() ? " or " : ", ") +
               std::string(HouseSystemName(AllHouseSystems[i]));
  }
  return choices;
}

CLI::Option* AddHousesOption(CLI::App& command, std::string& text) {
  text = HouseSystemName(HouseSystem::Placidus);
  return command
      .add_option("--houses", text, "the house system: " + HouseSystemChoices() + " (default placidus)")
      ->type_name("SYSTEM")
      ->check(CheckedBy([](std::string_view value) -> Problem {
        if (ReadHouseSystemName(value)) return std::nullopt;
        return "must be " + HouseSystemChoices() + ", not '" + std::string(value) + "'";
      }));
}

HouseSystem ToHouseSystem(std::string_view text) {
  return ReadHouseSystemName(text).value_or(HouseSystem::Placidus);
}

Equinox ToEquinox(std::string_view text) { return ReadEquinoxName(text).value_or(Equinox::J2000); }

AspectOrbs ToOrbs(std::string_view text) { return ReadAspectOrbs(text).value_or(DefaultAspectOrbs); }

LunarNode ToNode(std::string_view text) { return ReadLunarNodeName(text).value_or(LunarNode::Mean); }

bool SaysNode(const CLI::Option* nodeOption, Equinox equinox) {
  return equinox == Equinox::OfDate || (nodeOption != nullptr && nodeOption->count() > 0);
}

}  // namespace zentara::cli
