// The astro form's place look-up: the widened search and its status line, and
// the row and suggestion texts where the offset is not plain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/match/place_lookup.h"
#include "astro/places/tzdb_time_zone_rules.h"
#include "real_atlas.h"

namespace {

using namespace zentara;
using places::testing::RealAtlas;

TEST(LookUpPlaces, LeavesOutWhatRulesOutEveryPlaceAndSaysSo) {
  struct Case {
    const char *city, *state, *country;
    Widening widening;
    const char* firstCountry;  // "" for none
    const char* status;
  };
  const Case cases[] = {
      {"Delhi", "Delhi", "India", Widening::None, "IN", "1 place found."},
      {"Delhi", "Punjab", "India", Widening::WithoutState, "IN",
       "No \"Delhi\" in the state \"Punjab\": the state is left out. 1 place found."},
      {"Springfield", "Illinois", "India", Widening::WithoutCountry, "US",
       "No \"Springfield\" in the country \"India\": the country is left out. 1 place found."},
      {"Springfield", "Illinois", "The States", Widening::WithoutCountry, "US",
       "No country named The States: the country is left out. 1 place found."},
      {"Mumbai", "X", "Y", Widening::WithoutEither, "IN",
       "No country named Y, and no \"Mumbai\" in the state \"X\": both are left out. 1 place found."},
      {"s", "", "", Widening::None, "CN", "The first 50 places found; type more of the name to narrow them."},
      {"Zzqq", "Delhi", "India", Widening::None, "", "No place is named \"Zzqq\" or has a name beginning with it."},
      {"Zzqq", "", "Holland", Widening::None, "",
       "No country named Holland. No place is named \"Zzqq\" or has a name beginning with it."},
      {"Edinbrugh", "", "", Widening::None, "",
       "No place is named \"Edinbrugh\" or has a name beginning with it. Did you mean \"Edinburgh\"?"},
      {"Philadelfia", "", "United States", Widening::None, "",
       "No place is named \"Philadelfia\" or has a name beginning with it. Did you mean \"Philadelphia\"?"},
      {" - ", "Delhi", "India", Widening::None, "", "Type the name of the city."},
  };
  for (const Case& c : cases) {
    const PlaceLookupResult result = LookUpPlaces(RealAtlas(), c.city, c.state, c.country);
    const std::string where = std::string(c.city) + ", " + c.state + ", " + c.country;
    EXPECT_EQ(result.widening, c.widening) << where;
    EXPECT_EQ(result.matches.empty() ? "" : RealAtlas().PlaceAt(result.matches[0].place).countryCode, c.firstCountry)
        << where;
    EXPECT_EQ(PlaceLookupStatus(c.city, c.state, c.country, result), c.status) << where;
  }
}

// The first place of a name in a country, at a birth time.
places::PlaceEntries PlaceAtBirth(const char* city, const char* country, const places::LocalDateTime& birth) {
  const PlaceLookupResult result = LookUpPlaces(RealAtlas(), city, "", country, 1);
  EXPECT_EQ(result.matches.size(), 1U) << city;
  return places::EntriesForPlace(RealAtlas().PlaceAt(result.matches.at(0).place), places::TzdbTimeZoneRules(), birth);
}

TEST(PlaceRowAndSuggestion, ClockChangesAndOffsetsNoneCanBeGivenFor) {
  // 14 March 2021, 02:30 and 7 November 2021, 01:30 in New York.
  const places::LocalDateTime springForward{2021, 3, 14, 2, 30}, fallBack{2021, 11, 7, 1, 30};
  const PlaceRowTexts row = PlaceRow(PlaceAtBirth("New York City", "US", springForward));
  EXPECT_EQ((std::vector<std::string>{row.name, row.state, row.country, row.latitude, row.longitude, row.timeZone,
                                      row.offset, row.daylightSaving, row.clockChange}),
            (std::vector<std::string>{"New York City", "New York", "United States", "40N43", "74W00",
                                      "America/New_York", "UTC-05:00 EST", "no", "skipped local time"}));
  EXPECT_EQ(ZoneSuggestionText(PlaceAtBirth("New York City", "US", springForward), springForward),
            "Fill In sets the time zone \"Eastern Standard Time,EST,-5.0\" and clears Daylight Saving Time. The birth "
            "time 2:30 never showed on the place's clocks, which were put forward over it; the offset is the one in "
            "force before the change.");
  const places::PlaceEntries repeated = PlaceAtBirth("New York City", "US", fallBack);
  EXPECT_EQ(PlaceRow(repeated).clockChange + ", " + PlaceRow(repeated).daylightSaving, "repeated local time, yes");
  EXPECT_NE(ZoneSuggestionText(repeated, fallBack).find(" 1:30 showed twice on the place's clocks"), std::string::npos);

  // 31 April picked on the form: coordinates only.
  AstroPartnerEntries april31;
  april31.DayPosition = 30;
  april31.MonthPosition = 3;
  april31.YearPosition = 1980 - AstroFirstYear;
  april31.MinutePosition = 5;
  EXPECT_EQ(LocalBirthTimeText(april31), "April 31, 1980, 0:05");
  const places::PlaceEntries noDate = PlaceAtBirth("Pune", "India", LocalBirthTime(april31));
  EXPECT_EQ(PlaceRow(noDate).offset + PlaceRow(noDate).daylightSaving, "unknown");
  EXPECT_EQ(ZoneSuggestionText(noDate, LocalBirthTime(april31)),
            "The birth date on the form is not on the calendar, so no time zone is suggested: Fill In sets the "
            "latitude and longitude only.");
}

}  // namespace
