// The zone of a birthplace followed as the birth date and time change: the
// row and box the entry form gets, and the line it shows under the look-up.
#include <gtest/gtest.h>

#include <optional>

#include "astro/match/zone_list.h"
#include "astro/match/zone_following.h"
#include "astro/places/zoneinfo_offsets.h"

namespace {

using namespace zentara;

TEST(FollowZone, TheRowBoxAndLineAtEachBirth) {
  struct Case {
    const char* zone;
    bool east;
    places::LocalDateTime birth;
    std::optional<places::FormZoneEntry> entry;
    const char* line;
  };
  const Case cases[] = {
      {"America/Chicago", false, {1901, 1, 1, 0, 0}, places::FormZoneEntry{21, false},
       "America/Chicago, CST, UTC\u22126 at this birth"},
      {"America/Chicago", false, {1975, 8, 15, 14, 30}, places::FormZoneEntry{21, true},
       "America/Chicago, CDT, UTC\u22125 at this birth"},
      {"Asia/Kolkata", true, {1975, 8, 15, 14, 30}, places::FormZoneEntry{34, false},
       "Asia/Kolkata, IST, UTC+5:30 at this birth"},
      {"America/Sao_Paulo", false, {2020, 6, 1, 12, 0}, places::FormZoneEntry{14, false},
       "America/Sao_Paulo, UTC\u22123 at this birth"},  // "-03" is only the offset's digits
      {"Europe/London", false, {2000, 1, 10, 9, 0}, places::FormZoneEntry{29, false},
       "Europe/London, GMT, UTC+0 at this birth"},
      {"Asia/Kathmandu", true, {1990, 6, 1, 12, 0}, std::nullopt,
       "Asia/Kathmandu, UTC+5:45 at this birth: no time zone of the list gives it"},
      {"Asia/Kolkata", true, {1901, 1, 1, 0, 0}, std::nullopt,
       "Asia/Kolkata, MMT, UTC+5:21:10 at this birth: no time zone of the list gives it"},
      {"America/Chicago", false, {1975, 2, 30, 0, 0}, std::nullopt,
       "America/Chicago: the birth date is not on the calendar"},
      {"Mars/Olympus_Mons", false, {1975, 2, 3, 0, 0}, std::nullopt,
       "Mars/Olympus_Mons is not in the time-zone database"},
  };
  const places::TzdbTimeZoneRules rules;
  for (const Case& c : cases) {
    const ZoneAtBirth atBirth = FollowZone({c.zone, c.east}, rules, c.birth);
    const std::string where = std::string(c.zone) + " " + std::to_string(c.birth.year) + "-" +
                              std::to_string(c.birth.month) + "-" + std::to_string(c.birth.day);
    EXPECT_EQ(ZoneInForceText(c.zone, atBirth, c.birth), c.line) << where;
    ASSERT_EQ(atBirth.entry.has_value(), c.entry.has_value()) << where;
    if (!c.entry) continue;
    EXPECT_EQ(LoadTimeZoneTable().TimeZoneNames[atBirth.entry->zoneRow],
              LoadTimeZoneTable().TimeZoneNames[c.entry->zoneRow])
        << where;
    EXPECT_EQ(atBirth.entry->daylightSaving, c.entry->daylightSaving) << where;
  }
  EXPECT_EQ(ZoneNotFollowedText("America/Chicago", FollowingEnded::ZoneSetByHand),
            "America/Chicago is no longer followed: the time zone was set by hand");
  EXPECT_EQ(ZoneNotFollowedText("America/Chicago", FollowingEnded::PlaceEdited),
            "America/Chicago is no longer followed: the place was edited");
}

}  // namespace
