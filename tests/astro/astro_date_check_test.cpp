// The astro entry form's date rule, with the male and the female messages.
#include <gtest/gtest.h>

#include "astro/match/astro_date_check.h"

namespace {

using zentara::BirthMoment;
using zentara::CheckAstroBirthDate;
using zentara::Partner;

TEST(CheckAstroBirthDate, DaysTheMonthDoesNotHave) {
  struct Row {
    int day, month, year;
    const char* male;  // "" when the date passes
    const char* female;
  };
  const Row rows[] = {
      {29, 2, 1904, "", ""},
      {28, 2, 1901, "", ""},
      {29, 2, 1901, "Please Enter Your Correct Date Or Month!", "Please Enter Your Partner's Correct Date Or Month!"},
      {30, 2, 1904, "Please Enter Your Correct Date Or Month!", "Please Enter Your Partner's Correct Date Or Month!"},
      {31, 4, 1990, "Please Enter Your Correct Date Or Month !", "Please Enter Your Partner's Correct Date Or Month !"},
      {31, 11, 1990, "Please Enter Your Correct Date Or Month !", "Please Enter Your Partner's Correct Date Or Month !"},
      {30, 6, 1990, "", ""},
      {31, 12, 1990, "", ""},
  };
  for (const Row& row : rows) {
    BirthMoment birth;
    birth.Day = static_cast<std::int16_t>(row.day);
    birth.Month = static_cast<std::int16_t>(row.month);
    birth.Year = static_cast<std::int16_t>(row.year);
    EXPECT_EQ(CheckAstroBirthDate(birth, Partner::Male).value_or(""), row.male)
        << row.day << "/" << row.month << "/" << row.year;
    EXPECT_EQ(CheckAstroBirthDate(birth, Partner::Female).value_or(""), row.female)
        << row.day << "/" << row.month << "/" << row.year;
  }
}

}  // namespace
