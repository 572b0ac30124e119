// Reading the start of a file and replacing a file whole, in standard C++, for
// the command line (the desktop program saves through Qt's QSaveFile).
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentara {

// The first `maxBytes` bytes of the regular file at `path` (all of it when it is
// shorter), or nothing when `path` is no regular file (a directory, a pipe, a
// device) or cannot be read. A pipe is refused because opening one with no
// writer would wait for ever.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Writes `bytes` to a new file beside `path` and then renames it over `path`,
// so `path` holds either its old contents or all of the new ones, never part.
// On failure returns a plain explanation and leaves `path` as it was; a `path`
// that is a folder, a device or a pipe is refused.
std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace zentara
