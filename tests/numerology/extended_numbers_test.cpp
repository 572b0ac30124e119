// The extended numbers against a couple worked by hand, with a Y on both sides
// of the vowel rule, a master number and a karmic debt; the reduction's rules
// at their edges; and the compatibility chart's ratings.
#include <gtest/gtest.h>

#include "numerology/extended_numbers.h"

namespace {

using namespace zentara;

TEST(ExtendedNumbers, ReductionKeepsMastersAndNotesKarmicDebt) {
  const struct {
    int total, value, debt;
  } cases[] = {{0, 0, 0},  {7, 7, 0},   {10, 1, 0},  {11, 11, 0}, {22, 22, 0}, {33, 33, 0},
               {29, 11, 0}, {38, 11, 0}, {13, 4, 13}, {49, 4, 13}, {14, 5, 14}, {16, 7, 16},
               {19, 1, 19}, {44, 8, 0},  {99, 9, 0}};
  for (const auto& c : cases) {
    const ReducedNumber number = ReduceKeepingMasters(c.total);
    EXPECT_EQ(number.Value, c.value) << c.total;
    EXPECT_EQ(number.KarmicDebt, c.debt) << c.total;
  }
}

// Yolanda: the Y has O after it, so it is no vowel; in Yvonne, V follows it:
// a vowel. Mary Lynn: the Y of Mary follows R and ends the word, the Y of Lynn
// stands between L and N: both are vowels.
TEST(ExtendedNumbers, TheVowelY) {
  EXPECT_FALSE(IsNumerologyVowel("YOLANDA", 0));
  EXPECT_TRUE(IsNumerologyVowel("YVONNE", 0));
  EXPECT_TRUE(IsNumerologyVowel("MARY", 3));
  EXPECT_TRUE(IsNumerologyVowel("LYNN", 1));
  EXPECT_FALSE(IsNumerologyVowel("KAYE", 2));  // A before it
}

// Worked by hand with the Pythagorean values (A J S 1, B K T 2, C L U 3,
// D M V 4, E N W 5, F O X 6, G P Y 7, H Q Z 8, I R 9):
//   Mary Lynn Day, born 29 November 1981.
//     Vowels: A 1, Y 7 (Mary), Y 7 (Lynn), A 1 (Day; its Y follows A, so not a
//     vowel): 16, karmic debt 16, soul urge 7.
//     Others: M 4, R 9, L 3, N 5, N 5, D 4, Y 7: 37, 3+7 = 10, personality 1.
//     Destiny 16 + 37 = 53, 8. Birthday 29: 2+9 = 11, a master kept.
//     Life path: November 11 (kept), 29 gives 11, 1981 gives 19 (a karmic
//     debt on the way) and 10, 1: 11 + 11 + 1 = 23, 5.
//     Maturity: 5 + 8 = 13, karmic debt 13, 4.
TEST(ExtendedNumbers, WorkedPartner) {
  const PartnerNumbers numbers = FindPartnerNumbers("Mary", "Lynn", "Day", "November", "29", "1981");
  EXPECT_EQ(numbers.SoulUrge, (ReducedNumber{16, 7, 16}));
  EXPECT_EQ(numbers.Personality, (ReducedNumber{37, 1, 0}));
  EXPECT_EQ(numbers.Destiny, (ReducedNumber{53, 8, 0}));
  EXPECT_EQ(numbers.Birthday, (ReducedNumber{29, 11, 0}));
  EXPECT_EQ(numbers.LifePath, (ReducedNumber{23, 5, 0}));
  EXPECT_EQ(numbers.Maturity, (ReducedNumber{13, 4, 13}));
}

// The chart's rows for 4 (highly compatible with 2, 4, 8; compatible with 6, 7;
// challenging for 1, 3, 5, 9) and 7 (neutral with 9), either way round, with a
// master read as its digit sum and a name without letters unrated.
TEST(ExtendedNumbers, ChartRatings) {
  EXPECT_EQ(RateNumbers(4, 8), NumberRating::HighlyCompatible);
  EXPECT_EQ(RateNumbers(7, 4), NumberRating::Compatible);
  EXPECT_EQ(RateNumbers(9, 7), NumberRating::Neutral);
  EXPECT_EQ(RateNumbers(4, 3), NumberRating::Challenging);
  EXPECT_EQ(RateNumbers(22, 2), NumberRating::HighlyCompatible);  // 22 as 4
  EXPECT_EQ(RateNumbers(11, 1), NumberRating::Challenging);       // 11 as 2
  EXPECT_EQ(RateNumbers(0, 5), NumberRating::None);
}

}  // namespace
