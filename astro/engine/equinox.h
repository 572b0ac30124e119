// Which equinox a chart's longitudes are measured from.
//
// The planetary engine's orbital elements are referred to the mean equinox of
// J2000, and by default the Sun to Pluto stay there; the Moon, the lunar nodes,
// the ascendant and the midheaven are always measured from the equinox of the
// birth's date. On request the Sun to Pluto are carried to the equinox of date
// too (precession.h), so that every position is the one the sky showed.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zentara {

enum class Equinox {
  J2000,   // the Sun to Pluto as the elements give them
  OfDate,  // the Sun to Pluto precessed to the birth's date
};

// The names the command line and JSON use: "j2000" and "date".
std::string_view EquinoxName(Equinox equinox);

// The equinox of a name EquinoxName gives; nothing for any other text.
std::optional<Equinox> ReadEquinoxName(std::string_view name);

// What the positions shown are, as the report, the wheel and the PDF state it:
// "Sun to Pluto on the equinox of J2000" or "Positions on the equinox of date";
// and the same in two halves, for two lines: "Sun to Pluto on the" and
// "equinox of J2000".
std::string EquinoxStatement(Equinox equinox);
struct EquinoxStatementLines {
  std::string_view First, Second;
};
EquinoxStatementLines EquinoxStatementHalves(Equinox equinox);

}  // namespace zentara
