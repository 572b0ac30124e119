// Text from a file, made safe to print on a terminal.
#pragma once
#include <string>
#include <string_view>

namespace zentara::cli {

// `utf8` with every control character written as an escape: C0 controls and DEL
// as \xNN, the C1 block (U+0080 to U+009F) as \u00NN, and a backslash as \\ so
// the escapes read back unambiguously. A file's entries can hold any of these,
// and printed raw they would break a line or drive the terminal (ESC...).
std::string VisibleText(std::string_view utf8);

}  // namespace zentara::cli
