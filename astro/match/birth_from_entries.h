// One partner's entries on the astro entry form turned into the BirthMoment the
// engines read, and the birth date as the astro report writes it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/engine/birth_moment.h"
#include "astro/match/astro_entries.h"
#include "astro/match/zone_list.h"

namespace zentara {

// A number box's text as a whole number: one to three ASCII digits, 0 to 999.
// Nothing for any other text (empty, signs, spaces, other characters).
std::optional<std::int16_t> ReadBoxNumber(std::string_view text);

// The whole record:
//   Month, Day, Year as above; Hour and Minute = their positions;
//   ZoneHours, ZoneMinutes = the sizes of the chosen row of `zones`;
//   DaylightSaving as checked;
//   latitude and longitude degrees and minutes = the boxes' numbers;
//   EastOfGreenwich when "East" is chosen, SouthOfEquator when "South" is.
// Nothing when an entry is one the form cannot hold: a position outside its
// list, or a number box that is not one to three digits.
std::optional<BirthMoment> BirthMomentFromEntries(const AstroPartnerEntries& entries,
                                                  const TimeZoneTable& zones);

// The birth date as the report shows it: the month name, a space, the day,
// ", " and the year, such as "January 1, 1901". A position outside its list
// contributes an empty text.
std::string AstroBirthDateText(const AstroPartnerEntries& entries);

// A clock time as "14:30", "6:05": the hour without, the minute with a leading zero.
std::string BirthClockText(int hour, int minute);

// A partner's birth in one line, as the wheel's page of the report PDF heads
// it: "Male: John, born August 15, 1975 at 14:30 in New Delhi, Delhi, India"
// (texts as typed; "Female:" for her).
std::string PartnerBirthLine(const AstroPartnerEntries& entries, Partner partner);

}  // namespace zentara
