#include "astro/engine/equinox.h"

namespace zentara {
namespace {

// One row an equinox: its name and the two halves of its statement.
struct EquinoxTexts {
  Equinox Which;
  std::string_view Name;
  EquinoxStatementLines Statement;
};
constexpr EquinoxTexts Texts[] = {
    {Equinox::J2000, "j2000", {"Sun to Pluto on the", "equinox of J2000"}},
    {Equinox::OfDate, "date", {"Positions on the", "equinox of date"}},
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

std::string EquinoxStatement(Equinox equinox) {
  const EquinoxStatementLines& halves = TextsOf(equinox).Statement;
  return std::string(halves.First) + " " + std::string(halves.Second);
}

EquinoxStatementLines EquinoxStatementHalves(Equinox equinox) { return TextsOf(equinox).Statement; }

}  // namespace zentara
