// Names of files saved as one of several types, such as a picture as SVG or PNG.
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

}  // namespace zentara
