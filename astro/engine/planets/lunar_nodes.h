// The mean lunar nodes: Rahu, the north node, and Ketu, the south node.
#pragma once

namespace zentara::modPlanetPosition_Western {

// Rahu's longitude in degrees at day number d (days since 2000 January 1.5):
// the mean node 125.1228 - 0.0529538083 d degrees, reduced to one turn in
// radians, turned back into degrees with the short pi 3.1416, less one degree,
// and lifted by 360 when below 0.
double NorthNodeLongitude(double d);

// Ketu's longitude: Rahu's plus 180 degrees, with whole turns above 360 removed.
double SouthNodeLongitude(double northNode);

}  // namespace zentara::modPlanetPosition_Western
