// Four more numbers for each partner, beyond the classic readings: the soul
// urge (the vowels of the name), the personality (its other letters), the
// birthday (the day of the month) and the maturity (life path and destiny
// added). Unlike the classic readings, whose reduction keeps no master numbers
// and stays exactly as it is (letter_values.h), these reduce as most modern
// numerology books do: digits are summed until one digit is left, but 11, 22
// and 33 are kept as master numbers, and a total of 13, 14, 16 or 19 met on
// the way is noted as a karmic debt.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "numerology/numerology_entries.h"

namespace zentara {

struct ReducedNumber {
  int Total = 0;       // before reduction
  int Value = 0;       // 1 to 9, 11, 22 or 33; 0 for a total of 0 (a name without letters)
  int KarmicDebt = 0;  // 13, 14, 16 or 19 when one was met on the way down, else 0

  bool IsMaster() const { return Value == 11 || Value == 22 || Value == 33; }
  friend bool operator==(const ReducedNumber&, const ReducedNumber&) = default;
};

// `total` reduced, the masters kept and the first karmic debt met noted.
ReducedNumber ReduceKeepingMasters(int total);

// Whether the letter at `index` of `word` (capitals A to Z) counts as a vowel:
// A, E, I, O and U always, and Y when neither letter beside it is one of those
// five (a word's edge is no vowel).
bool IsNumerologyVowel(std::string_view word, std::size_t index);

struct PartnerNumbers {
  ReducedNumber LifePath, Destiny;  // reduced here, masters kept
  ReducedNumber SoulUrge, Personality, Birthday, Maturity;
};

// One partner's numbers from the names (each part's letters, a to z counted as
// their capitals, other characters left out) and the birth date (the month's
// name, the day and the year). The life path adds the month's number, the
// day and the year each reduced first; the maturity is the life path and the
// destiny added and reduced again.
PartnerNumbers FindPartnerNumbers(std::string_view first, std::string_view middle, std::string_view last,
                                  std::string_view month, std::string_view day, std::string_view year);

enum class NumberKind { SoulUrge, Personality, Birthday, Maturity };
inline constexpr std::array<NumberKind, 4> ExtendedKinds = {NumberKind::SoulUrge, NumberKind::Personality,
                                                           NumberKind::Birthday, NumberKind::Maturity};
const ReducedNumber& NumberOf(const PartnerNumbers& numbers, NumberKind kind);

// How well two numbers go together, from the life path compatibility chart of
// LoveToKnow ("Numerology Compatibility Chart: Find Your Numeric Love Match",
// lovetoknow.com, updated 30 April 2024), used here for all four numbers; a
// master number is read as its digit sum there (11 as 2, 22 as 4, 33 as 6).
enum class NumberRating { HighlyCompatible, Compatible, Neutral, Challenging, None };
NumberRating RateNumbers(int male, int female);  // None where either is 0
std::string_view RatingName(NumberRating rating);  // "Highly compatible" ...

struct CoupleNumbers {
  PartnerNumbers Male, Female;
  std::array<NumberRating, 4> Ratings{};  // in the order of ExtendedKinds
};
CoupleNumbers FindCoupleNumbers(const NumerologyEntries& entries);

}  // namespace zentara
