// The match from entries to result: each partner's BirthMoment, both charts,
// the Moon score, the report's date text and the report frame's placement.
#include <gtest/gtest.h>

#include <string>

#include "astro/match/astro_match.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/report_layout.h"
#include "worked_births.h"

namespace {

using namespace zentara;

AstroPartnerEntries Place(int zoneRow, NorthSouth ns, EastWest ew) {
  AstroPartnerEntries p;
  p.Name = "A";
  p.LatitudeDegrees = "10", p.LatitudeMinutes = "5", p.LongitudeDegrees = "20", p.LongitudeMinutes = "7";
  p.City = p.State = p.Country = "X";
  p.ZoneRow = zoneRow, p.LatitudeDirection = ns, p.LongitudeDirection = ew;
  return p;
}

// The worked chart birth of the engine tests, as typed into the form.
AstroPartnerEntries WorkedChartEntries() {
  AstroPartnerEntries p = Place(34, NorthSouth::North, EastWest::East);
  p.DayPosition = 14, p.MonthPosition = 7, p.YearPosition = 1975 - 1901;
  p.HourPosition = 14, p.MinutePosition = 30;
  p.LatitudeDegrees = "28", p.LatitudeMinutes = "36", p.LongitudeDegrees = "77", p.LongitudeMinutes = "13";
  return p;
}

TEST(BirthMomentFromEntries, PlacesAndZoneRows) {
  struct Row {
    const char* place;
    int zoneRow;
    NorthSouth ns;
    EastWest ew;
    int zoneHours, zoneMinutes;
    bool east, south;
  };
  const Row rows[] = {
      {"India", 34, NorthSouth::North, EastWest::East, 5, 30, true, false},
      {"New York", 27, NorthSouth::North, EastWest::West, 5, 0, false, false},
      {"Sydney", 8, NorthSouth::South, EastWest::East, 10, 0, true, true},
      {"Buenos Aires", 14, NorthSouth::South, EastWest::West, 3, 0, false, true},
      {"Greenwich", 29, NorthSouth::North, EastWest::West, 0, 0, false, false},
      {"Universal Time", 61, NorthSouth::North, EastWest::West, 0, 0, false, false},
      {"Newfoundland", 50, NorthSouth::North, EastWest::West, 3, 30, false, false},
      {"fresh form", 0, NorthSouth::North, EastWest::East, 9, 0, true, false},
  };
  const TimeZoneTable zones = LoadTimeZoneTable();
  for (const Row& row : rows) {
    const auto birth = BirthMomentFromEntries(Place(row.zoneRow, row.ns, row.ew), zones);
    ASSERT_TRUE(birth) << row.place;
    EXPECT_EQ(birth->ZoneHours, row.zoneHours) << row.place;
    EXPECT_EQ(birth->ZoneMinutes, row.zoneMinutes) << row.place;
    EXPECT_EQ(birth->EastOfGreenwich, row.east) << row.place;
    EXPECT_EQ(birth->SouthOfEquator, row.south) << row.place;
  }
}

TEST(BirthMomentFromEntries, DatesTimesAndNumbers) {
  const TimeZoneTable zones = LoadTimeZoneTable();
  const auto worked = BirthMomentFromEntries(WorkedChartEntries(), zones);
  ASSERT_TRUE(worked);
  const BirthMoment expected = zentara::testing::WorkedChartBirth();
  EXPECT_EQ(std::make_tuple(worked->Month, worked->Day, worked->Year, worked->Hour, worked->Minute),
            std::make_tuple(expected.Month, expected.Day, expected.Year, expected.Hour, expected.Minute));
  EXPECT_EQ(std::make_tuple(worked->LatitudeDegrees, worked->LatitudeMinutes, worked->LongitudeDegrees,
                            worked->LongitudeMinutes, worked->DaylightSaving),
            std::make_tuple(expected.LatitudeDegrees, expected.LatitudeMinutes, expected.LongitudeDegrees,
                            expected.LongitudeMinutes, expected.DaylightSaving));

  AstroPartnerEntries p = WorkedChartEntries();
  p.MonthPosition = 2, p.DaylightSaving = true, p.LatitudeMinutes = "999", p.LongitudeDegrees = "007";
  const auto march = BirthMomentFromEntries(p, zones);
  ASSERT_TRUE(march);
  EXPECT_EQ(march->Month, 3);
  EXPECT_TRUE(march->DaylightSaving);
  EXPECT_EQ(march->LatitudeMinutes, 999);
  EXPECT_EQ(march->LongitudeDegrees, 7);
  p.MonthPosition = 11;
  EXPECT_EQ(BirthMomentFromEntries(p, zones)->Month, 12);
}

TEST(BirthMomentFromEntries, RefusesWhatNoBoxOrListHolds) {
  const TimeZoneTable zones = LoadTimeZoneTable();
  for (const char* text : {"", "12a", "1234", "-5", " 5", "1.5", "\xD9\xA1"}) {
    AstroPartnerEntries p = WorkedChartEntries();
    p.LongitudeMinutes = text;
    EXPECT_FALSE(BirthMomentFromEntries(p, zones)) << "longitude minutes '" << text << "'";
  }
  const std::pair<int AstroPartnerEntries::*, int> outside[] = {
      {&AstroPartnerEntries::DayPosition, 31},   {&AstroPartnerEntries::MonthPosition, -1},
      {&AstroPartnerEntries::YearPosition, 150}, {&AstroPartnerEntries::HourPosition, 24},
      {&AstroPartnerEntries::MinutePosition, 60}, {&AstroPartnerEntries::ZoneRow, 71},
  };
  for (const auto& [field, position] : outside) {
    AstroPartnerEntries p = WorkedChartEntries();
    p.*field = position;
    EXPECT_FALSE(BirthMomentFromEntries(p, zones)) << "position " << position;
  }
}

TEST(AstroBirthDateText, MonthNameDayAndYear) {
  AstroPartnerEntries p;
  EXPECT_EQ(AstroBirthDateText(p), "January 1, 1901");
  EXPECT_EQ(AstroBirthDateText(WorkedChartEntries()), "August 15, 1975");
  p.MonthPosition = 11, p.DayPosition = 30, p.YearPosition = 149;
  EXPECT_EQ(AstroBirthDateText(p), "December 31, 2050");
}

TEST(ScoreMoonDegrees, PowerHarmonyAndComment) {
  struct Row {
    int male, female;
    int power, harmony, ph, percentage;
    const char* comment;
  };
  const Row rows[] = {
      {15, 20, 450, 600, 2700, 27, "Bad"},       {5, 12, 150, 360, 540, 5, "Very Bad"},
      {0, 12, 0, 360, 0, 0, "Very Bad"},         {12, 0, 360, 0, 0, 0, "Very Bad"},
      {15, 15, 450, 450, 2025, 20, "Very Bad"},  {16, 15, 480, 450, 2160, 21, "Bad"},
      {25, 18, 750, 540, 4050, 40, "Bad"},       {20, 23, 600, 690, 4140, 41, "Average"},
      {29, 23, 870, 690, 6003, 60, "Average"},   {29, 24, 870, 720, 6264, 62, "Good"},
      {29, 29, 870, 870, 7569, 75, "Good"},
  };
  for (const Row& row : rows) {
    const CompatibilityScore s = ScoreMoonDegrees(row.male, row.female);
    const auto swapped = ScoreMoonDegrees(row.female, row.male);
    const std::string moons = std::to_string(row.male) + "/" + std::to_string(row.female);
    EXPECT_EQ(std::make_tuple(s.Power, s.Harmony, s.PH, s.Percentage, std::string(s.Comment)),
              std::make_tuple(row.power, row.harmony, row.ph, row.percentage, std::string(row.comment)))
        << "Moons " << moons;
    EXPECT_EQ(std::make_tuple(swapped.Power, swapped.Harmony, swapped.PH, swapped.Percentage, swapped.Comment),
              std::make_tuple(s.Harmony, s.Power, s.PH, s.Percentage, s.Comment))
        << "exchanged Moons " << moons;
  }
  for (const auto& [percentage, comment] : {std::pair{80, "Good"}, {81, "Very Good"}, {100, "Very Good"}}) {
    EXPECT_EQ(CompatibilityComment(percentage), comment) << percentage << "%";
  }
}

TEST(ScoreCompatibility, ReadsTheMoonSlotsDegrees) {
  ChartPositions male{}, female{};
  male[MoonSlot] = "05 Leo 59", female[MoonSlot] = "12 Pis 00";
  male[SunSlot] = "29 Ari 59";  // no other slot counts
  const CompatibilityScore s = ScoreCompatibility(male, female);
  EXPECT_EQ(std::make_tuple(s.Power, s.Harmony, s.PH), std::make_tuple(150, 360, 540));
  for (const auto& [text, degrees] : {std::pair{"07 Sag 42", 7}, {"29 Pis 59", 29}, {"", 0}, {"x", 0}, {"4", 4}}) {
    EXPECT_EQ(SlotDegrees(text), degrees) << "'" << text << "'";
  }
}

TEST(CalculateAstroMatch, MaleThenFemaleThenTheScore) {
  AstroEntries entries{WorkedChartEntries(), WorkedChartEntries()};
  const auto same = CalculateAstroMatch(entries);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->Male, same->Female) << "identical entries give identical charts";
  EXPECT_EQ(same->Male[MoonSlot], "07 Sag 42");  // the engines' worked chart

