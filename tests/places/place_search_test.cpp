// The name search over the real atlas: the place a person most likely means
// comes first, and narrowing keeps only the region and country asked for.
#include <gtest/gtest.h>

#include <string>

#include "real_atlas.h"

namespace {

using zentara::places::MatchKind;
using zentara::places::PlaceQuery;
using zentara::places::testing::RealAtlas;

TEST(PlaceSearch, FirstMatchIsThePlaceMeant) {
  struct Case {
    const char* name;
    const char* region;
    const char* country;
    const char* expectedName;
    const char* expectedRegion;
    const char* expectedCountry;
  };
  const Case cases[] = {
      {"London", "", "", "London", "England", "GB"},         // the capital before every other London
      {"Bombay", "", "", "Mumbai", "Maharashtra", "IN"},     // another name, before the village called Bombay
      {"sao paulo", "", "", "São Paulo", "São Paulo", "BR"},  // without its accent
      {"SAO-PAULO", "", "", "São Paulo", "São Paulo", "BR"},
      {"Sa\u0303o Paulo", "", "", "São Paulo", "São Paulo", "BR"},  // the accent as a combining mark (NFD)
      {"Lond", "", "", "London", "England", "GB"},           // a prefix while typing
      {"Münch", "", "", "Munich", "Bavaria", "DE"},          // prefix of another name, München
      {"Springfield", "", "", "Springfield", "Missouri", "US"},  // the largest
      {"Springfield", "Illinois", "", "Springfield", "Illinois", "US"},
      {"Springfield", "IL", "", "Springfield", "Illinois", "US"},
      {"Springfield", "il", "usa", "Springfield", "Illinois", "US"},
      {"London", "", "Canada", "London", "Ontario", "CA"},   // country by name
      {"London", "", "CA", "London", "Ontario", "CA"},       // and by code
      {"Paris", "", "United States", "Paris", "Texas", "US"},
      // GeoNames' own region names, wherever its region codes are not ISO 3166-2 ones
      {"Paris", "", "FR", "Paris", "Île-de-France", "FR"},
      {"Marseille", "", "", "Marseille", "Provence-Alpes-Côte d'Azur", "FR"},
      {"Tokyo", "", "", "Tokyo", "Tokyo", "JP"},
      {"Kyiv", "", "", "Kyiv", "Kyiv City", "UA"},
      {"Tehran", "", "", "Tehran", "Tehran", "IR"},
      // a region by its name, its ISO 3166-2 code or its name in the country's language
      {"London", "Ontario", "", "London", "Ontario", "CA"},
      {"London", "ON", "", "London", "Ontario", "CA"},
      {"Munich", "Bavaria", "", "Munich", "Bavaria", "DE"},
      {"Munich", "Bayern", "", "Munich", "Bavaria", "DE"},
      {"Munich", "BY", "", "Munich", "Bavaria", "DE"},
      {"Perth", "WA", "", "Perth", "Western Australia", "AU"},
      {"Mumbai", "Maharashtra", "", "Mumbai", "Maharashtra", "IN"},
      {"Newcastle", "NSW", "", "Newcastle", "New South Wales", "AU"},  // not Newcastle, KwaZulu-Natal
      {"Newcastle", "New South Wales", "Australia", "Newcastle", "New South Wales", "AU"},
  };
  for (const Case& c : cases) {
    const std::string what = std::string("query '") + c.name + "' region '" + c.region + "' country '" + c.country + "'";
    const auto matches = RealAtlas().Search(PlaceQuery{c.name, c.region, c.country, 5});
    ASSERT_FALSE(matches.empty()) << what;
    const auto first = RealAtlas().PlaceAt(matches.front().place);
    EXPECT_EQ(first.name, c.expectedName) << what;
    EXPECT_EQ(first.regionName, c.expectedRegion) << what;
    EXPECT_EQ(first.countryCode, c.expectedCountry) << what;
  }
}

// Whole names before prefixes, each by population, and only the region and
// country asked for, over every match.
TEST(PlaceSearch, OrderAndNarrowingHoldForEveryMatch) {
  struct Case {
    const char* name;
    const char* region;
    const char* country;
    const char* countryCode;  // every match's, when narrowed by country
  };
  const Case cases[] = {{"London", "", "", ""},           {"san", "", "", ""},
                        {"Springfield", "Illinois", "", ""}, {"ban", "", "India", "IN"},
                        {"ban", "", "ind", "IN"},          {"new", "England", "GB", "GB"}};
  for (const Case& c : cases) {
    const std::string what = std::string("query '") + c.name + "' region '" + c.region + "' country '" + c.country + "'";
    const auto matches = RealAtlas().Search(PlaceQuery{c.name, c.region, c.country, 0});
    ASSERT_FALSE(matches.empty()) << what;
    for (std::size_t i = 0; i < matches.size(); ++i) {
      const auto place = RealAtlas().PlaceAt(matches[i].place);
      if (*c.region) {
        EXPECT_EQ(place.regionName, c.region) << what << ": " << place.name;
      }
      if (*c.countryCode) {
        EXPECT_EQ(place.countryCode, c.countryCode) << what << ": " << place.name;
      }
      if (i == 0) continue;
      const auto previous = RealAtlas().PlaceAt(matches[i - 1].place);
      const bool kindsInOrder = matches[i - 1].kind <= matches[i].kind;
      ASSERT_TRUE(kindsInOrder) << what << ": " << place.name << " listed as a whole name after a prefix match";
      if (matches[i - 1].kind == matches[i].kind) {
        ASSERT_GE(previous.population, place.population) << what << ": " << previous.name << " before " << place.name;
      }
      ASSERT_NE(matches[i - 1].place, matches[i].place) << what << ": " << place.name << " listed twice";
    }
  }
}

// A comma before the region or country, abbreviated saints, forts and mounts,
// and names in their own script.
TEST(PlaceSearch, NamesAsPeopleTypeThem) {
  struct Case {
    const char* name;
    const char* expectedName;
    const char* expectedRegion;
    const char* expectedCountry;
  };
  const Case cases[] = {
      {"Washington, DC", "Washington", "District of Columbia", "US"},  // not Washington, England
      {"Springfield, IL", "Springfield", "Illinois", "US"},
      {"springfield , illinois, usa", "Springfield", "Illinois", "US"},
      {"Springfield, Ill", "Springfield", "Illinois", "US"},  // the last part as it is being typed
      {"Paris, France", "Paris", "Île-de-France", "FR"},
      {"Paris, TX", "Paris", "Texas", "US"},
      {"Ft. Worth", "Fort Worth", "Texas", "US"},
      {"Ft Worth", "Fort Worth", "Texas", "US"},
      {"St. Louis", "St. Louis", "Missouri", "US"},
      {"Saint Louis", "St. Louis", "Missouri", "US"},
      {"St Louis", "St. Louis", "Missouri", "US"},
      {"Москва", "Moscow", "Moscow", "RU"},
      {"МОСКВА", "Moscow", "Moscow", "RU"},
      {"東京", "Tokyo", "Tokyo", "JP"},
      {"القاهرة", "Cairo", "Cairo", "EG"},
  };
  for (const Case& c : cases) {
    const auto matches = RealAtlas().Search(PlaceQuery{c.name, "", "", 3});
    ASSERT_FALSE(matches.empty()) << c.name;
    const auto first = RealAtlas().PlaceAt(matches.front().place);
    EXPECT_EQ(std::string(first.name) + ", " + std::string(first.regionName) + ", " + std::string(first.countryCode),
              std::string(c.expectedName) + ", " + c.expectedRegion + ", " + c.expectedCountry)
        << c.name;
  }
}

TEST(PlaceSearch, AbbreviationsFindAndRankTheSamePlaces) {
  const std::pair<const char*, const char*> pairs[] = {
      {"Mt. Vernon", "Mount Vernon"}, {"Ft Myers", "Fort Myers"}, {"St. Petersburg", "Saint Petersburg"}};
  for (const auto& [abbreviated, full] : pairs) {
    const auto a = RealAtlas().Search(PlaceQuery{abbreviated, "", "", 0});
    const auto b = RealAtlas().Search(PlaceQuery{full, "", "", 0});
    ASSERT_FALSE(a.empty()) << abbreviated;
    ASSERT_EQ(a.size(), b.size()) << abbreviated << " against " << full;
    for (std::size_t i = 0; i < a.size(); ++i) {
      EXPECT_TRUE(a[i].place == b[i].place && a[i].kind == b[i].kind)
          << abbreviated << " against " << full << ", match " << i << ": " << RealAtlas().PlaceAt(a[i].place).name
          << " against " << RealAtlas().PlaceAt(b[i].place).name;
    }
  }
}

TEST(PlaceSearch, NothingForAnEmptyNameNoMatchOrAnUnknownCountry) {
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{" - ", "", "", 5}).empty());
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{"zzqqxxj", "", "", 5}).empty());
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{"London", "", "Atlantis", 5}).empty());
  EXPECT_EQ(RealAtlas().Search(PlaceQuery{"London", "", "", 3}).size(), 3u);
  EXPECT_EQ(RealAtlas().Search(PlaceQuery{"London", "", "", 3}).front().kind, MatchKind::WholeName);
}

}  // namespace
