// The astro entry checks in their order, the key filters with the paste rule,
// and the place look-up's checks and search text.
#include <gtest/gtest.h>

#include <functional>

#include "astro/match/astro_entries.h"
#include "astro/match/key_filters.h"
#include "web/web_search_address.h"

namespace {

using namespace zentara;
using E = AstroPartnerEntries;

E ValidPartner(const char* name) {
  E p;
  p.Name = name, p.LatitudeDegrees = "28", p.LatitudeMinutes = "36", p.LongitudeDegrees = "77";
  p.LongitudeMinutes = "13", p.City = "New Delhi", p.State = "Delhi", p.Country = "India";
  return p;
}

std::string Describe(const std::optional<AstroCheckFailure>& failure) {
  return failure ? std::string(failure->Message) : std::string("(passes)");
}

// Breaking the entries one more step at a time, from the last check to the
// first: each row's check is then the first that fails.
TEST(CheckAstroEntries, EveryCheckInItsOrder) {
  using F = AstroField;
  using D = DirectionDefault;
  constexpr auto Male = Partner::Male, Female = Partner::Female;
  constexpr auto Critical = CheckIcon::Critical, Info = CheckIcon::Information;
  using Change = std::function<void(E&)>;
  const auto clear = [](std::string E::*text) -> Change { return [text](E& e) { e.*text = ""; }; };
  struct Row {
    int step;
    Partner partner;
    Change change;
    const char* message;
    CheckIcon icon;
    std::optional<F> focus;
    std::optional<D> select;
  };
  const Row rows[] = {
      {24, Female, [](E& e) { e.MonthPosition = 3, e.DayPosition = 30; },
       "Please Enter Your Partner's Correct Date Or Month !", Info, {}, {}},
      {23, Female, [](E& e) { e.MonthPosition = 1; }, "Please Enter Your Partner's Correct Date Or Month!", Info, {}, {}},
      {22, Male, [](E& e) { e.MonthPosition = 5, e.DayPosition = 30; }, "Please Enter Your Correct Date Or Month !", Info, {}, {}},
      {21, Male, [](E& e) { e.MonthPosition = 1; }, "Please Enter Your Correct Date Or Month!", Info, {}, {}},
      {20, Female, [](E& e) { e.LongitudeDirection = EastWest::Neither; },
       "Please Select Direction For The Longitude", Critical, {}, D::East},
      {19, Female, [](E& e) { e.LatitudeDirection = NorthSouth::Neither; },
       "Please Select Direction For The Latitude", Critical, {}, D::North},
      {18, Female, clear(&E::Country), "Please Enter Country", Critical, F::Country, {}},
      {17, Female, clear(&E::State), "Please Enter State", Critical, F::State, {}},
      {16, Female, clear(&E::City), "Please Enter City", Critical, F::City, {}},
      {15, Female, clear(&E::LongitudeMinutes), "Please Enter Minutes in Longitude", Critical, F::LongitudeMinutes, {}},
      {14, Female, clear(&E::LongitudeDegrees), "Please Enter Degree in Longitude", Critical, F::LongitudeDegrees, {}},
      {13, Female, clear(&E::LatitudeMinutes), "Please Enter Minutes in Latitude", Critical, F::LatitudeMinutes, {}},
      {12, Female, clear(&E::LatitudeDegrees), "Please Enter Degree in Latitude", Critical, F::LatitudeDegrees, {}},
      {11, Female, clear(&E::Name), "Please Enter Female Name", Critical, F::Name, {}},
      {10, Male, [](E& e) { e.LongitudeDirection = EastWest::Neither; },
       "Please Select Direction For The Longitude", Critical, {}, D::East},
      {9, Male, [](E& e) { e.LatitudeDirection = NorthSouth::Neither; },
       "Please Select Direction For The Latitude", Critical, {}, D::North},
      {8, Male, clear(&E::Country), "Please Enter Country", Critical, F::Country, {}},
      {7, Male, clear(&E::State), "Please Enter State", Critical, F::State, {}},
      {6, Male, clear(&E::City), "Please Enter City", Critical, F::City, {}},
      {5, Male, clear(&E::LongitudeMinutes), "Please Enter Minute in Longitude", Critical, F::LongitudeMinutes, {}},
      {4, Male, clear(&E::LongitudeDegrees), "Please Enter Degree in Longitude", Critical, F::LongitudeDegrees, {}},
      {3, Male, clear(&E::LatitudeMinutes), "Please Enter Minutes in Latitude", Critical, F::LatitudeMinutes, {}},
      {2, Male, clear(&E::LatitudeDegrees), "Please Enter Degree in Latitude", Critical, F::LatitudeDegrees, {}},
      {1, Male, clear(&E::Name), "Please Enter Male Name", Critical, F::Name, {}},
  };
  AstroEntries entries{ValidPartner("Arjun"), ValidPartner("Priya")};
  ASSERT_FALSE(CheckAstroEntries(entries)) << Describe(CheckAstroEntries(entries));
  for (const Row& row : rows) {
    row.change(row.partner == Male ? entries.Male : entries.Female);
    const auto failure = CheckAstroEntries(entries);
    ASSERT_TRUE(failure) << "step " << row.step << ": expected " << row.message;
    EXPECT_EQ(failure->Message, row.message) << "step " << row.step;
    EXPECT_EQ(std::make_tuple(failure->Icon, failure->Of, failure->Focus, failure->Select),
              std::make_tuple(row.icon, row.partner, row.focus, row.select))
        << "step " << row.step;
  }
}

TEST(CheckAstroEntries, SpacesLargeNumbersAndLeapDaysPass) {
  AstroEntries entries{ValidPartner(" "), ValidPartner("Priya")};  // nothing is trimmed
  entries.Male.LatitudeMinutes = "999";                             // no range check
  entries.Male.MonthPosition = 1, entries.Male.DayPosition = 28, entries.Male.YearPosition = 3;  // 29 Feb 1904
  EXPECT_EQ(Describe(CheckAstroEntries(entries)), "(passes)");
  entries.Male.YearPosition = 0;  // 1901
  EXPECT_EQ(Describe(CheckAstroEntries(entries)), "Please Enter Your Correct Date Or Month!");
}

TEST(PlaceLookUp, ChecksCityStateCountryThenSearches) {
  E place = ValidPartner("");
  EXPECT_FALSE(CheckPlaceEntries(place, Partner::Male)) << "the look-up needs no name or coordinates";
  EXPECT_EQ(PlaceSearchAddress("https://s.example/?q=", PlaceSearchText(place)),
            "https://s.example/?q=New%20Delhi%20Delhi%20India%20Latitude%20Longitude");
  EXPECT_EQ(PercentEncode("a&b=c/\xC3\xA9~_.-"), "a%26b%3Dc%2F%C3%A9~_.-");
  place.Country = place.State = "";
  const auto failure = CheckPlaceEntries(place, Partner::Female);
  EXPECT_EQ(Describe(failure), "Please Enter State");
  EXPECT_EQ(std::make_tuple(failure->Icon, failure->Of, failure->Focus),
            std::make_tuple(CheckIcon::Critical, Partner::Female, std::optional{AstroField::State}));
}

// The boundaries of both filters; the form's tests type and paste for real.
TEST(KeyFilters, KeysTypedAndTextsPutInAtOnce) {
  const std::tuple<int, bool, bool> keys[] = {{'A', 1, 0}, {'Z', 1, 0}, {'a', 1, 0}, {'z', 1, 0}, {' ', 1, 0},
                                              {'0', 0, 1}, {'9', 0, 1}, {8, 1, 1},    {127, 1, 1},  {'@', 0, 0},
                                              {'[', 0, 0}, {'`', 0, 0}, {'{', 0, 0},  {'/', 0, 0},  {':', 0, 0},
                                              {'-', 0, 0}, {13, 0, 0},  {233, 0, 0}};
  for (const auto& [code, letters, digits] : keys) {
    EXPECT_EQ(std::make_pair(KeyAccepted(KeyFilter::Letters, code), KeyAccepted(KeyFilter::Digits, code)),
              std::make_pair(letters, digits))
        << "key " << code;
  }
  const std::tuple<const char*, bool, bool> texts[] = {
      {"New York", 1, 0}, {"123", 0, 1}, {"12a", 0, 0}, {"", 1, 1}, {"\b\x7f", 0, 0}, {"S\xC3\xA3o", 0, 0}};
  for (const auto& [text, letters, digits] : texts) {
    EXPECT_EQ(std::make_pair(TextAccepted(KeyFilter::Letters, text), TextAccepted(KeyFilter::Digits, text)),
              std::make_pair(letters, digits))
        << "text '" << text << "'";
  }
  EXPECT_EQ(RefusalMessage(KeyFilter::Letters), "Please enter only letters");
  EXPECT_EQ(RefusalMessage(KeyFilter::Digits), "Please enter only numbers");
  EXPECT_TRUE(RefusalRefocuses(KeyFilter::Letters) && !RefusalRefocuses(KeyFilter::Digits));
}

}  // namespace
