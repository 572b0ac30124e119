// The birth options of zentara-cli chart, read the way the astro entry form
// takes its entries: --date YYYY-MM-DD, --time HH:MM, --zone ROW, --dst,
// --lat DD{N|S}MM and --lon DDD{E|W}MM, with one to three digits for each
// degree and minute number, as the form's boxes hold.
#pragma once
#include <string>

#include "astro/engine/birth_moment.h"
#include "cli/arguments.h"

namespace zentara::cli {

// The birth record the astro driver would fill from the same entries; the zone
// row gives the size of its offset. A value the form could not hold (a year
// outside 1901 to 2050, an hour past 23, a zone row past 70, a malformed
// coordinate...) throws UsageError with a plain explanation.
BirthMoment ReadBirthOptions(const Arguments& parsed);

}  // namespace zentara::cli
