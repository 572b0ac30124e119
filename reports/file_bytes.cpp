#include "reports/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
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

std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const fs::path target(path);
  std::error_code error;
  if (fs::is_directory(target, error)) return path + " is a folder";
  // A device or a pipe would be replaced by a plain file, not written to.
  const fs::file_status status = fs::status(target, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) return path + " is not a regular file";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, error)) return "the folder of " + path + " does not exist";

  // A name of our own beside the target, so the rename stays on one file system.
  std::random_device seed;
  std::mt19937_64 random(seed());
  fs::path temporary;
  do {
    temporary = folder / ("." + target.filename().string() + "." + std::to_string(random() % 1000000000) + ".tmp");
  } while (fs::exists(temporary, error));

  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot create a file in " + folder.string() + ": " + std::strerror(errno);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, error);
      return "cannot write " + path;
    }
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return "cannot replace " + path + ": " + error.message();
  }
  return std::nullopt;
}

}  // namespace zentara
