// A partner's whole chart: the three engine steps and the two chart tables.
#include <gtest/gtest.h>

#include <string>

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/engine/planets/planet_elements.h"
#include "astro/engine/planets/planet_longitude.h"
#include "astro/engine/planets/zodiac_text.h"
#include "worked_births.h"

namespace {

using namespace zentara::modPlanetPosition_Western;
using zentara::BirthMoment;
using zentara::ChartPositions;
using zentara::testing::WorkedChartBirth;

const ChartPositions& ComputeChart(const BirthMoment& birth, bool isMale) {
  const ChartAngles angles = CalculateAngles(birth);
  const std::string moon = zentara::modEphemeris_Western::CalculateMoonPosition(birth);
  return CalculateChart(birth, angles, moon, isMale);
}

TEST(CalculateChart, WorkedChartOf15August1975) {
  const BirthMoment birth = WorkedChartBirth();
  const ChartAngles angles = CalculateAngles(birth);
  EXPECT_EQ(angles.BirthUniversalTime, 9.0);
  EXPECT_EQ(ChartDayNumber(birth, angles.BirthUniversalTime), -8905.125);

  const char* const expected[] = {
      "22 Leo 15",  // 0 Sun
      "07 Sag 42",  // 1 Moon
      "05 Vir 58",  // 2 Mercury
      "10 Vir 23",  // 3 Venus
      "00 Gem 40",  // 4 Mars
      "24 Ari 57",  // 5 Jupiter
      "26 Can 50",  // 6 Saturn
      "29 Lib 21",  // 7 Uranus
      "09 Sag 21",  // 8 Neptune
      "07 Lib 45",  // 9 Pluto
      "25 Sco 40",  // 10 Rahu
      "25 Tau 40",  // 11 Ketu
      "13 Sag 43",  // 12 ascendant
      "24 Vir 56",  // 13 midheaven
  };
  const ChartPositions& chart = ComputeChart(birth, true);
  for (std::size_t slot = 0; slot < zentara::FilledChartSlotCount; ++slot) {
    EXPECT_EQ(chart[slot], expected[slot]) << "slot " << slot;
  }
  EXPECT_EQ(chart[zentara::ChartSlotCount - 1], "") << "slot 14 is never written";
}

TEST(CalculateChart, MaleAndFemaleTablesAreKeptApart) {
  BirthMoment female = WorkedChartBirth();
  female.Year = 1979;
  female.Month = 3;
  const ChartPositions femaleChart = ComputeChart(female, false);
  const ChartPositions maleChart = ComputeChart(WorkedChartBirth(), true);

  EXPECT_EQ(FemaleChartPositions(), femaleChart) << "the male run must leave the female table alone";
  EXPECT_EQ(MaleChartPositions(), maleChart);
  EXPECT_NE(maleChart, femaleChart);
  EXPECT_EQ(FemaleChartPositions()[zentara::ChartSlotCount - 1], "");
  // Identical entries give identical tables.
  EXPECT_EQ(ComputeChart(WorkedChartBirth(), false), MaleChartPositions());
}

TEST(CalculateChart, PlanetsUseTheUniversalTimeOfTheAngles) {
  struct Case {
    const char* what;
    bool daylightSaving;
    int universalHour, universalMinute;  // of the local date
  };
  // 10:00 local at 5:30 east: 04:30 universal time; with daylight saving 03:30.
  const Case cases[] = {{"standard time", false, 4, 30}, {"daylight saving", true, 3, 30}};
  for (const Case& c : cases) {
    BirthMoment birth = WorkedChartBirth();
    birth.Hour = 10;
    birth.Minute = 0;
    birth.DaylightSaving = c.daylightSaving;
    const ChartAngles angles = CalculateAngles(birth);
    const double d = ChartDayNumber(birth, angles.BirthUniversalTime);
    EXPECT_EQ(d, DayNumberJ2000(birth.Year, birth.Month, birth.Day, c.universalHour, c.universalMinute)) << c.what;

    const ChartPositions& chart = ComputeChart(birth, true);
    EXPECT_EQ(chart[zentara::SunSlot], FormatSlotText(FormatZodiacPosition(PlanetLongitude(Earth, d)))) << c.what;
    EXPECT_EQ(chart[zentara::PlutoSlot], FormatSlotText(FormatZodiacPosition(PlanetLongitude(Pluto, d)))) << c.what;
    EXPECT_EQ(chart[zentara::AscendantSlot], FormatSlotText(angles.AscendantText)) << c.what;
  }
}

}  // namespace
