// The two text forms of a zodiac position.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/engine/planets/zodiac_text.h"

namespace {

using namespace zentara::modPlanetPosition_Western;

TEST(FormatZodiacPosition, WorkedLongitudes) {
  struct Case {
    double longitude;
    const char* expected;
  };
  const Case cases[] = {
      {0, "0° 0' 0\" Ari"},
      {15.5, "15° 30' 0\" Ari"},
      {0.5, "0° 30' 0\" Ari"},
      {35.75, "5° 45' 0\" Tau"},
      {359.999, "29° 59' 56\" Pis"},
      {360 - 1e-9, "29° 59' 59\" Pis"},            // a hair below 360
      {10 + (59 + 59.9 / 60) / 60, "10° 59' 59\" Ari"},  // 59.9 seconds are cut, not carried
      {-15.5, "15° 30' 0\" Ari"},                  // the sign is dropped
      {125.125, "5° 7' 30\" Leo"},
      {300, "0° 0' 0\" Aqu"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatZodiacPosition(c.longitude), c.expected) << "longitude " << c.longitude;
  }
}

TEST(FormatZodiacPosition, NotANumberGivesNoText) {
  EXPECT_EQ(FormatZodiacPosition(std::nan("")), "");
  EXPECT_EQ(FormatZodiacPosition(1e300), "");
}

TEST(FormatSlotText, WorkedPositions) {
  struct Case {
    const char* position;
    const char* expected;
  };
  const Case cases[] = {
      {"5° 7' 9\" Tau", "05 Tau 07"},
      {"25° 40' 0\" Sco", "25 Sco 40"},
      {"15° 30' 0\" Ari", "15 Ari 30"},
      {"5° 7' 0\" Leo", "05 Leo 07"},
      {"0° 0' 0\" Ari", "00 Ari 00"},
      {"29° 59' 59\" Pis", "29 Pis 59"},
      {"  7° 42' 51\" Sag", "07 Sag 42"},  // leading spaces are trimmed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSlotText(c.position), c.expected) << "position '" << c.position << "'";
  }
}

}  // namespace
