// Properties every chart and every score must have, over a fixed sample of
// births the entry form accepts (dates 1901 to 2050, any zone row, both
// daylight flags, all four hemispheres, degree and minute boxes of up to three
// digits) and over the corners of those ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/engine/planets/lunar_nodes.h"
#include "astro/engine/planets/planet_elements.h"
#include "astro/engine/planets/planet_longitude.h"
#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/compatibility_score.h"
#include "astro/match/zone_list.h"

namespace {

using namespace zentara::modPlanetPosition_Western;
using zentara::BirthMoment;

constexpr int SampleSize = 3000;
constexpr std::mt19937::result_type SampleSeed = 19750815;

// The last day the entry form lets through for a month: divisibility by 4 is
// its whole leap-year rule.
int LastAcceptedDay(int month, int year) {
  if (month == 2) return year % 4 == 0 ? 29 : 28;
  if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
  return 31;
}

class BirthSampler {
 public:
  BirthMoment Next() {
    BirthMoment birth;
    birth.Year = Pick(1901, 2050);
    birth.Month = Pick(1, 12);
    birth.Day = Pick(1, LastAcceptedDay(birth.Month, birth.Year));
    birth.Hour = Pick(0, 23);
    birth.Minute = Pick(0, 59);
    const int row = Pick(0, static_cast<int>(zentara::TimeZoneRowCount) - 1);
    birth.ZoneHours = zones_.TimeZoneHours[row];
    birth.ZoneMinutes = zones_.TimeZoneMinutes[row];
    birth.DaylightSaving = Pick(0, 1) == 1;
    birth.LatitudeDegrees = Pick(0, 999);
    birth.LatitudeMinutes = Pick(0, 999);
    birth.SouthOfEquator = Pick(0, 1) == 1;
    birth.LongitudeDegrees = Pick(0, 999);
    birth.LongitudeMinutes = Pick(0, 999);
    birth.EastOfGreenwich = Pick(0, 1) == 1;
    return birth;
  }

