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

// The name with what a file name may not hold made spaces, spaces made one,
// no dot or space at its ends, and at most MaxPartnerNameBytes long.
std::string SafeNamePart(std::string_view name) {
  constexpr std::string_view kForbidden = "/\\:*?\"<>|";
  std::string safe;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    const bool space = byte < 0x20 || byte == 0x7F || byte == ' ' || kForbidden.find(c) != std::string_view::npos;
    if (!space) {
      safe += c;
    } else if (!safe.empty() && safe.back() != ' ') {
      safe += ' ';
    }
  }
  if (safe.size() > MaxPartnerNameBytes) {
    std::size_t end = MaxPartnerNameBytes;
    while (end > 0 && (static_cast<unsigned char>(safe[end]) & 0xC0) == 0x80) --end;  // a UTF-8 continuation byte
    safe.resize(end);
  }
  const std::size_t first = safe.find_first_not_of(". ");
  if (first == std::string::npos) return {};
  return safe.substr(first, safe.find_last_not_of(". ") - first + 1);
}

}  // namespace

std::string CoupleFileName(std::string_view male, std::string_view female, std::string_view fallback,
                           std::string_view extension) {
  const std::string his = SafeNamePart(male), hers = SafeNamePart(female);
  std::string name = his.empty() || hers.empty() ? his + hers : his + " and " + hers;
  if (name.empty()) name = SafeNamePart(fallback);
  if (name.empty()) name = "Untitled";  // never ".pdf", a hidden file's name
  if (!extension.empty()) name += "." + std::string(extension);
  return name;
}

TypedFileName WithTypeExtension(std::string_view path, std::span<const std::string_view> extensions,
                                std::size_t chosen) {
  for (std::size_t type = 0; type < extensions.size(); ++type) {
    if (EndsWithExtension(path, extensions[type])) return {std::string(path), type};
  }
  return {std::string(path) + "." + std::string(extensions[chosen]), chosen};
}

}  // namespace zentara
