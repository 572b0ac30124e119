// Life path and destiny numbers against the worked values and the edge cases of
// digit reduction.
#include <gtest/gtest.h>

#include <string>

#include "numerology/letter_values.h"

namespace {

using zentara::SingleDigitNumber;
using zentara::StringToNumber;

// The Pythagorean table, one row a value; every other character is worth 0.
TEST(LetterValue, PythagoreanTable) {
  const std::pair<int, const char*> table[] = {
      {1, "AJS"}, {2, "BKT"}, {3, "CLU"}, {4, "DMV"}, {5, "ENW"},
      {6, "FOX"}, {7, "GPY"}, {8, "HQZ"}, {9, "IR"},
  };
  int lettersSeen = 0;
  for (const auto& [value, letters] : table) {
    for (const char* letter = letters; *letter; ++letter, ++lettersSeen) {
      EXPECT_EQ(zentara::LetterValue(*letter), value) << "letter " << *letter;
    }
  }
  EXPECT_EQ(lettersSeen, 26);
  for (const char c : std::string("abcz09 -'@[`{\x7f\x80\xC9\xFF")) {
    EXPECT_EQ(zentara::LetterValue(c), 0) << "character code " << int(static_cast<unsigned char>(c));
  }
}

struct DateRow {
  const char* day;
  const char* month;
  const char* year;
  int expected;
};

// Worked values: total, digit sum, result.
TEST(SingleDigitNumber, WorkedDates) {
  const DateRow rows[] = {
      {"1", "January", "1936", 3},    // 1938 -> 21 -> 3
      {"15", "March", "1988", 8},     // 2006 -> 8
      {"1", "January", "1970", 1},    // 1972 -> 19 -> 10 -> 1
      {"1", "January", "1997", 1},    // 1999 -> 28 -> 10 -> 1
      {"31", "December", "2050", 5},  // 2093 -> 14 -> 5
  };
  for (const DateRow& row : rows) {
    EXPECT_EQ(SingleDigitNumber(row.day, row.month, row.year), row.expected)
        << "day " << row.day << ", month " << row.month << ", year " << row.year;
  }
}

TEST(SingleDigitNumber, EdgeCases) {
  const DateRow rows[] = {
      {"15", "march", "1988", 5},      // a month not spelled exactly adds 0: 2003
      {"15", "Marchx", "1988", 5},
      {" 15 ", "March", " 1988 ", 8},  // spaces around a number are allowed
      {"x", "March", "1988", 2},       // a day that is not a number counts 0: 1991 -> 20 -> 2
      {"", "", "", 0},
      {"14.5", "", "0", 5},            // halves to even: 14 -> 5
      {"15.5", "", "0", 7},            // 16 -> 7
      {"1", "January", "abc", 2},      // the year counts 0: 2
      {"40000", "January", "1", 2},    // a day past 32767 is skipped: 0 + 1 + 1
      {"1", "January", "32766", 2},    // 32768 would overflow: the total stays 2
      {"-20", "", "0", 2},             // the minus sign adds nothing to the digit sum
      {"2999", "", "0", 11},           // digit sum 29: 2 + 9, no further reduction
      {"3899", "", "0", 11},
      {"29999", "", "0", 11},          // digit sum 38: 3 + 8
      {"1e3", "", "0", 1},             // a number in exponent form: 1000
  };
  for (const DateRow& row : rows) {
    EXPECT_EQ(SingleDigitNumber(row.day, row.month, row.year), row.expected)
        << "day '" << row.day << "', month '" << row.month << "', year '" << row.year << "'";
  }
}

TEST(SingleDigitNumber, EveryRealDateGivesOneToNine) {
  for (int year = 1900; year <= 2050; ++year) {
    for (int month = 0; month < 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const int result = SingleDigitNumber(std::to_string(day), zentara::MonthNames[month], std::to_string(year));
        ASSERT_TRUE(result >= 1 && result <= 9) << day << " " << zentara::MonthNames[month] << " " << year;
      }
    }
  }
}

struct NameRow {
  std::string name;
  int expected;
};

TEST(StringToNumber, WorkedNamesAndEdgeCases) {
  const NameRow rows[] = {
      {"ANNA", 3},                // 12 -> 3
      {"MARYANNSMITH", 2},        // 56 -> 11 -> 2, not a master number
      {"JOHNPAULSMITH", 4},       // 58 -> 13 -> 4
      {"anna", 0},                // small letters are worth nothing
      {"", 0},
      {"12 -'.!", 0},             // digits, spaces and punctuation
      {"\xC3\x89MILE", 3},        // an accented capital counts 0: MILE = 21 -> 3
      {std::string(333, 'R') + "AA", 11},  // 333 x 9 + 2 = 2999 -> 29 -> 11
  };
  for (const NameRow& row : rows) {
    EXPECT_EQ(StringToNumber(row.name), row.expected) << "name '" << row.name << "'";
  }
}

TEST(StringToNumber, SkipsTheLetterThatWouldOverflowAndGoesOn) {
  // 3640 R (9 each) make 32760; a further I (9) would pass 32767 and is skipped,
  // the A (1) after it still fits: 32761 -> 19 -> 10 -> 1.
  // (Stopping at the first overflow would leave 32760 -> 18 -> 9.)
  EXPECT_EQ(StringToNumber(std::string(3640, 'R') + "IA"), 1);
  // Exactly 32767 is reached and kept: 3640 R + G (7) = 32767 -> 25 -> 7.
  EXPECT_EQ(StringToNumber(std::string(3640, 'R') + "GZ"), 7);
}

TEST(UpperCaseLatinLetters, TurnsOnlyAToZIntoCapitals) {
  EXPECT_EQ(zentara::UpperCaseLatinLetters("Mary-Ann o'neil 3"), "MARY-ANN O'NEIL 3");
  // Sharp s and dotless i stay as they are and stay worth 0.
  EXPECT_EQ(zentara::UpperCaseLatinLetters("stra\xC3\x9F" "e \xC4\xB1"), "STRA\xC3\x9F" "E \xC4\xB1");
  EXPECT_EQ(StringToNumber(zentara::UpperCaseLatinLetters("\xC3\x9F\xC4\xB1")), 0);
}

}  // namespace
