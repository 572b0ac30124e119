// Writing CSV fields (RFC 4180) into a buffer the caller has made room in.
#pragma once
#include <cstddef>
#include <string_view>

namespace zentara {

// The most bytes WriteCsvField writes for a field of `size` bytes: every byte a
// doubled quote, and the two quotes around.
constexpr std::size_t MaxCsvFieldText(std::size_t size) { return 2 * size + 2; }

// Writes `field` at `out`, which has room for MaxCsvFieldText(field.size())
// bytes, and returns the end of what it wrote: the field as it is, or between
// quotes with each quote doubled when it holds a comma, a quote, a CR or an
// LF, or when it begins or ends with a space or a tab (readers that trim
// unquoted fields then keep them).
char* WriteCsvField(char* out, std::string_view field);

}  // namespace zentara
