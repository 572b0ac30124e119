#include "astro/match/chart_settings.h"

#include "platform/platform.h"
#include "platform/qt_text.h"

namespace astro {
namespace {

// Beside the update reminder's value, in plain text: "j2000" or "date", and
// the orbs as "8,6,4".
constexpr auto kSection = "Settings";
constexpr auto kEquinoxName = "PositionsEquinox";
constexpr auto kNodeName = "LunarNode";  // "mean" or "true"
constexpr auto kOrbsName = "AspectOrbs";
constexpr auto kHouseSystemName = "HouseSystem";  // "placidus" ... "whole-sign"

std::string Read(const char* name) {
  auto& desktop = platform::current();
  return platform::ToStd(
      desktop.readSetting(desktop.applicationName(), QString::fromLatin1(kSection), QString::fromLatin1(name)));
}

void Write(const char* name, std::string_view value) {
  auto& desktop = platform::current();
  desktop.writeSetting(desktop.applicationName(), QString::fromLatin1(kSection), QString::fromLatin1(name),
                       platform::ToQt(value));
}

}  // namespace

zentara::Equinox StoredEquinox() {
  return zentara::ReadEquinoxName(Read(kEquinoxName)).value_or(zentara::Equinox::J2000);
}

void StoreEquinox(zentara::Equinox equinox) { Write(kEquinoxName, zentara::EquinoxName(equinox)); }

zentara::LunarNode StoredNode() {
  return zentara::ReadLunarNodeName(Read(kNodeName)).value_or(zentara::LunarNode::Mean);
}

void StoreNode(zentara::LunarNode node) { Write(kNodeName, zentara::LunarNodeName(node)); }

zentara::ChartOptions StoredChartOptions() { return {StoredEquinox(), StoredNode()}; }

zentara::AspectOrbs StoredOrbs() {
  return zentara::ReadAspectOrbs(Read(kOrbsName)).value_or(zentara::DefaultAspectOrbs);
}

void StoreOrbs(const zentara::AspectOrbs& orbs) { Write(kOrbsName, zentara::AspectOrbsText(orbs)); }

zentara::HouseSystem StoredHouseSystem() {
  return zentara::ReadHouseSystemName(Read(kHouseSystemName)).value_or(zentara::HouseSystem::Placidus);
}

void StoreHouseSystem(zentara::HouseSystem system) { Write(kHouseSystemName, zentara::HouseSystemName(system)); }

}  // namespace astro
