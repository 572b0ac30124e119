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
      {"Bombay", "", "", "Mumbai", "", "IN"},                // another name, before the village called Bombay
      {"sao paulo", "", "", "São Paulo", "", "BR"},          // without its accent
      {"SAO-PAULO", "", "", "São Paulo", "", "BR"},
      {"Lond", "", "", "London", "England", "GB"},           // a prefix while typing
      {"Münch", "", "", "Munich", "", "DE"},            // prefix of another name, München
      {"Springfield", "", "", "Springfield", "Missouri", "US"},  // the largest
      {"Springfield", "Illinois", "", "Springfield", "Illinois", "US"},
      {"Springfield", "IL", "", "Springfield", "Illinois", "US"},
      {"Springfield", "il", "usa", "Springfield", "Illinois", "US"},
      {"London", "", "Canada", "London", "", "CA"},          // country by name
      {"London", "", "CA", "London", "", "CA"},              // and by code
      {"Paris", "", "United States", "Paris", "Texas", "US"},
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

TEST(PlaceSearch, NothingForAnEmptyNameNoMatchOrAnUnknownCountry) {
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{" - ", "", "", 5}).empty());
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{"zzqqxxj", "", "", 5}).empty());
  EXPECT_TRUE(RealAtlas().Search(PlaceQuery{"London", "", "Atlantis", 5}).empty());
  EXPECT_EQ(RealAtlas().Search(PlaceQuery{"London", "", "", 3}).size(), 3u);
  EXPECT_EQ(RealAtlas().Search(PlaceQuery{"London", "", "", 3}).front().kind, MatchKind::WholeName);
}

}  // namespace
