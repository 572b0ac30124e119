// A place's coordinates and offset as the astro form's boxes, zone row and
// Daylight Saving Time box take them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "astro/engine/birth_coordinates.h"
#include "astro/match/zone_list.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"

namespace {

using namespace zentara::places;

TEST(SuggestZoneEntry, TheRowAndBoxThatGiveTheOffset) {
  struct Case {
    const char* what;
    int offsetSeconds;
    bool daylightSaving;
    const char* abbreviation;
    const char* standardAbbreviation;
    bool east;
    std::optional<FormZoneEntry> expected;
  };
  const Case cases[] = {
      {"Delhi", 19800, false, "IST", "IST", true, FormZoneEntry{34, false}},
      {"Berlin, winter: the row named CET, not the first of +1", 3600, false, "CET", "CET", true, FormZoneEntry{20, false}},
      {"Berlin, summer: standard CET, box checked", 7200, true, "CEST", "CET", true, FormZoneEntry{20, true}},
      {"Athens: the row named EET", 7200, false, "EET", "EET", true, FormZoneEntry{26, false}},
      {"Auckland, summer: first row written +12", 46800, true, "NZDT", "NZST", true, FormZoneEntry{35, true}},
      {"New York, winter", -18000, false, "EST", "EST", false, FormZoneEntry{27, false}},
      {"New York, summer: the box matches, standard EST", -14400, true, "EDT", "EST", false, FormZoneEntry{27, true}},
      {"Sao Paulo: a standard time, not Atlantic War Time", -10800, false, "-03", "-03", false, FormZoneEntry{14, false}},
      {"London, winter", 0, false, "GMT", "GMT", false, FormZoneEntry{29, false}},
      {"Sydney, summer: the standard AEST, not Alaska's first ten-hour row", 39600, true, "AEDT", "AEST", true, FormZoneEntry{8, true}},
      {"Johannesburg: no row named SAST, the first standard time written +2", 7200, false, "SAST", "SAST", true, FormZoneEntry{26, false}},
      {"Madrid, winter: west but ahead, only with the box", 3600, false, "CET", "CET", false, FormZoneEntry{29, true}},
      {"Madrid, summer: two hours ahead in the west", 7200, true, "CEST", "CET", false, std::nullopt},
      {"Azores, summer: no row written 0 and the box, the first written west", 0, true, "+00", "-01", false, FormZoneEntry{67, true}},
      {"London 1941, double summer time", 7200, true, "BDST", "GMT", false, std::nullopt},
      {"Kathmandu", 20700, false, "+0545", "+0545", true, std::nullopt},
      {"east of Greenwich, behind it", -3600, false, "-01", "-01", true, std::nullopt},
      {"Madras mean time, not whole minutes", 19270, false, "MMT", "MMT", true, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto entry = SuggestZoneEntry(
        ZoneOffset{c.offsetSeconds, c.daylightSaving, c.abbreviation, ClockChange::None, c.standardAbbreviation}, c.east);
    ASSERT_EQ(entry.has_value(), c.expected.has_value()) << c.what;
    if (!entry) continue;
    EXPECT_EQ(entry->zoneRow, c.expected->zoneRow) << c.what;
    EXPECT_EQ(entry->daylightSaving, c.expected->daylightSaving) << c.what;
  }
}

// A row's written offset ("+8.0", "-1.0", "0.0") has the sign of the place's
// true offset wherever a row of that sign gives it: places of every continent,
// with the offset the database gives for them then.
TEST(SuggestZoneEntry, TheRowIsWrittenWithTheTrueOffsetsSign) {
  struct Case {
    const char* zone;
    LocalDateTime local;
    bool east;  // the side of Greenwich the engines read from the longitude
    FormZoneEntry expected;
  };
  const LocalDateTime january{2020, 1, 15, 12, 0};
  const LocalDateTime july{2020, 7, 15, 12, 0};
  const Case cases[] = {
      {"Africa/Lagos", january, true, {20, false}},      // WAT +1, not "West Africa Time,WAT,-1.0"
      {"Africa/Cairo", january, true, {26, false}},      // EET
      {"Africa/Nairobi", january, true, {12, false}},    // EAT +3
      {"Asia/Manila", january, true, {10, false}},       // PST +8, not "Pacific Standard Time,PST,-8.0"
      {"Asia/Manila", {1945, 7, 24, 12, 0}, true, {10, true}},  // PDT +9
      {"Asia/Tokyo", january, true, {38, false}},        // JST
      {"Asia/Tehran", january, true, {37, false}},       // +0330
      {"Asia/Jakarta", january, true, {60, false}},      // WIB +7
      {"Asia/Dubai", january, true, {63, false}},        // +04
      {"Europe/London", january, false, {29, false}},    // GMT
      {"Europe/Berlin", july, true, {20, true}},         // CEST
      {"Europe/Moscow", january, true, {12, false}},     // MSK +3
      {"Europe/Kyiv", {1990, 8, 1, 12, 0}, true, {26, true}},  // EEST
      {"America/New_York", july, false, {27, true}},     // EDT
      {"America/Los_Angeles", january, false, {54, false}},  // PST -8
      {"America/Mexico_City", january, false, {21, false}},  // CST
      {"America/Anchorage", january, false, {69, false}},    // AKST -9
      {"Pacific/Honolulu", january, false, {1, false}},      // HST -10
      {"America/Sao_Paulo", january, false, {14, false}},    // -03
      {"America/Santiago", january, false, {3, true}},       // -03, summer time
      {"Australia/Sydney", january, true, {8, true}},        // AEDT
      {"Pacific/Auckland", july, true, {35, false}},         // NZST +12
      {"Antarctica/McMurdo", january, true, {35, true}},     // NZDT +13
  };
  const TzdbTimeZoneRules rules;
  const zentara::TimeZoneTable& zones = zentara::LoadTimeZoneTable();
  const auto sign = [](auto value) { return (value > 0) - (value < 0); };
  for (const Case& c : cases) {
    const std::string what = std::string(c.zone) + " " + std::to_string(c.local.year) + "-" + std::to_string(c.local.month);
    const auto offset = rules.OffsetAt(c.zone, c.local);
    ASSERT_TRUE(offset) << what;
    const auto entry = SuggestZoneEntry(*offset, c.east);
    ASSERT_TRUE(entry) << what << " " << UtcOffsetText(offset->utcOffsetSeconds);
    const std::string_view label = zones.TimeZoneNames[entry->zoneRow];
    EXPECT_EQ(entry->zoneRow, c.expected.zoneRow) << what << ": " << label;
    EXPECT_EQ(entry->daylightSaving, c.expected.daylightSaving) << what << ": " << label;
    const char written = label[label.find_first_not_of(' ', label.rfind(',') + 1)];
    EXPECT_EQ(written == '+' ? 1 : written == '-' ? -1 : 0, sign(offset->utcOffsetSeconds))
        << what << ": " << label << " for " << UtcOffsetText(offset->utcOffsetSeconds);
  }
}

// Whatever the suggestion, the engines' own reading of the entries gives the
// offset back: universal time = local time - offset.
TEST(SuggestZoneEntry, TheEnginesReproduceTheOffset) {
  const zentara::TimeZoneTable& zones = zentara::LoadTimeZoneTable();
  for (int quarterHours = -12 * 4; quarterHours <= 14 * 4; ++quarterHours) {
    for (const bool east : {true, false}) {
      for (const bool daylight : {true, false}) {
        const int offsetMinutes = quarterHours * 15;
        const auto entry = SuggestZoneEntry(ZoneOffset{offsetMinutes * 60, daylight, "", ClockChange::None, ""}, east);
        if (!entry) continue;
        zentara::BirthMoment birth;
        birth.Hour = 12;
        birth.ZoneHours = zones.TimeZoneHours[entry->zoneRow];
        birth.ZoneMinutes = zones.TimeZoneMinutes[entry->zoneRow];
        birth.DaylightSaving = entry->daylightSaving;
        birth.LongitudeDegrees = 10;
        birth.EastOfGreenwich = east;
        EXPECT_DOUBLE_EQ(zentara::UniversalTimeOfBirth(birth), 12.0 - offsetMinutes / 60.0)
            << "offset " << offsetMinutes << " min, " << (east ? "east" : "west") << ", row " << entry->zoneRow;
      }
    }
  }
}

TEST(FormCoordinates, NearestMinuteWithTheFormsDirections) {
  struct Case {
    double latitude, longitude;
    const char* lat;
    const char* lon;
    bool engineEast;
  };
  const Case cases[] = {
      {28.63576, 77.22445, "28N38", "77E13", true},
      {-33.86785, 151.20732, "33S52", "151E12", true},
      {51.50853, -0.12574, "51N31", "0W08", false},
      {0.025, -0.025, "0N02", "0W02", false},       // 1.5 minutes: halves away from zero
      {59.99999, 0.00833, "60N00", "0E00", false},  // carried into the degrees; 0E00 counts as west
      {-0.00001, 179.99999, "0S00", "180E00", true},
  };
  for (const Case& c : cases) {
    const FormCoordinates form = ToFormCoordinates(c.latitude, c.longitude);
    EXPECT_EQ(LatitudeText(form.latitude), c.lat) << c.latitude;
    EXPECT_EQ(LongitudeText(form.longitude), c.lon) << c.longitude;
    EXPECT_EQ(EnginesReadEast(form.longitude), c.engineEast) << c.longitude;
  }
}

}  // namespace
