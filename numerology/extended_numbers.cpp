#include "numerology/extended_numbers.h"

#include <charconv>

#include "numerology/letter_values.h"

namespace zentara {
namespace {

int DigitSum(int value) {
  int sum = 0;
  for (; value > 0; value /= 10) sum += value % 10;
  return sum;
}

bool IsKarmicDebt(int value) { return value == 13 || value == 14 || value == 16 || value == 19; }

bool IsPlainVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// A whole number written in `text` (spaces around allowed); 0 for anything else.
int WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

// The chart, one row a number 1 to 9, each rating's numbers as in the source's row.
struct ChartRow {
  std::array<int, 9> Highly, Compatible, Neutral, Challenging;  // 0 ends a list
};
constexpr std::array<ChartRow, 9> Chart = {{
    /* 1 */ {{1, 5, 7}, {3, 9}, {8}, {2, 4, 6}},
    /* 2 */ {{2, 4, 8}, {3, 6}, {9}, {1, 5, 7}},
    /* 3 */ {{3, 6, 9}, {1, 2, 5}, {}, {4, 7, 8}},
    /* 4 */ {{2, 4, 8}, {6, 7}, {}, {1, 3, 5, 9}},
    /* 5 */ {{1, 5, 7}, {3, 9}, {8}, {2, 4, 6}},
    /* 6 */ {{3, 6, 9}, {2, 4, 8}, {}, {1, 5, 7}},
    /* 7 */ {{1, 5, 7}, {4}, {9}, {2, 3, 6, 8}},
    /* 8 */ {{2, 4, 8}, {6}, {1, 5}, {3, 7, 9}},
    /* 9 */ {{3, 6, 9}, {1, 5}, {2, 7}, {4, 8}},
}};

constexpr bool Lists(const std::array<int, 9>& list, int number) {
  for (const int entry : list) {
    if (entry == number) return true;
  }
  return false;
}

constexpr NumberRating ChartRating(int a, int b) {
  const ChartRow& row = Chart[static_cast<std::size_t>(a - 1)];
  if (Lists(row.Highly, b)) return NumberRating::HighlyCompatible;
  if (Lists(row.Compatible, b)) return NumberRating::Compatible;
  if (Lists(row.Neutral, b)) return NumberRating::Neutral;
  if (Lists(row.Challenging, b)) return NumberRating::Challenging;
  return NumberRating::None;
}

// Every pair has exactly one rating, the same either way round.
constexpr bool ChartIsWholeAndSymmetric() {
  for (int a = 1; a <= 9; ++a) {
    for (int b = 1; b <= 9; ++b) {
      const ChartRow& row = Chart[static_cast<std::size_t>(a - 1)];
      const int listed = Lists(row.Highly, b) + Lists(row.Compatible, b) + Lists(row.Neutral, b) +
                         Lists(row.Challenging, b);
      if (listed != 1 || ChartRating(a, b) != ChartRating(b, a)) return false;
    }
  }
  return true;
}
static_assert(ChartIsWholeAndSymmetric(), "the compatibility chart must rate every pair once, alike both ways");

int ChartNumber(int value) { return value > 9 ? DigitSum(value) : value; }

}  // namespace

ReducedNumber ReduceKeepingMasters(int total) {
  ReducedNumber number{total, total < 0 ? 0 : total, 0};
  while (number.Value > 9 && !number.IsMaster()) {
    if (number.KarmicDebt == 0 && IsKarmicDebt(number.Value)) number.KarmicDebt = number.Value;
    number.Value = DigitSum(number.Value);
  }
  return number;
}

bool IsNumerologyVowel(std::string_view word, std::size_t index) {
  const char c = word[index];
  if (IsPlainVowel(c)) return true;
  if (c != 'Y') return false;
  const bool before = index > 0 && IsPlainVowel(word[index - 1]);
  const bool after = index + 1 < word.size() && IsPlainVowel(word[index + 1]);
  return !before && !after;
}

PartnerNumbers FindPartnerNumbers(std::string_view first, std::string_view middle, std::string_view last,
                                  std::string_view month, std::string_view day, std::string_view year) {
  int vowels = 0, consonants = 0;
  for (const std::string_view part : {first, middle, last}) {
    // The letters of the part, in order, so a Y's neighbours are letters of its own word.
    std::string letters;
    for (const char c : UpperCaseLatinLetters(part)) {
      if (LetterValue(c) > 0) letters.push_back(c);
    }
    for (std::size_t i = 0; i < letters.size(); ++i) {
      (IsNumerologyVowel(letters, i) ? vowels : consonants) += LetterValue(letters[i]);
    }
  }
  PartnerNumbers numbers;
  numbers.SoulUrge = ReduceKeepingMasters(vowels);
  numbers.Personality = ReduceKeepingMasters(consonants);
  numbers.Destiny = ReduceKeepingMasters(vowels + consonants);
  int monthNumber = 0;
  for (std::size_t m = 0; m < MonthNames.size(); ++m) {
    if (MonthNames[m] == month) monthNumber = static_cast<int>(m) + 1;
  }
  const int dayNumber = WholeNumber(day);
  numbers.Birthday = ReduceKeepingMasters(dayNumber);
  numbers.LifePath = ReduceKeepingMasters(ReduceKeepingMasters(monthNumber).Value + numbers.Birthday.Value +
                                          ReduceKeepingMasters(DigitSum(WholeNumber(year))).Value);
  numbers.Maturity = ReduceKeepingMasters(numbers.LifePath.Value + numbers.Destiny.Value);
  return numbers;
}

const ReducedNumber& NumberOf(const PartnerNumbers& numbers, NumberKind kind) {
  switch (kind) {
    case NumberKind::SoulUrge: return numbers.SoulUrge;
    case NumberKind::Personality: return numbers.Personality;
    case NumberKind::Birthday: return numbers.Birthday;
    case NumberKind::Maturity: break;
  }
  return numbers.Maturity;
}

NumberRating RateNumbers(int male, int female) {
  if (male <= 0 || female <= 0) return NumberRating::None;
  return ChartRating(ChartNumber(male), ChartNumber(female));
}

std::string_view RatingName(NumberRating rating) {
  switch (rating) {
    case NumberRating::HighlyCompatible: return "Highly compatible";
    case NumberRating::Compatible: return "Compatible";
    case NumberRating::Neutral: return "Neutral";
    case NumberRating::Challenging: return "Challenging";
    case NumberRating::None: break;
  }
  return "No rating";
}

CoupleNumbers FindCoupleNumbers(const NumerologyEntries& entries) {
  CoupleNumbers couple;
  couple.Male = FindPartnerNumbers(entries.maleFirst, entries.maleMiddle, entries.maleLast, entries.maleMonth,
                                   entries.maleDay, entries.maleYear);
  couple.Female = FindPartnerNumbers(entries.femaleFirst, entries.femaleMiddle, entries.femaleLast,
                                     entries.femaleMonth, entries.femaleDay, entries.femaleYear);
  for (std::size_t k = 0; k < ExtendedKinds.size(); ++k) {
    couple.Ratings[k] = RateNumbers(NumberOf(couple.Male, ExtendedKinds[k]).Value,
                                    NumberOf(couple.Female, ExtendedKinds[k]).Value);
  }
  return couple;
}

}  // namespace zentara
