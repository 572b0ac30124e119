// Day counts and angle routines of the planetary engine against their worked
// values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <random>
#include <vector>

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/calendar.h"

namespace {

using namespace zentara::modPlanetPosition_Western;

// ReduceRadians of 7 loses the last bits of one full turn to the division and
// the product: it equals 7 minus a turn only to about 1e-15.
constexpr double RadianRoundingTolerance = 1e-14;  // radians

TEST(JulianDayNumber, WorkedDates) {
  struct Case {
    int month, day, year;
    double expected;
  };
  const Case cases[] = {
      {1, 1, 2000, 2451545},   // the J2000 epoch's date
      {10, 4, 1582, 2299160},  // last day of the Julian calendar
      {10, 15, 1582, 2299171},  // uncorrected number exactly 2299171: stays Julian
      {10, 16, 1582, 2299162},  // first corrected day
      {1, 1, 1900, 2415021},
      {4, 12, 1992, 2448725},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected)
        << "date " << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(JulianDayNumber, DayPastMonthEndCountsOn) {
  EXPECT_EQ(JulianDayNumber(2, 31, 1975), JulianDayNumber(3, 3, 1975));
}

TEST(DayNumberJ2000, WorkedMoments) {
  struct Case {
    int year, month, day, hour, minute;
    double expected;
  };
  const Case cases[] = {
      {2000, 1, 1, 12, 0, 0.0},
      {2000, 1, 1, 0, 0, -0.5},
      {1975, 8, 15, 9, 0, -8905.125},
      {1975, 8, 15, 0, 0, -8905.5},
      {2000, 1, 1, 36, 0, 1.0},  // hours past 23 simply shift the count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayNumberJ2000(c.year, c.month, c.day, c.hour, c.minute), c.expected)
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
  }
}

TEST(QuadrantArcTangent, AxesAndQuadrants) {
  struct Case {
    double y, x, expected;
  };
  const Case cases[] = {
      {0, -1, 0},  // not Pi, unlike atan2
      {1, 0, Pi / 2},
      {-1, 0, -Pi / 2},
      {0, 0, 0},
      {1, 1, std::atan(1.0)},
      {1, -1, Pi - std::atan(1.0)},
      {-1, -1, -(Pi - std::atan(1.0))},
      {-1, 1, -std::atan(1.0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuadrantArcTangent(c.y, c.x), c.expected) << "y " << c.y << ", x " << c.x;
  }
}

TEST(NormalizeDegrees, OneCorrectionEachWay) {
  struct Case {
    double degrees, expected;
  };
  const Case cases[] = {
      {-10, 350}, {370, 10}, {360, 360}, {0, 0}, {-400, -40}, {800, 440}, {123.5, 123.5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeDegrees(c.degrees), c.expected) << "input " << c.degrees;
  }
}

TEST(ReduceRadians, WorkedAngles) {
  struct Case {
    double radians, expected;
  };
  const Case cases[] = {
      {-FullTurn, 0}, {0, 0}, {1, 1}, {7, 7 - FullTurn}, {-1, FullTurn - 1}, {-7, 2 * FullTurn - 7},
      {3 * FullTurn + 0.5, 0.5},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ReduceRadians(c.radians), c.expected, RadianRoundingTolerance) << "input " << c.radians;
  }
  // A whole negative turn leaves nothing over, not a full turn.
  EXPECT_EQ(ReduceRadians(-FullTurn), 0.0);
}

TEST(ReduceRadians, NegativeAngleWithinOneTurnGainsExactlyOneTurn) {
  // Between minus one turn and zero the whole part toward zero is 0, so the
  // angle comes back unchanged and gains one turn, to the last bit. Taking the
  // floor (-1) instead rounds differently for these angles.
  for (const double radians : {-0.1, -2.5, -3.0, -4.0, -5.0, -6.0}) {
    EXPECT_EQ(ReduceRadians(radians), FullTurn + radians) << "input " << radians;
  }
}

}  // namespace

// The turn reductions give the very double that repeated subtraction or addition
// of 360 gives: over a seeded sample of the engines' ranges (the Moon's mean
// longitude reaches about 481,000 degrees a century from 2000) and the edges.
TEST(TurnReductions, SameDoubleAsRepeatedSteps) {
  const auto whileAbove = [](double d) { while (d > 360) d -= 360; return d; };
  const auto whileAtLeast = [](double d) { while (d >= 360) d -= 360; return d; };
  const auto whileBelow = [](double d) { while (d < 0) d += 360; return d; };
  std::vector<double> values = {0.0, 360.0, 720.0, 1080.0, -360.0, -720.0, 359.99999999999994, 360.00000000000006,
                                -1e-300, 1e-300, 481267.88134236, -481267.88134236, 36000.5, -0.5};
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> wide(-700000.0, 700000.0);
  for (int i = 0; i < 20000; ++i) values.push_back(wide(random));
  using namespace zentara::modPlanetPosition_Western;
  for (const double value : values) {
    // Bitwise, so that 0.0 and -0.0 would count as different.
    const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    ASSERT_TRUE(same(SubtractTurnsWhileAbove360(value), whileAbove(value))) << std::setprecision(17) << value;
    ASSERT_TRUE(same(SubtractTurnsWhileAtLeast360(value), whileAtLeast(value))) << std::setprecision(17) << value;
    ASSERT_TRUE(same(AddTurnsWhileBelow0(value), whileBelow(value))) << std::setprecision(17) << value;
  }
}
