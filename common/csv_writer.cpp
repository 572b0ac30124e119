#include "common/csv_writer.h"

#include <array>
#include <cstring>

namespace zentara {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The bytes a field cannot hold without quotes, as a table: one look-up a byte
// (find_first_of calls the library for each byte, which made it the costliest
// step of writing a row).
constexpr std::array<bool, 256> kNeedsQuotes = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {',', '"', '\r', '\n'}) table[c] = true;
  return table;
}();

bool NeedsQuotes(std::string_view field) {
  if (field.empty()) return false;
  if (IsBlank(field.front()) || IsBlank(field.back())) return true;
  for (const char c : field) {
    if (kNeedsQuotes[static_cast<unsigned char>(c)]) return true;
  }
  return false;
}

}  // namespace

char* WriteCsvField(char* out, std::string_view field) {
  if (!NeedsQuotes(field)) {
    if (!field.empty()) std::memcpy(out, field.data(), field.size());
    return out + field.size();
  }
  *out++ = '"';
  for (const char c : field) {
    if (c == '"') *out++ = '"';
    *out++ = c;
  }
  *out++ = '"';
  return out;
}

}  // namespace zentara
