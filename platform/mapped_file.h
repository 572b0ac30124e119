// A file's bytes seen in memory without being read: the one file that maps a
// file (POSIX mmap), with no Qt, beside the other calls particular to the
// system (system_files.h).
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zentara::system {

// A regular file mapped read-only and shared: its pages are those of the
// system's file cache, read from the disk when first touched, shared with
// every other process that maps the file and dropped by the system when memory
// runs short, so they are never the process's private memory. The bytes stay
// as they were when the file was opened as long as the file is replaced by
// renaming a new one over it, as every file this project writes is; a file cut
// short in place while mapped would fault on the bytes it lost.
class MappedFile {
 public:
  // Nothing, and `errorNumber` set, when `path` cannot be opened, is not a
  // regular file (EINVAL; it is opened without waiting, so a pipe never
  // blocks), or cannot be mapped. An empty file maps to no bytes.
  static std::unique_ptr<const MappedFile> Open(const std::string& path, int& errorNumber);

  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::string_view Bytes() const { return {start_, size_}; }

 private:
  MappedFile(const char* start, std::size_t size) : start_(start), size_(size) {}
  const char* start_;
  std::size_t size_;
};

}  // namespace zentara::system
