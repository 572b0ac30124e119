#include "astro/engine/equinox.h"

namespace zentara {
namespace {

// One row an equinox: its name.
struct EquinoxTexts {
  Equinox Which;
  std::string_view Name;
};
constexpr EquinoxTexts Texts[] = {
    {Equinox::J2000, "j2000"},
    {Equinox::OfDate, "date"},
};

const EquinoxTexts& TextsOf(Equinox equinox) { return Texts[equinox == Equinox::J2000 ? 0 : 1]; }

}  // namespace

std::string_view EquinoxName(Equinox equinox) { return TextsOf(equinox).Name; }

std::optional<Equinox> ReadEquinoxName(std::string_view name) {
  for (const EquinoxTexts& texts : Texts) {
    if (texts.Name == name) return texts.Which;
  }
  return std::nullopt;
}

}  // namespace zentara
