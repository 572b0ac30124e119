// How the program reads a text as a number: the numerology entries' decimal
// numbers, turned into 16-bit totals, and the runs of digits that dates, times,
// coordinates, zone rows and chart positions are written with.
#pragma once
#include <cstddef>
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

// The most digits a run may have: nine always fit an int.
inline constexpr std::size_t MostDigitsInRun = 9;

// The run of `fewest` to `most` ASCII digits (0-9 only) that starts at
// `position`, as a number, and `position` moved past it; nothing, and
// `position` left where it was, when fewer than `fewest` digits stand there.
// The run ends after `most` digits even when more follow; `most` is taken as
// at most MostDigitsInRun. With `fewest` 0, no digit at all reads as 0.
std::optional<int> ReadDigitRun(std::string_view text, std::size_t& position, std::size_t fewest,
                                std::size_t most);

// The whole of `text` as one run of 1 to `most` digits; nothing for an empty
// text, one with anything but digits, or one of more than `most` digits.
std::optional<int> ReadDigits(std::string_view text, std::size_t most);

// The nearest 16-bit signed integer, halves to the even neighbour (14.5 gives 14,
// 15.5 gives 16); nothing when the rounded value is outside -32768..32767.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace zentara