  entries.Female.YearPosition = 1979 - 1901;
  const auto match = CalculateAstroMatch(entries);
  ASSERT_TRUE(match);
  EXPECT_EQ(match->Male, same->Male) << "the female run leaves the male chart alone";
  EXPECT_NE(match->Female, match->Male);
  const CompatibilityScore expected = ScoreCompatibility(match->Male, match->Female);
  EXPECT_EQ(match->Score.PH, expected.PH);
  EXPECT_EQ(match->Score.Power, 30 * 7);

  entries.Female.LatitudeDegrees = "";
  EXPECT_FALSE(CalculateAstroMatch(entries));
}

TEST(ReportLayout, TopBarAndReportInTwips) {
  const TopBarLefts lefts = PlaceTopBar({.Frame = 12000, .PrintButton = 1000, .BackButton = 1000,
                                         .ExitButton = 1000, .TopBar = 11800, .Heading = 4000});
  EXPECT_EQ(lefts.ExitButton, 10700);
  EXPECT_EQ(lefts.BackButton, 9600);
  EXPECT_EQ(lefts.PrintButton, 8500);
  EXPECT_EQ(lefts.Heading, 3900);
  EXPECT_EQ(ReportLeft(12000, 9000, 255), 1372.5);
  EXPECT_EQ(ReportLeft(8000, 9000, 255), -627.5) << "a report wider than the frame starts left of it";

  EXPECT_EQ(TwipsFromPixels(96, 96), 1440);
  EXPECT_EQ(PixelsFromTwips(300, 96), 20);
  EXPECT_EQ(PixelsFromTwips(100, 96), 7) << "6.67 px to the nearest pixel";
  EXPECT_EQ(PixelsFromTwips(1440, 120), 120);
  EXPECT_EQ(TwipsFromPixels(96, 0), 1440) << "an impossible resolution counts as 96 dpi";
}

}  // namespace
