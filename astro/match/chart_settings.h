// The report frame's two remembered choices, kept in the per-user settings
// store: whether positions are given on the equinox of date, and the orbs of
// the aspects between the partners' charts.
#pragma once
#include "astro/engine/equinox.h"
#include "astro/match/synastry.h"

namespace astro {

// The stored choice; J2000 when none is stored or it cannot be read.
zentara::Equinox StoredEquinox();
void StoreEquinox(zentara::Equinox equinox);

// The stored orbs; the defaults (8, 6 and 4 degrees) when none are stored or
// they cannot be read.
zentara::AspectOrbs StoredOrbs();
void StoreOrbs(const zentara::AspectOrbs& orbs);

}  // namespace astro
