// Which equinox a chart's longitudes are measured from.
//
// The planetary engine's orbital elements are referred to the mean equinox of
// J2000, and by default the Sun to Pluto stay there; the Moon, the lunar nodes,
// the ascendant and the midheaven are measured from the equinox of the birth's
// date. On request every point is computed as the sky showed it instead: the
// apparent position on the true equinox of the date (sky/sky_positions.h).
#pragma once
#include <optional>
#include <string_view>

namespace zentara {

enum class Equinox {
  J2000,   // the Sun to Pluto as the elements give them
  OfDate,  // every point true to the sky at the birth
};

// The names the command line and JSON use: "j2000" and "date".
std::string_view EquinoxName(Equinox equinox);

// The equinox of a name EquinoxName gives; nothing for any other text.
std::optional<Equinox> ReadEquinoxName(std::string_view name);

}  // namespace zentara
