// How a message repeats a text it was given, which may be of any length (a
// field of a CSV file, a paste into a box): cut short, so a refusal stays one
// short line.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace zentara {

// The most characters of a given text a message repeats.
inline constexpr std::size_t ShownCharacters = 80;

// `text` whole when it has at most ShownCharacters characters; otherwise its
// first ShownCharacters characters and "...". A character takes four bytes at
// most, so bytes past four for each character shown (bytes that only
// continue one, no UTF-8) are cut where they stand.
std::string ShownText(std::string_view text);

}  // namespace zentara
