// The astro entry checks in their order, the key filters with the paste rule,
// and the place look-up's checks and search text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "astro/match/astro_entries.h"
#include "astro/match/key_filters.h"
#include "web/place_search.h"

namespace {

using namespace zentara;

AstroPartnerEntries ValidPartner(const char* name) {
  AstroPartnerEntries p;
  p.Name = name;
  p.LatitudeDegrees = "28", p.LatitudeMinutes = "36";
  p.LongitudeDegrees = "77", p.LongitudeMinutes = "13";
  p.City = "New Delhi", p.State = "Delhi", p.Country = "India";
  return p;
}

AstroEntries Valid() { return {ValidPartner("Arjun"), ValidPartner("Priya")}; }

std::string Describe(const std::optional<AstroCheckFailure>& failure) {
  return failure ? std::string(failure->Message) : std::string("(passes)");
}

// Breaking the entries one more step at a time, from the last check to the
// first: each row's check is then the first that fails.
TEST(CheckAstroEntries, EveryCheckInItsOrder) {
  using E = AstroEntries;
  using F = AstroField;
  using I = CheckIcon;
  using D = DirectionDefault;
  using P = Partner;
  struct Row {
    int step;
    std::function<void(E&)> breakIt;
    const char* message;
    I icon;
    P partner;
    std::optional<F> focus;
    std::optional<D> select;
  };
  const Row rows[] = {
      {24, [](E& e) { e.Female.MonthPosition = 3, e.Female.DayPosition = 30; },
       "Please Enter Your Partner's Correct Date Or Month !", I::Information, P::Female, {}, {}},
      {23, [](E& e) { e.Female.MonthPosition = 1; },
       "Please Enter Your Partner's Correct Date Or Month!", I::Information, P::Female, {}, {}},
      {22, [](E& e) { e.Male.MonthPosition = 5, e.Male.DayPosition = 30; },
       "Please Enter Your Correct Date Or Month !", I::Information, P::Male, {}, {}},
      {21, [](E& e) { e.Male.MonthPosition = 1; },
       "Please Enter Your Correct Date Or Month!", I::Information, P::Male, {}, {}},
      {20, [](E& e) { e.Female.LongitudeDirection = EastWest::Neither; },
       "Please Select Direction For The Longitude", I::Critical, P::Female, {}, D::East},
      {19, [](E& e) { e.Female.LatitudeDirection = NorthSouth::Neither; },
       "Please Select Direction For The Latitude", I::Critical, P::Female, {}, D::North},
      {18, [](E& e) { e.Female.Country = ""; }, "Please Enter Country", I::Critical, P::Female, F::Country, {}},
      {17, [](E& e) { e.Female.State = ""; }, "Please Enter State", I::Critical, P::Female, F::State, {}},
      {16, [](E& e) { e.Female.City = ""; }, "Please Enter City", I::Critical, P::Female, F::City, {}},
      {15, [](E& e) { e.Female.LongitudeMinutes = ""; }, "Please Enter Minutes in Longitude", I::Critical,
       P::Female, F::LongitudeMinutes, {}},
      {14, [](E& e) { e.Female.LongitudeDegrees = ""; }, "Please Enter Degree in Longitude", I::Critical,
       P::Female, F::LongitudeDegrees, {}},
      {13, [](E& e) { e.Female.LatitudeMinutes = ""; }, "Please Enter Minutes in Latitude", I::Critical,
       P::Female, F::LatitudeMinutes, {}},
      {12, [](E& e) { e.Female.LatitudeDegrees = ""; }, "Please Enter Degree in Latitude", I::Critical,
       P::Female, F::LatitudeDegrees, {}},
      {11, [](E& e) { e.Female.Name = ""; }, "Please Enter Female Name", I::Critical, P::Female, F::Name, {}},
      {10, [](E& e) { e.Male.LongitudeDirection = EastWest::Neither; },
       "Please Select Direction For The Longitude", I::Critical, P::Male, {}, D::East},
      {9, [](E& e) { e.Male.LatitudeDirection = NorthSouth::Neither; },
       "Please Select Direction For The Latitude", I::Critical, P::Male, {}, D::North},
      {8, [](E& e) { e.Male.Country = ""; }, "Please Enter Country", I::Critical, P::Male, F::Country, {}},
      {7, [](E& e) { e.Male.State = ""; }, "Please Enter State", I::Critical, P::Male, F::State, {}},
      {6, [](E& e) { e.Male.City = ""; }, "Please Enter City", I::Critical, P::Male, F::City, {}},
      {5, [](E& e) { e.Male.LongitudeMinutes = ""; }, "Please Enter Minute in Longitude", I::Critical, P::Male,
       F::LongitudeMinutes, {}},
      {4, [](E& e) { e.Male.LongitudeDegrees = ""; }, "Please Enter Degree in Longitude", I::Critical, P::Male,
       F::LongitudeDegrees, {}},
      {3, [](E& e) { e.Male.LatitudeMinutes = ""; }, "Please Enter Minutes in Latitude", I::Critical, P::Male,
       F::LatitudeMinutes, {}},
      {2, [](E& e) { e.Male.LatitudeDegrees = ""; }, "Please Enter Degree in Latitude", I::Critical, P::Male,
       F::LatitudeDegrees, {}},
      {1, [](E& e) { e.Male.Name = ""; }, "Please Enter Male Name", I::Critical, P::Male, F::Name, {}},
  };
  E entries = Valid();
  ASSERT_FALSE(CheckAstroEntries(entries)) << Describe(CheckAstroEntries(entries));
  for (const Row& row : rows) {
    row.breakIt(entries);
    const auto failure = CheckAstroEntries(entries);
    ASSERT_TRUE(failure) << "step " << row.step << ": expected " << row.message;
    EXPECT_EQ(failure->Message, row.message) << "step " << row.step;
    EXPECT_EQ(failure->Icon, row.icon) << "step " << row.step;
    EXPECT_EQ(failure->Of, row.partner) << "step " << row.step;
    EXPECT_EQ(failure->Focus, row.focus) << "step " << row.step;
    EXPECT_EQ(failure->Select, row.select) << "step " << row.step;
  }
}

TEST(CheckAstroEntries, WhatPasses) {
  AstroEntries entries = Valid();
  entries.Male.Name = " ";  // nothing is trimmed
  entries.Male.LatitudeMinutes = "999";  // no range check
  entries.Male.MonthPosition = 1, entries.Male.DayPosition = 28, entries.Male.YearPosition = 3;  // 29 Feb 1904
  entries.Female.LatitudeDirection = NorthSouth::South;
  entries.Female.LongitudeDirection = EastWest::West;
  EXPECT_EQ(Describe(CheckAstroEntries(entries)), "(passes)");
  entries.Male.YearPosition = 0;  // 29 Feb 1901
  EXPECT_EQ(Describe(CheckAstroEntries(entries)), "Please Enter Your Correct Date Or Month!");
}

TEST(CheckPlaceEntries, CityStateCountryThenTheSearchText) {
  AstroPartnerEntries place = ValidPartner("");
  EXPECT_FALSE(CheckPlaceEntries(place, Partner::Male)) << "the look-up needs no name or coordinates";
  EXPECT_EQ(PlaceSearchText(place), "New Delhi Delhi India Latitude Longitude");
  place.Country = "";
  EXPECT_EQ(CheckPlaceEntries(place, Partner::Female)->Focus, AstroField::Country);
  place.State = "";
  EXPECT_EQ(CheckPlaceEntries(place, Partner::Female)->Message, "Please Enter State");
  place.City = "";
  const auto failure = CheckPlaceEntries(place, Partner::Female);
  EXPECT_EQ(failure->Message, "Please Enter City");
  EXPECT_EQ(failure->Focus, AstroField::City);
  EXPECT_EQ(failure->Icon, CheckIcon::Critical);
  EXPECT_EQ(PlaceSearchText(place), "   Latitude Longitude");
}

TEST(PlaceSearchAddress, EncodesTheSearchText) {
  EXPECT_EQ(PlaceSearchAddress("https://s.example/?q=", "New Delhi Delhi India Latitude Longitude"),
            "https://s.example/?q=New%20Delhi%20Delhi%20India%20Latitude%20Longitude");
  EXPECT_EQ(PercentEncode("a&b=c/d?~_.-"), "a%26b%3Dc%2Fd%3F~_.-");
  EXPECT_EQ(PercentEncode("\xC3\xA9"), "%C3%A9");
}

TEST(KeyFilters, KeysTypedAndTextsPasted) {
  struct Row {
    int code;
    bool letters, digits;
  };
  const Row keys[] = {
      {'A', true, false}, {'Z', true, false}, {'a', true, false}, {'z', true, false},
      {' ', true, false}, {'0', false, true}, {'9', false, true}, {8, true, true},
      {127, true, true},  {'-', false, false}, {'.', false, false}, {'@', false, false},
      {'[', false, false}, {'`', false, false}, {'{', false, false}, {13, false, false},
      {27, false, false},  {22, false, false},  {233, false, false}, {'/', false, false},
      {':', false, false},
  };
  for (const Row& key : keys) {
    EXPECT_EQ(KeyAccepted(KeyFilter::Letters, key.code), key.letters) << "letters, key " << key.code;
    EXPECT_EQ(KeyAccepted(KeyFilter::Digits, key.code), key.digits) << "digits, key " << key.code;
  }
  struct TextRow {
    const char* text;
    bool letters, digits;
  };
  const TextRow texts[] = {
      {"New York", true, false}, {"123", false, true}, {"12a", false, false}, {"-5", false, false},
      {"1.5", false, false},     {"", true, true},     {"\b", false, false},  {"\x7f", false, false},
      {"S\xC3\xA3o Paulo", false, false}, {"Delhi\n", false, false},
  };
  for (const TextRow& row : texts) {
    EXPECT_EQ(TextAccepted(KeyFilter::Letters, row.text), row.letters) << "letters, text '" << row.text << "'";
    EXPECT_EQ(TextAccepted(KeyFilter::Digits, row.text), row.digits) << "digits, text '" << row.text << "'";
  }
  EXPECT_EQ(RefusalMessage(KeyFilter::Letters), "Please enter only letters");
  EXPECT_EQ(RefusalMessage(KeyFilter::Digits), "Please enter only numbers");
  EXPECT_TRUE(RefusalRefocuses(KeyFilter::Letters));
  EXPECT_FALSE(RefusalRefocuses(KeyFilter::Digits));
}

}  // namespace
