// The worked couple of the astro tests and benchmarks, as the entry form holds
// it: John (15 August 1975, 14:30 Indian Time, New Delhi) and Mary (10 February
// 1978, 6:05 Eastern Standard Time with daylight saving, New York), the couple
// of tests/cli/match_cli.sh.
#pragma once
#include "astro/match/astro_entries.h"

namespace testing_support {

inline zentara::AstroEntries JohnAndMary() {
  zentara::AstroEntries e;
  e.Male = {"John", 14, 7, 74, 14, 30, 34, false, "28", "36", zentara::NorthSouth::North,
            "77", "13", zentara::EastWest::East, "New Delhi", "Delhi", "India"};
  e.Female = {"Mary", 9, 1, 77, 6, 5, 27, true, "40", "42", zentara::NorthSouth::North,
              "74", "00", zentara::EastWest::West, "New York", "New York", "USA"};
  return e;
}

}  // namespace testing_support
