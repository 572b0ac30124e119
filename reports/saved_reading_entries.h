// The entries behind the reading now shown, kept for the report windows' Save.
// Every reading sets them to the twelve entry texts it was made from.
#pragma once
#include "numerology/numerology_entries.h"

namespace modNumerologyComaptibility {

// One set for the whole run; empty until the first reading.
inline zentara::NumerologyEntries SavedReadingEntries;

}  // namespace modNumerologyComaptibility
