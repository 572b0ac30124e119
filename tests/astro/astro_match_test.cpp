// The match from entries to result: each partner's BirthMoment, both charts,
// the Moon score, the report's date text and the report frame's placement.
#include <gtest/gtest.h>

#include "astro/match/astro_match.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/report_layout.h"
#include "worked_births.h"

namespace {

using namespace zentara;

// The engines' worked birth as typed into the form: 15 August 1975, 14:30,
// Indian Time, 28° 36' North, 77° 13' East.
AstroPartnerEntries WorkedChartEntries() {
  AstroPartnerEntries p;
  p.Name = p.City = p.State = p.Country = "X";
  p.DayPosition = 14, p.MonthPosition = 7, p.YearPosition = 1975 - 1901, p.HourPosition = 14, p.MinutePosition = 30;
  p.ZoneRow = 34;
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
  };
  for (const Row& row : rows) {
    AstroPartnerEntries p = WorkedChartEntries();
    p.ZoneRow = row.zoneRow, p.LatitudeDirection = row.ns, p.LongitudeDirection = row.ew;
    const auto b = BirthMomentFromEntries(p, LoadTimeZoneTable());
    ASSERT_TRUE(b) << row.place;
    EXPECT_EQ(std::make_tuple(b->ZoneHours, b->ZoneMinutes, b->EastOfGreenwich, b->SouthOfEquator),
              std::make_tuple(row.zoneHours, row.zoneMinutes, row.east, row.south))
        << row.place;
  }
}

TEST(BirthMomentFromEntries, DatesNumbersAndWhatNoControlHolds) {
  const TimeZoneTable& zones = LoadTimeZoneTable();
  const auto b = BirthMomentFromEntries(WorkedChartEntries(), zones);
  const BirthMoment w = zentara::testing::WorkedChartBirth();
  ASSERT_TRUE(b);
  EXPECT_EQ(std::make_tuple(b->Month, b->Day, b->Year, b->Hour, b->Minute, b->DaylightSaving, b->LatitudeDegrees,
                            b->LatitudeMinutes, b->LongitudeDegrees, b->LongitudeMinutes),
            std::make_tuple(w.Month, w.Day, w.Year, w.Hour, w.Minute, w.DaylightSaving, w.LatitudeDegrees,
                            w.LatitudeMinutes, w.LongitudeDegrees, w.LongitudeMinutes));
  AstroPartnerEntries p = WorkedChartEntries();
  p.MonthPosition = 2, p.DaylightSaving = true, p.LatitudeMinutes = "999", p.LongitudeDegrees = "007";
  const auto march = BirthMomentFromEntries(p, zones);
  EXPECT_EQ(std::make_tuple(march->Month, march->DaylightSaving, march->LatitudeMinutes, march->LongitudeDegrees),
            std::make_tuple(3, true, 999, 7));
  for (const char* text : {"", "12a", "1234", "-5", " 5", "1.5"}) {
    p.LongitudeMinutes = text;
    EXPECT_FALSE(BirthMomentFromEntries(p, zones)) << "longitude minutes '" << text << "'";
  }
  p = WorkedChartEntries();
  for (int AstroPartnerEntries::*position : {&AstroPartnerEntries::DayPosition, &AstroPartnerEntries::ZoneRow}) {
    AstroPartnerEntries outside = p;
    outside.*position = 71;
    EXPECT_FALSE(BirthMomentFromEntries(outside, zones));
    outside.*position = -1;
    EXPECT_FALSE(BirthMomentFromEntries(outside, zones));
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
    int male, female, power, harmony, ph, percentage;
    const char* comment;
  };
  const Row rows[] = {
      {15, 20, 450, 600, 2700, 27, "Bad"},      {5, 12, 150, 360, 540, 5, "Very Bad"},
      {0, 12, 0, 360, 0, 0, "Very Bad"},        {15, 15, 450, 450, 2025, 20, "Very Bad"},
      {16, 15, 480, 450, 2160, 21, "Bad"},      {25, 18, 750, 540, 4050, 40, "Bad"},
      {20, 23, 600, 690, 4140, 41, "Average"},  {29, 23, 870, 690, 6003, 60, "Average"},
      {29, 24, 870, 720, 6264, 62, "Good"},     {29, 29, 870, 870, 7569, 75, "Good"},
  };
  for (const Row& row : rows) {
    const CompatibilityScore s = ScoreMoonDegrees(row.male, row.female);
    const CompatibilityScore swapped = ScoreMoonDegrees(row.female, row.male);
    EXPECT_EQ(std::make_tuple(s.Power, s.Harmony, s.PH, s.Percentage, std::string(s.Comment)),
              std::make_tuple(row.power, row.harmony, row.ph, row.percentage, std::string(row.comment)))
        << "Moons " << row.male << "/" << row.female;
    EXPECT_EQ(std::make_tuple(swapped.Power, swapped.Harmony, swapped.PH, swapped.Comment),
              std::make_tuple(s.Harmony, s.Power, s.PH, s.Comment))
        << "exchanged Moons " << row.male << "/" << row.female;
  }
  EXPECT_EQ(CompatibilityComment(80), "Good");
  EXPECT_EQ(CompatibilityComment(81), "Very Good");
}

