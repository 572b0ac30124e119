// The checks of the numerology entries: every message in its order, with the
// field the focus goes to, and the date rules for both partners.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "numerology/numerology_entries.h"

namespace {

using zentara::CheckNumerologyEntries;
using zentara::NumerologyEntries;
using zentara::NumerologyField;

NumerologyEntries Valid() {
  return {"John", "", "Smith", "Mary", "", "Smith", "March", "15", "1988", "January", "1", "1970"};
}

std::string Describe(const std::optional<zentara::NumerologyCheckFailure>& failure) {
  return failure ? std::string(failure->message) : std::string("(passes)");
}

TEST(CheckNumerologyEntries, ValidEntriesPass) {
  EXPECT_FALSE(CheckNumerologyEntries(Valid()));
  NumerologyEntries spaces = Valid();
  spaces.maleFirst = "   ";  // a text of spaces is not empty
  EXPECT_FALSE(CheckNumerologyEntries(spaces)) << Describe(CheckNumerologyEntries(spaces));
}

// Emptying the fields one more at a time, from the last check to the first: each
// row's message is the first failing check.
TEST(CheckNumerologyEntries, BlankFieldsInTheirOrder) {
  struct Row {
    std::string NumerologyEntries::*field;
    const char* message;
    NumerologyField focus;
  };
  const Row rows[] = {
      {&NumerologyEntries::femaleYear, "Female: Year of Birth cannot be blank", NumerologyField::FemaleYear},
      {&NumerologyEntries::femaleMonth, "Female: Month of Birth cannot be blank", NumerologyField::FemaleMonth},
      {&NumerologyEntries::femaleDay, "Female: Date of Birth cannot be blank", NumerologyField::FemaleDay},
      {&NumerologyEntries::maleYear, "Male: Year of Birth cannot be blank", NumerologyField::MaleYear},
      {&NumerologyEntries::maleMonth, "Male: Month of Birth cannot be blank", NumerologyField::MaleMonth},
      {&NumerologyEntries::maleDay, "Male: Date of Birth cannot be blank", NumerologyField::MaleDay},
      {&NumerologyEntries::femaleLast, "Female: Last Name cannot be blank", NumerologyField::FemaleLast},
      {&NumerologyEntries::femaleFirst, "Female: First Name cannot be blank", NumerologyField::FemaleFirst},
      {&NumerologyEntries::maleLast, "Male: Last Name cannot be blank", NumerologyField::MaleLast},
      {&NumerologyEntries::maleFirst, "Male: First Name cannot be blank", NumerologyField::MaleFirst},
  };
  NumerologyEntries entries = Valid();
  entries.maleMiddle = entries.femaleMiddle = "";  // middle names may stay empty
  for (const Row& row : rows) {
    entries.*(row.field) = "";
    const auto failure = CheckNumerologyEntries(entries);
    ASSERT_TRUE(failure) << "expected " << row.message;
    EXPECT_EQ(failure->message, row.message);
    EXPECT_EQ(failure->focus, row.focus) << row.message;
  }
}

struct DateRow {
  const char* month;
  const char* day;
  const char* year;
  const char* maleMessage;  // nullptr: accepted
  const char* femaleMessage;
};

// The same dates for either partner.
TEST(CheckNumerologyEntries, DateRulesForBothPartners) {
  const DateRow rows[] = {
      {"February", "29", "1900", nullptr, nullptr},  // 1900 counts as a leap year
      {"February", "29", "1904", nullptr, nullptr},
      {"February", "28", "1901", nullptr, nullptr},
      {"February", "29", "1901", "Please Enter Your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"February", "31", "1901", "Please Enter Your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"February", "30", "1904", "Please Enter your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"February", "31", "2000", "Please Enter your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"April", "31", "1990", "Please Enter Your Correct Date Or Month !",
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"June", "31", "1990", "Please Enter Your Correct Date Or Month !",
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"September", "31", "1990", "Please Enter Your Correct Date Or Month !",
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"November", "31", "1990", "Please Enter Your Correct Date Or Month !",
       "Please Enter Your Partner's Correct Date Or Month !"},
      {"April", "30", "1990", nullptr, nullptr},
      {"December", "31", "1990", nullptr, nullptr},
      // Typed texts that are no list item have no position: nothing is refused.
      {"february", "30", "1901", nullptr, nullptr},
      {"February", "30 ", "1901", nullptr, nullptr},
      {"February", "031", "1901", nullptr, nullptr},
      {"June", "32", "1990", nullptr, nullptr},
      // A year that is not a whole number is not a leap year.
      {"February", "29", "19x4", "Please Enter Your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"February", "29", "1904.5", "Please Enter Your Correct Date Or Month!",
       "Please Enter Your Partner's Correct Date Or Month!"},
      {"February", "29", " 1904 ", nullptr, nullptr},
  };
  for (const DateRow& row : rows) {
    const std::string date = std::string(row.month) + " " + row.day + " '" + row.year + "'";
    NumerologyEntries male = Valid();
    male.maleMonth = row.month, male.maleDay = row.day, male.maleYear = row.year;
    const auto maleFailure = CheckNumerologyEntries(male);
    EXPECT_EQ(Describe(maleFailure), row.maleMessage ? row.maleMessage : "(passes)") << "male " << date;
    if (maleFailure) {
      EXPECT_FALSE(maleFailure->focus) << "male " << date;
    }

    NumerologyEntries female = Valid();
    female.femaleMonth = row.month, female.femaleDay = row.day, female.femaleYear = row.year;
    const auto femaleFailure = CheckNumerologyEntries(female);
    EXPECT_EQ(Describe(femaleFailure), row.femaleMessage ? row.femaleMessage : "(passes)") << "female " << date;
  }
}

TEST(CheckNumerologyEntries, OnlyTheMaleMessageWhenBothDatesAreWrong) {
  NumerologyEntries both = Valid();
  both.maleMonth = "April", both.maleDay = "31";
  both.femaleMonth = "February", both.femaleDay = "30";
  EXPECT_EQ(Describe(CheckNumerologyEntries(both)), "Please Enter Your Correct Date Or Month !");
}

TEST(CheckNumerologyEntries, BlankFieldsComeBeforeDates) {
  NumerologyEntries entries = Valid();
  entries.maleMonth = "April", entries.maleDay = "31";
  entries.femaleYear = "";
  EXPECT_EQ(Describe(CheckNumerologyEntries(entries)), "Female: Year of Birth cannot be blank");
}

}  // namespace
