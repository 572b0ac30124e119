#include "reports/saved_reading.h"

#include <array>

#include "reports/ansi_codepage.h"
#include "reports/scramble.h"

namespace zentara {
namespace {

// The entries in file order; NumerologyEntries lists its fields in that order.
std::array<const std::string*, SavedReadingLineCount> FileOrder(const NumerologyEntries& e) {
  return {&e.maleFirst,  &e.maleMiddle, &e.maleLast, &e.femaleFirst, &e.femaleMiddle, &e.femaleLast,
          &e.maleMonth,  &e.maleDay,    &e.maleYear, &e.femaleMonth, &e.femaleDay,    &e.femaleYear};
}

std::array<std::string*, SavedReadingLineCount> FileOrder(NumerologyEntries& e) {
  return {&e.maleFirst,  &e.maleMiddle, &e.maleLast, &e.femaleFirst, &e.femaleMiddle, &e.femaleLast,
          &e.maleMonth,  &e.maleDay,    &e.maleYear, &e.femaleMonth, &e.femaleDay,    &e.femaleYear};
}

}  // namespace

std::string EncodeSavedReading(const NumerologyEntries& entries) {
  std::string bytes;
  for (const std::string* entry : FileOrder(entries)) {
    bytes += ScrambleField(Utf8ToAnsi(*entry));
    bytes += "\r\n";
  }
  return bytes;
}

NumerologyEntries DecodeSavedReading(std::string_view bytes) {
  NumerologyEntries entries;
  std::size_t at = 0;
  for (std::string* entry : FileOrder(entries)) {
    if (at >= bytes.size()) break;
    std::size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(at, std::min(end - at, MaxSavedEntryBytes));
    *entry = AnsiToUtf8(UnscrambleField(line));
    at = end;
    // CR LF is one line break; a lone CR or LF is one too.
    if (at < bytes.size() && bytes[at] == '\r') ++at;
    if (at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return entries;
}

bool HasSavedReadingEnding(std::string_view path) {
  return path.size() >= SavedReadingExtension.size() &&
         path.substr(path.size() - SavedReadingExtension.size()) == SavedReadingExtension;
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension) {
  const std::size_t separator = path.find_last_of("/\\");
  const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  // A leading dot names a hidden file, not an extension.
  if (name.empty() || name.find('.', 1) != std::string_view::npos) return std::string(path);
  return std::string(path) + "." + std::string(extension);
}

}  // namespace zentara
