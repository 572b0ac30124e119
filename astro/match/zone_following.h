// The time zone of a birthplace filled in from the atlas, followed while the
// partner's birth date and time change: the offset the place's clocks kept at
// the birth, the zone row and Daylight Saving Time box that give it, and the
// line the entry form shows about it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "astro/match/form_entry.h"
#include "astro/places/zone_offsets.h"

namespace zentara {

// The zone followed: its IANA name, and whether the engines read the
// longitude filled in with it as east of Greenwich (places::EnginesReadEast).
struct FollowedZone {
  std::string zone;
  bool engineEast = false;
};

// The offset in force at `birth` (nothing for a zone the database lacks or a
// date not on the calendar), and the zone row and box that give it (nothing
// where no row does).
struct ZoneAtBirth {
  std::optional<places::ZoneOffset> offset;
  std::optional<places::FormZoneEntry> entry;
};
ZoneAtBirth FollowZone(const FollowedZone& followed, const places::TimeZoneRules& rules,
                       const places::LocalDateTime& birth);

// An offset as "UTC+5:30", "UTC\u22125" (a minus sign), "UTC+0", "UTC+5:21:10".
std::string UtcOffsetShortText(int utcOffsetSeconds);

// The line while the zone is followed:
//   "America/Chicago, CDT, UTC\u22125 at this birth" (an abbreviation that is
//   only the offset's digits, "+0545", is left out);
//   where no row gives the offset (and the zone row and box stay as they
//   are), that line and ": no time zone of the list gives it";
//   "America/Chicago: the birth date is not on the calendar";
//   "America/Chicago is not in the time-zone database".
std::string ZoneInForceText(std::string_view zone, const ZoneAtBirth& atBirth, const places::LocalDateTime& birth);

// Why the following ended, and the line then:
//   "America/Chicago is no longer followed: the time zone was set by hand";
//   "America/Chicago is no longer followed: the place was edited".
enum class FollowingEnded { ZoneSetByHand, PlaceEdited };
std::string ZoneNotFollowedText(std::string_view zone, FollowingEnded why);

}  // namespace zentara
