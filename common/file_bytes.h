// Reading the start of a file, and replacing a file whole: the one way every
// file the program and the command line save is written.
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

// Writes `bytes` to a new file beside `path`, forces it to the disk and then
// renames it over `path`, so `path` holds either its old contents or all of the
// new ones, never part, even after a crash. A symbolic link is followed: the
// file it leads to is replaced and the link kept. A `path` that is a folder, a
// device or a pipe is refused. An existing file keeps its permissions.
// On failure returns the reason, worded to follow the file's name ("it is a
// folder", "No space left on device"), leaves `path` as it was and no
// temporary file behind.
std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace zentara
