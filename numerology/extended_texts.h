// The words of the extended numbers: what each of the four numbers is, what
// each value means, what a karmic debt on the way asks, and what each rating
// of a couple's two numbers says. Written for this program.
#pragma once
#include <string_view>

#include "numerology/extended_numbers.h"

namespace zentara {

// "Soul Urge", "Personality", "Birthday", "Maturity".
std::string_view KindTitle(NumberKind kind);
// What the number is read from and what it speaks of, one or two sentences.
std::string_view KindIntro(NumberKind kind);
// The meaning of a value: 1 to 9, 11, 22, 33; empty for any other.
std::string_view NumberMeaning(int value);
// A sentence for a karmic debt of 13, 14, 16 or 19; empty for any other.
std::string_view KarmicDebtText(int debt);
// A paragraph for each rating; empty for None.
std::string_view RatingText(NumberRating rating);

}  // namespace zentara
