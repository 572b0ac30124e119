// The fixed list of time zones.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/match/zone_list.h"

namespace {

using zentara::LoadTimeZoneTable;
using zentara::TimeZoneRowCount;

TEST(TimeZoneTable, NamedRows) {
  struct Case {
    std::size_t row;
    const char* name;
    int hours, minutes;
  };
  const Case cases[] = {
      {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
      {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
      {34, "Indian Time, IST, +5.3", 5, 30},
      {46, "New Zealand Std Summer Time,NZST,+13.0", 13, 0},
      {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
      {52, "North Sumatra Time,NST,+6.5", 6, 30},
      {56, "South Australia Daylight Time,SAD,+10.5", 10, 30},
      {57, "South Australia Daylight Time,SDT,+10.5", 10, 30},
      {58, "South Australia Standard Time,SAST,+9.5", 9, 30},
      {59, "South Australia Standard Time,SAT,+9.5", 9, 30},
      {61, "Universal Time, UT, 0.0", 0, 0},
      {62, "USSR Zone 10,UZ10,+11.0", 11, 0},
      {63, "USSR Zone 3,USZ3,+4.0", 4, 0},
      {70, "Yukon War Time,YWT,-8.0", 8, 0},
  };
  const auto& table = LoadTimeZoneTable();
  for (const Case& c : cases) {
    EXPECT_EQ(table.TimeZoneNames[c.row], c.name) << "row " << c.row;
    EXPECT_EQ(table.TimeZoneHours[c.row], c.hours) << "row " << c.row;
    EXPECT_EQ(table.TimeZoneMinutes[c.row], c.minutes) << "row " << c.row;
  }
}

TEST(TimeZoneTable, SeventyOneRowsAndAnEmptyLastSlot) {
  const auto& table = LoadTimeZoneTable();
  EXPECT_EQ(TimeZoneRowCount, 71u);
  EXPECT_FALSE(table.TimeZoneNames[70].empty());
  EXPECT_TRUE(table.TimeZoneNames[71].empty());
}

// Each row's hours and minutes must agree with the offset its text shows:
// whole hours, and 30 minutes exactly when the offset has a fraction (".3" and
// ".5" both mean half an hour).
TEST(TimeZoneTable, NumbersMatchTheWrittenOffsets) {
  const auto& table = LoadTimeZoneTable();
  int rowsWithSpaces = 0;
  for (std::size_t row = 0; row < TimeZoneRowCount; ++row) {
    const std::string name(table.TimeZoneNames[row]);
    const auto firstComma = name.find(',');
    const auto lastComma = name.rfind(',');
    ASSERT_NE(firstComma, lastComma) << "row " << row << ": '" << name << "' needs three parts";
    ASSERT_EQ(name.find(',', firstComma + 1), lastComma) << "row " << row << ": '" << name << "'";
    if (name.find(", ") != std::string::npos) {
      ++rowsWithSpaces;
      EXPECT_EQ(name[firstComma + 1], ' ') << "row " << row << ": a space after each comma or none";
      EXPECT_EQ(name[lastComma + 1], ' ') << "row " << row << ": a space after each comma or none";
    }
    const double offset = std::fabs(std::stod(name.substr(lastComma + 1)));
    const double wholeHours = std::floor(offset);
    EXPECT_EQ(table.TimeZoneHours[row], wholeHours) << "row " << row << ": '" << name << "'";
    EXPECT_EQ(table.TimeZoneMinutes[row], offset > wholeHours ? 30 : 0) << "row " << row << ": '" << name << "'";
  }
  EXPECT_EQ(rowsWithSpaces, 8);
}

}  // namespace
