// The two numerology primitives: a birth date reduced to a life path number and a
// name reduced to a destiny number (Pythagorean letter values).
//
// Totals are 16-bit signed integers. A step that fails (a text that is not a
// number, a sum past 32767) is skipped and the computation goes on, so both
// functions always return a number and never report a fault.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentara {

// The twelve month names, January first, exactly as the entry forms list them.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// The Pythagorean value of a character: 1 to 9 for the capital letters A to Z,
// 0 for everything else (small letters, digits, spaces, accented letters).
int LetterValue(char c);

// Day text, month name and year text to the life path number.
//   The day and the year are read as decimal numbers (spaces around allowed,
//   halves rounded to even); a text that is not a number counts 0. The month adds
//   its number 1..12 only when it equals a month name exactly. The total's digits
//   are summed once; a two-digit sum becomes its first plus its last digit, and
//   10 becomes 1. There are no master numbers: 29 and 38 give 11.
std::int16_t SingleDigitNumber(std::string_view day, std::string_view month, std::string_view year);

// The letter total of `name`, reduced like a date whose day is the total and
// whose month and year are "0". 0 when the name holds no capital A to Z. A letter
// that would push the total past 32767 is skipped; later letters still count.
std::int16_t StringToNumber(std::string_view name);

// `text` with a to z turned into A to Z and every other byte left as it is (no
// other character may become a capital letter on the way).
std::string UpperCaseLatinLetters(std::string_view text);

}  // namespace zentara