 private:
  // Raw engine output, so the sample is the same with every standard library.
  std::int16_t Pick(int lowest, int highest) {
    return static_cast<std::int16_t>(lowest + static_cast<int>(engine_() % (highest - lowest + 1)));
  }
  std::mt19937 engine_{SampleSeed};
  const zentara::TimeZoneTable& zones_ = zentara::LoadTimeZoneTable();
};

std::string Describe(const BirthMoment& b) {
  std::ostringstream out;
  out << b.Year << "-" << b.Month << "-" << b.Day << " " << b.Hour << ":" << b.Minute << " zone "
      << b.ZoneHours << ":" << b.ZoneMinutes << (b.DaylightSaving ? " DST" : "") << " lat "
      << b.LatitudeDegrees << (b.SouthOfEquator ? "S" : "N") << b.LatitudeMinutes << " lon "
      << b.LongitudeDegrees << (b.EastOfGreenwich ? "E" : "W") << b.LongitudeMinutes;
  return out.str();
}

// The sign index 0 to 11 of a well-formed slot text "DD Key MM" (degrees 00
// to 29, minutes 00 to 59), or -1.
int SignOfSlotText(const std::string& text) {
  if (text.size() != 9 || text[2] != ' ' || text[6] != ' ') return -1;
  for (const std::size_t digit : {0u, 1u, 7u, 8u}) {
    if (text[digit] < '0' || text[digit] > '9') return -1;
  }
  if (std::stoi(text.substr(0, 2)) > 29 || std::stoi(text.substr(7, 2)) > 59) return -1;
  const auto key = SignKeys.find(text.substr(3, 3));
  if (key == std::string_view::npos || key % 3 != 0) return -1;
  return static_cast<int>(key / 3);
}

bool IsLongitude(double degrees) { return std::isfinite(degrees) && degrees >= 0 && degrees < 360; }

// Fourteen well-formed slots, Rahu and Ketu six signs apart.
void ExpectWellFormedChart(const zentara::ChartPositions& chart, const std::string& what) {
  for (std::size_t slot = 0; slot < zentara::FilledChartSlotCount; ++slot) {
    ASSERT_NE(SignOfSlotText(chart[slot]), -1) << what << ": slot " << slot << " '" << chart[slot] << "'";
  }
  const int rahu = SignOfSlotText(chart[zentara::NorthNodeSlot]);
  const int ketu = SignOfSlotText(chart[zentara::SouthNodeSlot]);
  ASSERT_EQ((ketu - rahu + 12) % 12, 6) << what << ": Rahu " << chart[zentara::NorthNodeSlot] << ", Ketu "
                                        << chart[zentara::SouthNodeSlot];
}

void ExpectScoreInRange(const zentara::CompatibilityScore& s, const std::string& what) {
  const auto figure = [](std::int32_t value) { return value >= 0 && value <= 870 && value % 30 == 0; };
  const std::set<std::string_view> comments = {"Very Bad", "Bad", "Average", "Good", "Very Good"};
  ASSERT_TRUE(figure(s.Power) && figure(s.Harmony) && s.PH >= 0 && s.PH <= 7569 && s.Percentage >= 0 &&
              s.Percentage <= 75 && comments.contains(s.Comment))
      << what << ": Power " << s.Power << ", Harmony " << s.Harmony << ", PH " << s.PH << ", Percentage "
      << s.Percentage << ", '" << s.Comment << "'";
}

// The chart of `birth` into the male table for even `i`, the female table for
// odd `i`; after an odd `i` the couple i - 1 and i is scored.
void ExpectSoundChartAndScore(const BirthMoment& birth, int i, const std::string& what) {
  const ChartAngles angles = CalculateAngles(birth);
  ASSERT_TRUE(std::isfinite(angles.BirthUniversalTime)) << what;
  const auto& chart = CalculateChart(birth, angles, zentara::modEphemeris_Western::CalculateMoonPosition(birth),
                                     i % 2 == 0);
  ExpectWellFormedChart(chart, what);
  if (i % 2 == 1) ExpectScoreInRange(zentara::ScoreCompatibility(MaleChartPositions(), FemaleChartPositions()), what);
}

TEST(ChartInvariants, SampleOfAcceptedBirths) {
  BirthSampler sampler;
  for (int i = 0; i < SampleSize; ++i) {
    const BirthMoment birth = sampler.Next();
    const std::string what = Describe(birth);

    const ChartAngles angles = CalculateAngles(birth);
    const double moon = zentara::modEphemeris_Western::MoonLongitude(birth);
    const double d = ChartDayNumber(birth, angles.BirthUniversalTime);
    ASSERT_TRUE(std::isfinite(d)) << what;
    ASSERT_TRUE(IsLongitude(angles.Ascendant)) << what << ": ascendant " << angles.Ascendant;
    ASSERT_TRUE(IsLongitude(angles.Midheaven)) << what << ": midheaven " << angles.Midheaven;
    ASSERT_TRUE(IsLongitude(moon)) << what << ": Moon " << moon;
    ASSERT_TRUE(IsLongitude(NorthNodeLongitude(d))) << what << ": Rahu " << NorthNodeLongitude(d);
    for (int body = 0; body < PlanetBodyCount; ++body) {
      ASSERT_TRUE(IsLongitude(PlanetLongitude(body, d))) << what << ": body " << body;
    }
    ExpectSoundChartAndScore(birth, i, what);
    if (HasFatalFailure()) return;
  }
}

// Every combination of the ranges' ends, one bit each: first and last year,
// day and minute, zone rows 0 and 70, both daylight flags, all hemispheres, and
// each degree and minute box 0 or 999.
TEST(ChartInvariants, CornersOfTheEntryRanges) {
  const zentara::TimeZoneTable& zones = zentara::LoadTimeZoneTable();
  for (int corner = 0; corner < 1 << 11; ++corner) {
    const auto bit = [corner](int n) { return ((corner >> n) & 1) == 1; };
    const auto box = [&bit](int n) { return static_cast<std::int16_t>(bit(n) ? 999 : 0); };
    BirthMoment birth;
    birth.Year = bit(0) ? 2050 : 1901;
    birth.Month = bit(1) ? 12 : 1;
    birth.Day = bit(1) ? 31 : 1;
    birth.Hour = bit(2) ? 23 : 0;
    birth.Minute = bit(2) ? 59 : 0;
    const std::size_t row = bit(3) ? zentara::TimeZoneRowCount - 1 : 0;
    birth.ZoneHours = zones.TimeZoneHours[row];
    birth.ZoneMinutes = zones.TimeZoneMinutes[row];
    birth.DaylightSaving = bit(4);
    birth.SouthOfEquator = bit(5);
    birth.EastOfGreenwich = bit(6);
    birth.LatitudeDegrees = box(7);
    birth.LatitudeMinutes = box(8);
    birth.LongitudeDegrees = box(9);
    birth.LongitudeMinutes = box(10);
    ExpectSoundChartAndScore(birth, corner, Describe(birth));
    if (HasFatalFailure()) return;
  }
}

// Every pair of the Moons' whole degrees within their signs.
TEST(ScoreInvariants, EveryPairOfMoonDegrees) {
  for (int male = 0; male < 30; ++male) {
    for (int female = 0; female < 30; ++female) {
      ExpectScoreInRange(zentara::ScoreMoonDegrees(male, female),
                         "Moons at " + std::to_string(male) + " and " + std::to_string(female) + " degrees");
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
