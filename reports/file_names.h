// Names of files saved as one of several types, such as a picture as SVG or PNG,
// and the names the save dialogs suggest for a couple's files.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zentara {

struct TypedFileName {
  std::string path;
  std::size_t type;  // index into the types' extensions
};

// What a save dialog's choice writes: when the name already ends in one of
// `extensions` (case aside: "wheel.PNG"), that type, whatever type was chosen,
// and the name as it is; otherwise the `chosen` type, with its extension
// appended ("wheel" and "wheel.jpg" give "wheel.svg" and "wheel.jpg.svg").
TypedFileName WithTypeExtension(std::string_view path, std::span<const std::string_view> extensions,
                                std::size_t chosen);

// The longest part of a suggested name taken from one partner's name, bytes.
inline constexpr std::size_t MaxPartnerNameBytes = 80;

// The name the save dialogs suggest for a couple's file: "Daniel and Sophie.pdf"
// (`extension` without its dot; none when empty). One partner's name alone
// where the other's is empty, `fallback` where both are ("Untitled" where that
// is empty too). Safe as a file name on any desktop: a character no file name
// may hold (a slash, a backslash, : * ? " < > |, a control character) becomes
// a space, runs of spaces one, dots and spaces at either end of each name are
// dropped (so it is never a hidden file, "." or ".."), and a name longer than
// MaxPartnerNameBytes bytes is cut there, at a character's edge.
std::string CoupleFileName(std::string_view male, std::string_view female, std::string_view fallback,
                           std::string_view extension);

}  // namespace zentara
