// The report frame's remembered choices, kept in the per-user settings store:
// whether positions are given on the equinox of date, which lunar node is
// shown, the orbs of the aspects between the partners' charts and the system
// of the houses.
#pragma once
#include "astro/engine/chart_options.h"
#include "astro/engine/houses/house_system.h"
#include "astro/match/synastry.h"

namespace astro {

// The stored choice; J2000 when none is stored or it cannot be read.
zentara::Equinox StoredEquinox();
void StoreEquinox(zentara::Equinox equinox);

// The stored node; the mean node when none is stored or it cannot be read.
zentara::LunarNode StoredNode();
void StoreNode(zentara::LunarNode node);

// Both, as a match is computed with them.
zentara::ChartOptions StoredChartOptions();

// The stored orbs; the defaults (8, 6 and 4 degrees) when none are stored or
// they cannot be read.
zentara::AspectOrbs StoredOrbs();
void StoreOrbs(const zentara::AspectOrbs& orbs);

// The stored house system; Placidus when none is stored or it cannot be read.
zentara::HouseSystem StoredHouseSystem();
void StoreHouseSystem(zentara::HouseSystem system);

}  // namespace astro
