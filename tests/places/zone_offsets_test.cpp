// Offsets in force at historical local times, as the system's time-zone
// database gives them (the expected values are zdump's for the same zones).
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "astro/places/zoneinfo_offsets.h"
#include "astro/places/tzif_zone.h"
#include "real_atlas.h"
#include "common/file_bytes.h"

namespace {

using zentara::places::ClockChange;
using zentara::places::LocalDateTime;
using zentara::places::TzdbTimeZoneRules;
using zentara::places::TzifZone;
using zentara::places::UtcOffsetText;

TEST(TzdbTimeZoneRules, HistoricalOffsets) {
  struct Case {
    const char* zone;
    LocalDateTime local;
    int offsetSeconds;
    bool daylightSaving;
    const char* abbreviation;
    ClockChange change;
    const char* standard;  // the standard-time abbreviation then
  };
  const Case cases[] = {
      {"Asia/Kolkata", {1975, 8, 15, 14, 30}, 19800, false, "IST", ClockChange::None, "IST"},
      {"Europe/London", {1941, 6, 1, 12, 0}, 7200, true, "BDST", ClockChange::None, "GMT"},   // double summer time
      {"Europe/London", {1944, 1, 15, 12, 0}, 3600, true, "BST", ClockChange::None, "GMT"},   // war-time winter
      {"America/Chicago", {1943, 6, 1, 12, 0}, -18000, true, "CWT", ClockChange::None, "CST"},  // war time
      {"Asia/Kathmandu", {1985, 6, 1, 12, 0}, 19800, false, "+0530", ClockChange::None, "+0530"},
      {"Asia/Kathmandu", {1986, 6, 1, 12, 0}, 20700, false, "+0545", ClockChange::None, "+0545"},
      {"Australia/Sydney", {2020, 1, 15, 12, 0}, 39600, true, "AEDT", ClockChange::None, "AEST"},  // southern summer
      {"Australia/Sydney", {2020, 7, 15, 12, 0}, 36000, false, "AEST", ClockChange::None, "AEST"},
      {"Europe/Madrid", {2020, 1, 15, 12, 0}, 3600, false, "CET", ClockChange::None, "CET"},  // west of Greenwich, ahead
      // Winter time stored as a negative saving: the summer between two winters is the summer time.
      {"Europe/Dublin", {2020, 1, 15, 12, 0}, 0, false, "GMT", ClockChange::None, "GMT"},
      {"Europe/Dublin", {2020, 7, 15, 12, 0}, 3600, true, "IST", ClockChange::None, "GMT"},
      {"Europe/Dublin", {2045, 7, 15, 12, 0}, 3600, true, "IST", ClockChange::None, "GMT"},  // past 2037
      {"Africa/Windhoek", {1995, 7, 1, 12, 0}, 3600, false, "WAT", ClockChange::None, "WAT"},
      {"Africa/Windhoek", {2016, 7, 1, 12, 0}, 3600, false, "WAT", ClockChange::None, "WAT"},
      {"Africa/Windhoek", {1995, 1, 15, 12, 0}, 7200, true, "CAT", ClockChange::None, "WAT"},
      {"Africa/Windhoek", {2020, 7, 1, 12, 0}, 7200, false, "CAT", ClockChange::None, "CAT"},  // no winter time since 2017
      // Morocco's weeks back to +00 in Ramadan leave its +01 standard time; before 2018 +01 was its summer time.
      {"Africa/Casablanca", {2020, 5, 1, 12, 0}, 0, false, "+00", ClockChange::None, "+00"},
      {"Africa/Casablanca", {2020, 7, 1, 12, 0}, 3600, false, "+01", ClockChange::None, "+01"},
      {"Africa/Casablanca", {2010, 7, 1, 12, 0}, 3600, true, "+01", ClockChange::None, "+00"},
      // Summer time begun under one standard time and ended under another.
      {"Europe/Kyiv", {1990, 8, 1, 12, 0}, 10800, true, "EEST", ClockChange::None, "EET"},  // from MSK to EET
      {"Europe/Kyiv", {1991, 7, 26, 12, 0}, 10800, true, "EEST", ClockChange::None, "EET"},
      {"Asia/Manila", {1945, 7, 24, 12, 0}, 32400, true, "PDT", ClockChange::None, "PST"},  // from JST to PST
      {"America/New_York", {2021, 3, 14, 2, 30}, -18000, false, "EST", ClockChange::Skipped, "EST"},
      {"America/New_York", {2021, 11, 7, 1, 30}, -14400, true, "EDT", ClockChange::Repeated, "EST"},
      {"America/New_York", {2045, 7, 1, 12, 0}, -14400, true, "EDT", ClockChange::None, "EST"},  // past 2037
      {"Asia/Kolkata", {1901, 1, 1, 0, 0}, 19270, false, "MMT", ClockChange::None, "MMT"},     // Madras mean time
  };
  const TzdbTimeZoneRules rules;
  for (const Case& c : cases) {
    const LocalDateTime& t = c.local;
    const std::string what = std::string(c.zone) + " " + std::to_string(t.year) + "-" + std::to_string(t.month) + "-" +
                             std::to_string(t.day) + " " + std::to_string(t.hour) + ":" + std::to_string(t.minute);
    const auto offset = rules.OffsetAt(c.zone, c.local);
    ASSERT_TRUE(offset.has_value()) << what;
    EXPECT_EQ(offset->utcOffsetSeconds, c.offsetSeconds) << what;
    EXPECT_EQ(offset->daylightSaving, c.daylightSaving) << what;
    EXPECT_EQ(offset->abbreviation, c.abbreviation) << what;
    EXPECT_EQ(offset->clockChange, c.change) << what;
    EXPECT_EQ(offset->standardAbbreviation, c.standard) << what;
  }
}

TEST(TzdbTimeZoneRules, NothingForAnUnknownZoneOrAnImpossibleTime) {
  const TzdbTimeZoneRules rules;
  EXPECT_FALSE(rules.OffsetAt("Nowhere/Atlantis", {2000, 1, 1, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("", {2000, 1, 1, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("../../etc/passwd", {2000, 1, 1, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("Asia/Kolkata", {2021, 2, 29, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("Asia/Kolkata", {2021, 4, 31, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("Asia/Kolkata", {2021, 1, 1, 24, 0}));
  EXPECT_FALSE(rules.OffsetAt("Asia/Kolkata", {2021, 13, 1, 12, 0}));
  EXPECT_TRUE(rules.OffsetAt("Asia/Kolkata", {2020, 2, 29, 23, 59}));
  // Years past what the calendar holds, which would wrap round to others
  // (40000 to -25536, before New York kept Eastern time).
  EXPECT_FALSE(rules.OffsetAt("America/New_York", {40000, 7, 1, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("America/New_York", {-40000, 7, 1, 12, 0}));
  EXPECT_FALSE(rules.OffsetAt("America/New_York", {32768, 7, 1, 12, 0}));
  const auto last = rules.OffsetAt("America/New_York", {32767, 7, 1, 12, 0});
  ASSERT_TRUE(last);
  EXPECT_EQ(last->abbreviation, "EDT") << "the closing rule holds to the last year";
}

// GeoNames and tzdata name zones independently: every zone the atlas uses must
// be one the database knows.
TEST(TzdbTimeZoneRules, EveryZoneOfTheAtlasIsKnown) {
  const auto& atlas = zentara::places::testing::RealAtlas();
  std::set<std::string> zones;
  for (std::uint32_t i = 0; i < atlas.PlaceCount(); ++i) zones.emplace(atlas.PlaceAt(i).timeZone);
  const TzdbTimeZoneRules rules;
  for (const std::string& zone : zones) EXPECT_TRUE(rules.OffsetAt(zone, {1990, 6, 1, 12, 0})) << zone;
}

// A zone file that is not whole and sound TZif (version 2 or later) is no
// zone: it is never read past its end nor through an index it does not hold.
TEST(TzifZone, DamagedZoneFilesAreNoZone) {
  const auto real = zentara::ReadFilePrefix("/usr/share/zoneinfo/Europe/London", 1 << 20);
  ASSERT_TRUE(real && TzifZone::Parse(*real));
  // The counts of a header at `at` (RFC 8536 section 3.1), big-endian.
  const auto count = [&](std::size_t at, int which) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>((*real)[at + 20 + 4 * which + i]);
    return std::size_t{value};
  };
  enum { IsUt, IsStd, Leap, Time, Type, Chars };
  const std::size_t second = 44 + count(0, Time) * 5 + count(0, Type) * 6 + count(0, Chars) + count(0, Leap) * 8 +
                             count(0, IsStd) + count(0, IsUt);
  const std::size_t typeIndexes = second + 44 + count(second, Time) * 8;
  const std::size_t firstType = typeIndexes + count(second, Time);
  const std::size_t characters = firstType + count(second, Type) * 6;
  const auto patched = [&](std::size_t at, char value) {
    std::string bytes = *real;
    bytes[at] = value;
    return bytes;
  };
  std::string noNul = *real;
  std::fill_n(noNul.begin() + static_cast<std::ptrdiff_t>(characters), count(second, Chars), 'X');
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"not TZif", patched(0, 'X')},
      {"version 1", patched(4, '\0')},
      {"cut in its second header", real->substr(0, second + 20)},
      {"cut in its data", real->substr(0, characters)},
      {"without its footer's last newline", real->substr(0, real->size() - 1)},
      {"a transition to a type it does not have", patched(typeIndexes, '\xFF')},
      {"an abbreviation past the characters", patched(firstType + 5, '\xFF')},
      {"abbreviations without their NUL", noNul},
      {"a saving mark of 2", patched(firstType + 4, '\x02')},
      {"a leap-second record", patched(second + 20 + 4 * Leap + 3, '\x01')},
  };
  for (const auto& [what, bytes] : cases) EXPECT_FALSE(TzifZone::Parse(bytes)) << what;
}

TEST(UtcOffsetText, SignHoursMinutesAndSecondsWhereAny) {
  EXPECT_EQ(UtcOffsetText(19800), "+05:30");
  EXPECT_EQ(UtcOffsetText(-14400), "-04:00");
  EXPECT_EQ(UtcOffsetText(0), "+00:00");
  EXPECT_EQ(UtcOffsetText(46800), "+13:00");
  EXPECT_EQ(UtcOffsetText(19270), "+05:21:10");
  EXPECT_EQ(UtcOffsetText(-2079), "-00:34:39");
  // No zone keeps these, but any number has its text.
  EXPECT_EQ(UtcOffsetText(2070545), "+575:09:05");
  EXPECT_EQ(UtcOffsetText(std::numeric_limits<int>::min()), "-596523:14:08");
}

}  // namespace
