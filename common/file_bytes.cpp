#include "common/file_bytes.h"

#include "platform/system_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace zentara {

namespace fs = std::filesystem;

std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  if (!fs::is_regular_file(fs::path(path), error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // Read a block at a time, so a small file costs no room for the whole bound.
  std::string bytes;
  char block[1 << 16];
  while (bytes.size() < maxBytes && in) {
    in.read(block, static_cast<std::streamsize>(std::min(sizeof block, maxBytes - bytes.size())));
    bytes.append(block, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

namespace {

// The file a save to `path` must write: `path` itself, or where its chain of
// symbolic links ends, so that saving through a link writes the linked file
// and keeps the link. An error code for a loop or a link that cannot be read.
fs::path FinalTarget(const fs::path& path, std::error_code& error) {
  constexpr int MostLinksFollowed = 40;  // as the system's own limit
  fs::path target = path;
  for (int followed = 0;; ++followed) {
    const fs::file_status link = fs::symlink_status(target, error);
    if (error == std::errc::no_such_file_or_directory) error.clear();  // a new file
    if (error || !fs::is_symlink(link)) return target;
    if (followed == MostLinksFollowed) {
      error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
      return target;
    }
    const fs::path next = fs::read_symlink(target, error);
    if (error) return target;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (path.empty()) return "no file name was given";
  std::error_code error;
  const fs::path target = FinalTarget(fs::path(path), error);
  if (error) return error.message();
  const fs::file_status status = fs::status(target, error);
  if (error && error != std::errc::no_such_file_or_directory) return error.message();
  if (fs::is_directory(status)) return "it is a folder";
  // A device or a pipe would be replaced by a plain file, not written to.
  if (fs::exists(status) && !fs::is_regular_file(status)) return "it is not a regular file";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, error)) return "its folder does not exist";
  const unsigned permissions = fs::exists(status) ? static_cast<unsigned>(status.permissions() & fs::perms::mask)
                                                  : system::DefaultNewFilePermissions();

  // Written beside the target, so the rename stays on one file system, under a
  // name made exclusively for this save.
  int failure = 0;
  auto temporary = system::CreateTemporaryFile(folder.string(), target.filename().string(), failure);
  if (!temporary) return system::ErrorText(failure);
  failure = system::WriteSyncAndClose(*temporary, bytes, permissions);
  if (failure == 0) failure = system::RenameDurably(temporary->path, target.string(), folder.string());
  if (failure != 0) {
    system::RemoveQuietly(temporary->path);
    return system::ErrorText(failure);
  }
  return std::nullopt;
}

}  // namespace zentara
