#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zentara::system {

std::unique_ptr<const MappedFile> MappedFile::Open(const std::string& path, int& errorNumber) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor == -1) {
    errorNumber = errno;
    return nullptr;
  }
  struct stat status {};
  const char* start = nullptr;
  std::size_t size = 0;
  int failure = 0;
  if (::fstat(descriptor, &status) == -1) {
    failure = errno;
  } else if (!S_ISREG(status.st_mode)) {
    failure = EINVAL;
  } else if (status.st_size > 0) {
    size = static_cast<std::size_t>(status.st_size);
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, descriptor, 0);
    if (mapped == MAP_FAILED) {
      failure = errno;
    } else {
      start = static_cast<const char*>(mapped);
    }
  }
  // The mapping keeps the file; its descriptor is no longer needed.
  ::close(descriptor);
  if (failure != 0) {
    errorNumber = failure;
    return nullptr;
  }
  return std::unique_ptr<const MappedFile>(new MappedFile(start, start == nullptr ? 0 : size));
}

MappedFile::~MappedFile() {
  if (start_ != nullptr) ::munmap(const_cast<char*>(start_), size_);
}

}  // namespace zentara::system
