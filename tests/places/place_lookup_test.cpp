// The astro form's place look-up: the widened search, its status line, and the
// texts listed and suggested for a place at a birth time.
#include <gtest/gtest.h>

#include <string>

#include "astro/match/place_lookup.h"
#include "astro/places/tzdb_time_zone_rules.h"
#include "real_atlas.h"

namespace {

using namespace zentara;
using places::testing::RealAtlas;

TEST(LookUpPlaces, LetsGoOfTheStateThenTheCountryWhenTheyRuleOutEveryPlace) {
  struct Case {
    const char *city, *state, *country;
    Widening widening;
    const char* firstCountryCode;
  };
  const Case cases[] = {
      {"New York City", "New York", "US", Widening::None, "US"},
      {"Delhi", "Delhi", "India", Widening::WithoutState, "IN"},  // no state on record for Delhi
      {"Springfield", "Illinois", "The States", Widening::WithoutCountry, "US"},
      {"Mumbai", "Bombay Presidency", "Hindustan", Widening::WithoutEither, "IN"},
      {"Kathmandu", "", "Nepal", Widening::None, "NP"},
  };
  for (const Case& c : cases) {
    const PlaceLookupResult result = LookUpPlaces(RealAtlas(), c.city, c.state, c.country);
    ASSERT_FALSE(result.matches.empty()) << c.city;
    EXPECT_EQ(result.widening, c.widening) << c.city << ", " << c.state << ", " << c.country;
    EXPECT_EQ(RealAtlas().PlaceAt(result.matches[0].place).countryCode, c.firstCountryCode) << c.city;
  }
  const PlaceLookupResult springfields = LookUpPlaces(RealAtlas(), "Springfield", "Illinois", "The States");
  for (const places::PlaceMatch& match : springfields.matches) {
    EXPECT_EQ(RealAtlas().PlaceAt(match.place).regionName, "Illinois") << "the state still narrows";
  }
  EXPECT_TRUE(LookUpPlaces(RealAtlas(), "zzqqxxj", "Delhi", "India").matches.empty());
  EXPECT_EQ(LookUpPlaces(RealAtlas(), "s", "", "").matches.size(), PlaceLookupLimit);
}

TEST(PlaceLookupStatus, SaysWhatWasLeftOutOrWhyNothingIsListed) {
  const auto status = [](const char* city, const char* state, const char* country) {
    return PlaceLookupStatus(city, state, country, LookUpPlaces(RealAtlas(), city, state, country));
  };
  EXPECT_EQ(status(" - ", "Delhi", "India"), "Type the name of the city.");
  EXPECT_EQ(status("Zzqq", "", ""), "No place is named \"Zzqq\" or has a name beginning with it.");
  EXPECT_EQ(status("Kathmandu", "", "Nepal"), "1 place found.");
  EXPECT_EQ(status("Delhi", "Delhi", "India"), "No \"Delhi\" in the state \"Delhi\": the state is left out. "
                                               "1 place found.");
  const std::string widened = status("Springfield", "Illinois", "The States");
  EXPECT_EQ(widened.substr(0, widened.find(". ") + 2),
            "No \"Springfield\" in the country \"The States\": the country is left out. ");
  const std::string both = status("Mumbai", "X", "Y");
  EXPECT_EQ(both.substr(0, both.find(". ") + 2),
            "No \"Mumbai\" with the state \"X\" or the country \"Y\": both are left out. ");
  EXPECT_EQ(status("s", "", ""), "The first 50 places found; type more of the name to narrow them.");
}

AstroPartnerEntries BornOn(int dayPosition, int monthPosition, int year, int hour, int minute) {
  AstroPartnerEntries entries;
  entries.DayPosition = dayPosition;
  entries.MonthPosition = monthPosition;
  entries.YearPosition = year - AstroFirstYear;
  entries.HourPosition = hour;
  entries.MinutePosition = minute;
  return entries;
}

// The first place of a name in a country, at a birth time, as the window lists it.
places::PlaceEntries PlaceAtBirth(const char* city, const char* country, const places::LocalDateTime& birth) {
  const PlaceLookupResult result = LookUpPlaces(RealAtlas(), city, "", country, 1);
  EXPECT_EQ(result.matches.size(), 1U) << city;
  return places::EntriesForPlace(RealAtlas().PlaceAt(result.matches.at(0).place), places::TzdbTimeZoneRules(), birth);
}

TEST(PlaceRowAndSuggestion, TheOffsetAtTheBirthTimeAndWhatFillInDoesWithIt) {
  const AstroPartnerEntries delhiBirth = BornOn(14, 7, 1975, 14, 30);
  const places::LocalDateTime birth = LocalBirthTime(delhiBirth);
  EXPECT_EQ(LocalBirthTimeText(delhiBirth), "August 15, 1975, 14:30");
  EXPECT_EQ(LocalBirthTimeText(BornOn(0, 0, 1901, 0, 5)), "January 1, 1901, 0:05");

  // "New Delhi" is also one of the names of Delhi, the larger place, which comes first.
  const places::PlaceEntries delhi = PlaceAtBirth("New Delhi", "India", birth);
  const PlaceRowTexts row = PlaceRow(delhi);
  EXPECT_EQ((std::vector<std::string>{row.name, row.country, row.latitude, row.longitude, row.timeZone, row.offset,
                                      row.daylightSaving, row.clockChange}),
            (std::vector<std::string>{"Delhi", "India", "28N39", "77E14", "Asia/Kolkata", "UTC+05:30 IST", "no", ""}));
  EXPECT_EQ(ZoneSuggestionText(delhi, birth),
            "Fill In sets the time zone \"Indian Time, IST, +5.3\" and clears Daylight Saving Time.");

  // Nepal kept +05:30 until 1986, then +05:45, which no row gives.
  EXPECT_EQ(PlaceRow(PlaceAtBirth("Kathmandu", "Nepal", birth)).offset, "UTC+05:30 +0530");
  const places::LocalDateTime birth1990 = LocalBirthTime(BornOn(0, 5, 1990, 12, 0));
  const places::PlaceEntries kathmandu = PlaceAtBirth("Kathmandu", "Nepal", birth1990);
  EXPECT_EQ(PlaceRow(kathmandu).offset, "UTC+05:45 +0545");
  EXPECT_EQ(ZoneSuggestionText(kathmandu, birth1990),
            "No time zone of the list gives UTC+05:45: Fill In sets the latitude and longitude only and leaves the "
            "time zone and Daylight Saving Time as they are.");

  // 14 March 2021, 02:30 and 7 November 2021, 01:30 in New York.
  const places::LocalDateTime springForward{2021, 3, 14, 2, 30}, fallBack{2021, 11, 7, 1, 30};
  const places::PlaceEntries skipped = PlaceAtBirth("New York City", "US", springForward);
  EXPECT_EQ(PlaceRow(skipped).clockChange, "skipped local time");
  EXPECT_EQ(ZoneSuggestionText(skipped, springForward),
            "Fill In sets the time zone \"Eastern Standard Time,EST,-5.0\" and clears Daylight Saving Time. The birth "
            "time 2:30 never showed on the place's clocks, which were put forward over it; the offset is the one in "
            "force before the change.");
  const places::PlaceEntries repeated = PlaceAtBirth("New York City", "US", fallBack);
  EXPECT_EQ(PlaceRow(repeated).clockChange + " " + PlaceRow(repeated).daylightSaving, "repeated local time yes");
  EXPECT_NE(ZoneSuggestionText(repeated, fallBack).find("1:30 showed twice"), std::string::npos);

  // 31 April on the form: coordinates only, and why.
  const places::LocalDateTime april31 = LocalBirthTime(BornOn(30, 3, 1980, 12, 0));
  const places::PlaceEntries noDate = PlaceAtBirth("New Delhi", "India", april31);
  EXPECT_FALSE(noDate.offset.has_value());
  EXPECT_EQ(PlaceRow(noDate).offset, "unknown");
  EXPECT_EQ(ZoneSuggestionText(noDate, april31),
            "The birth date on the form is not on the calendar, so no time zone is suggested: Fill In sets the "
            "latitude and longitude only.");
  places::PlaceEntries unknownZone = delhi;
  unknownZone.place.timeZone = "Mars/Olympus_Mons";
  unknownZone.offset.reset();
  EXPECT_EQ(ZoneSuggestionText(unknownZone, birth),
            "The time-zone database has no zone \"Mars/Olympus_Mons\", so no time zone is suggested: Fill In sets the "
            "latitude and longitude only.");
}

}  // namespace
