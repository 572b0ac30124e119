// The little JSON that zentara-cli writes: quoted strings and numbers.
#pragma once
#include <string>
#include <string_view>

namespace zentara::cli {

// `text` (UTF-8) as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

// A double in the shortest form that reads back to the same value ("9.0" for 9).
std::string JsonNumber(double value);

}  // namespace zentara::cli
