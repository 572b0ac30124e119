// How the numerology code reads a text as a number and turns a number into a
// 16-bit total.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace zentara {

// `text` without the spaces around it (only spaces: tabs are kept).
std::string_view TrimSpaces(std::string_view text);

// The value of a text written as a decimal number: spaces around it, an optional
// sign, digits with an optional fraction, and an optional exponent ("1988",
// " 15 ", "-3", "14.5", "2e3"). Nothing when the text is not such a number
// (empty, "abc", "12abc", "inf").
std::optional<double> ReadDecimalNumber(std::string_view text);

// The nearest 16-bit signed integer, halves to the even neighbour (14.5 gives 14,
// 15.5 gives 16); nothing when the rounded value is outside -32768..32767.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace zentara
