// The astro form's place look-up: the widened search and its status line, and
// the row and suggestion texts where the offset is not plain.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "astro/match/place_lookup.h"
#include "astro/places/zoneinfo_offsets.h"
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

// A state or country that names none, said with the closest names, so that
// the command line refuses it rather than search without it.
TEST(UnknownStateOrCountry, SaysWhichNamesNoneAndTheClosestNames) {
  const std::string pasted(100000, 'x');
  struct Case {
    std::string state, country;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"Bayern", "Germany", std::nullopt},  // by the name in the country's language
      {"ON", "", std::nullopt},            // by code
      {" - ", " ", std::nullopt},          // blank narrows nothing
      {"Mass", "", "No state or region named Mass. Did you mean \"Massachusetts\"?"},
      {"Bavaira", "", "No state or region named Bavaira. Did you mean \"Bavaria\"?"},
      {"Bavaria", "US", "No state or region named Bavaria in US"},  // a region, of another country
      {"Tirol", "Austria", std::nullopt},
      {"Mass", "Unitd States", "No country named Unitd States. Did you mean \"United States\"?"},
      {"", "Germny", "No country named Germny. Did you mean \"Germany\"?"},
      {pasted, "", "No state or region named " + pasted.substr(0, 80) + "..."},
      // bytes that only continue a character (no UTF-8): cut after four for each character shown
      {"Zzqqxxj" + std::string(100000, '\x80'), "",
       "No state or region named Zzqqxxj" + std::string(313, '\x80') + "..."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnknownStateOrCountry(RealAtlas(), c.state, c.country), c.text)
        << c.state.substr(0, 20) << ", " << c.country;
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

// What Fill In writes into the City, State and Country boxes for the place
// found first: the atlas's names in the letters those boxes take.
TEST(PlaceNamesForForm, TheAtlasNamesInTheFormsLetters) {
  struct Case {
    const char *typed, *country;  // as typed in the look-up window
    const char *city, *state, *countryName;
  };
  const Case cases[] = {
      {"Sao Paulo", "Brazil", "Sao Paulo", "Sao Paulo", "Brazil"},            // accents folded
      {"St. Louis", "US", "St Louis", "Missouri", "United States"},            // punctuation a space, runs one
      {"Paris", "France", "Paris", "Ile de France", "France"},                 // the region's English name
      {"Giessen", "Germany", "Giessen", "Hesse", "Germany"},                   // ß ss
      {"Naestved", "Denmark", "Naestved", "Zealand", "Denmark"},               // æ ae
      {"Lodz", "Poland", "Lodz", "Lodz Voivodeship", "Poland"},                // ł l
      {"Thorlakshofn", "Iceland", "Thorlakshofn", "South", "Iceland"},         // þ th
      {"Tromso", "Norway", "Tromso", "", "Norway"},                            // ø o; no region on record
      {"Vatican City", "", "Vatican City", "", "Holy See Vatican City State"},
  };
  for (const Case& c : cases) {
    const PlaceLookupResult result = LookUpPlaces(RealAtlas(), c.typed, "", c.country);
    ASSERT_FALSE(result.matches.empty()) << c.typed;
    const places::FormPlaceNames names = places::PlaceNamesForForm(RealAtlas().PlaceAt(result.matches[0].place));
    EXPECT_EQ(names.city + " | " + names.state + " | " + names.country,
              std::string(c.city) + " | " + c.state + " | " + c.countryName)
        << c.typed << ", " << c.country;
  }
}

}  // namespace
