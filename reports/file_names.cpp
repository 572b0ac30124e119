#include "reports/file_names.h"

#include <algorithm>
#include <cctype>

namespace zentara {

namespace {

bool EndsWithExtension(std::string_view path, std::string_view extension) {
  if (path.size() <= extension.size() + 1 || path[path.size() - extension.size() - 1] != '.') return false;
  const std::string_view end = path.substr(path.size() - extension.size());
  const std::string_view name = path.substr(path.find_last_of("/\\") + 1);
  return name.size() > extension.size() + 1 &&  // ".png" alone is a hidden file's name
         std::equal(end.begin(), end.end(), extension.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

TypedFileName WithTypeExtension(std::string_view path, std::span<const std::string_view> extensions,
                                std::size_t chosen) {
  for (std::size_t type = 0; type < extensions.size(); ++type) {
    if (EndsWithExtension(path, extensions[type])) return {std::string(path), type};
  }
  return {std::string(path) + "." + std::string(extensions[chosen]), chosen};
}

}  // namespace zentara