TEST(CalculateAstroMatch, MaleThenFemaleFromTheMoonSlots) {
  AstroEntries entries{WorkedChartEntries(), WorkedChartEntries()};
  const auto same = CalculateAstroMatch(entries);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->Male, same->Female) << "identical entries give identical charts";
  EXPECT_EQ(same->Male[MoonSlot], "07 Sag 42");  // the engines' worked chart
  EXPECT_EQ(same->Score.Power, 210);

  entries.Female.YearPosition = 1979 - 1901, entries.Female.HourPosition = 16;
  const auto match = CalculateAstroMatch(entries);
  ASSERT_TRUE(match);
  EXPECT_EQ(std::make_pair(match->MaleUniversalTime, match->FemaleUniversalTime), std::make_pair(9.0, 11.0));
  EXPECT_EQ(match->Male, same->Male) << "the female run leaves the male chart alone";
  EXPECT_NE(match->Female, match->Male);
  EXPECT_EQ(match->Score.Harmony, 30 * SlotDegrees(match->Female[MoonSlot]));
  for (const auto& [slot, degrees] : {std::pair{"05 Leo 07", 5}, {"29 Pis 59", 29}, {"", 0}, {"x", 0}}) {
    EXPECT_EQ(SlotDegrees(slot), degrees) << "'" << slot << "'";
  }
  entries.Female.LatitudeDegrees = "";
  EXPECT_FALSE(CalculateAstroMatch(entries));
}

TEST(ReportLayout, TopBarAndReportInTwips) {
  const TopBarLefts lefts = PlaceTopBar({.Frame = 12000, .PrintButton = 1000, .BackButton = 1000,
                                         .ExitButton = 1000, .TopBar = 11800, .Heading = 4000});
  EXPECT_EQ(std::make_tuple(lefts.ExitButton, lefts.BackButton, lefts.PrintButton, lefts.Heading),
            std::make_tuple(10700, 9600, 8500, 3900));
  EXPECT_EQ(ReportLeft(12000, 9000, 255), 1372.5);
  EXPECT_EQ(TwipsFromPixels(96, 96), 1440);
  EXPECT_EQ(PixelsFromTwips(300, 96), 20);
  EXPECT_EQ(PixelsFromTwips(100, 96), 7) << "6.67 px to the nearest pixel";
  EXPECT_EQ(TwipsFromPixels(96, 0), 1440) << "an impossible resolution counts as 96 dpi";
  EXPECT_EQ(ReportLeft(700, 760, 15), 0) << "a frame narrower than the report";
}

// The printed report's pixels: 300 to the inch on the page that holds it
// largest, A4 or Letter, upright or turned.
TEST(ReportLayout, PaperScaleGivesThreeHundredDotsAnInch) {
  constexpr double kScaleTolerance = 1e-9;
  // Nearly square: Letter turned, 8.5 in high, holds it 8.73 in wide.
  EXPECT_NEAR(PaperScale(760, 740), 300 * (8.5 * 760 / 740) / 760, kScaleTolerance);
  // Twice as tall as wide: upright A4, 11.69 in high, holds it 5.85 in wide.
  EXPECT_NEAR(PaperScale(760, 1520), 300 * (11.69 / 2) / 760, kScaleTolerance);
  // Wide and flat: turned A4's whole 11.69 in.
  EXPECT_NEAR(PaperScale(1000, 100), 300 * 11.69 / 1000, kScaleTolerance);
}

// The frame on screens of four sizes (their available areas less the frame's
// bars): the view it opens with and where the report and the wheel stand in it.
TEST(ReportLayout, TheFrameOpensWithBothWindowsInView) {
  // A report 782 by 777 pixels, scroll bars 15 wide, a wheel's window 12 wider
  // and 56 taller than the wheel, a wheel as tall as the report where there is
  // room and never under 453 pixels.
  const ReportFrameParts parts{{782, 777}, 15, {12, 56}, 721, 453, 15};
  struct Case {
    const char* screen;
    Extent largest, view;
    Box report, wheel;
    bool beside;
  };
  const Case cases[] = {
      {"1920x1080", {1920, 1017}, {1515, 777}, {0, 0, 782, 777}, {782, 0, 733, 777}, true},
      {"1280x1024", {1280, 961}, {1280, 777}, {0, 0, 782, 777}, {782, 0, 498, 542}, true},
      {"1024x768", {1024, 705}, {1024, 705}, {113, 0, 782, 705}, {363, 0, 661, 705}, false},
      {"800x600", {800, 537}, {800, 537}, {1, 0, 782, 537}, {307, 0, 493, 537}, false},
  };
  const auto text = [](const Box& box) {
    return std::to_string(box.Left) + "," + std::to_string(box.Top) + " " + std::to_string(box.Width) + "x" +
           std::to_string(box.Height);
  };
  for (const Case& c : cases) {
    const Extent view = OpeningView(c.largest, parts);
    EXPECT_EQ(view, c.view) << c.screen << ": " << view.Width << "x" << view.Height;
    const ReportFrameArrangement arranged = ArrangeReportFrame(view, parts);
    EXPECT_EQ(arranged.Report, c.report) << c.screen << ": report at " << text(arranged.Report);
    EXPECT_EQ(arranged.Wheel, c.wheel) << c.screen << ": wheel at " << text(arranged.Wheel);
    EXPECT_EQ(arranged.WheelBeside, c.beside) << c.screen;
  }
  // A view smaller than a readable wheel and the report: the wheel keeps its
  // least side, and the view's scroll bars take their room from it.
  const ReportFrameArrangement scrolled = ArrangeReportFrame({640, 400}, parts);
  EXPECT_EQ(scrolled.Wheel, (Box{160, 0, 465, 509})) << text(scrolled.Wheel);
  EXPECT_EQ(scrolled.Report, (Box{0, 0, 782, 385})) << text(scrolled.Report);
}

}  // namespace
