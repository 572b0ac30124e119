#include "platform/system_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/sysmacros.h>  // makedev
#endif

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

namespace zentara::system {

std::string ErrorText(int errorNumber) { return std::strerror(errorNumber); }

void OpenMissingStandardStreams() {
  for (int stream = 0; stream <= 2; ++stream) {
    if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF) continue;
    // open() takes the lowest free number, which is this one.
    const int opened = ::open("/dev/null", O_RDONLY);
    if (opened != -1 && opened != stream) ::close(opened);
  }
}

void ReportFileSizeLimitAsError() { std::signal(SIGXFSZ, SIG_IGN); }

std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, const std::string& stem,
                                                 int& errorNumber) {
  const std::string suffix = ".tmp";
  std::string pattern = folder + "/." + stem + ".XXXXXX" + suffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
  if (descriptor == -1) {
    errorNumber = errno;
    return std::nullopt;
  }
  return TemporaryFile{descriptor, std::string(name.data())};
}

int WriteSyncAndClose(TemporaryFile& file, std::string_view bytes, unsigned permissions) {
  int failure = 0;
  while (!bytes.empty() && failure == 0) {
    const ssize_t written = ::write(file.descriptor, bytes.data(), bytes.size());
    if (written > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    } else if (written == -1 && errno != EINTR) {
      failure = errno;
    } else if (written == 0) {
      failure = EIO;
    }
  }
  if (failure == 0 && ::fchmod(file.descriptor, static_cast<mode_t>(permissions)) == -1) failure = errno;
  if (failure == 0 && ::fsync(file.descriptor) == -1) failure = errno;
  if (::close(file.descriptor) == -1 && failure == 0) failure = errno;
  file.descriptor = -1;
  return failure;
}

int RenameDurably(const std::string& from, const std::string& to, const std::string& folder) {
  if (::rename(from.c_str(), to.c_str()) == -1) return errno;
  // The new entry survives a power cut only once the folder itself is synced;
  // a file system that cannot sync folders is no reason to call the save failed.
  const int entry = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (entry != -1) {
    ::fsync(entry);
    ::close(entry);
  }
  return 0;
}

void RemoveQuietly(const std::string& path) { ::unlink(path.c_str()); }

std::filesystem::path ProgramFile() {
  std::error_code failure;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
  return failure ? std::filesystem::path() : program;
}

unsigned DefaultNewFilePermissions() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
}

namespace {

// What KindOf reads of a file, in one call so that it is all of one file.
struct FileStatus {
  mode_t mode = 0;
  FileIdentity identity;
};

// The status of the file at `path`, its links followed; the error number when
// it cannot be had.
int ReadStatus(const std::filesystem::path& path, FileStatus& status) {
#if defined(__linux__) && defined(STATX_BTIME)
  struct statx read {};
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_TYPE | STATX_INO | STATX_BTIME, &read) == -1) return errno;
  status.mode = read.stx_mode;
  status.identity.device = static_cast<unsigned long long>(makedev(read.stx_dev_major, read.stx_dev_minor));
  status.identity.inode = static_cast<unsigned long long>(read.stx_ino);
  if ((read.stx_mask & STATX_BTIME) != 0) {
    status.identity.born = static_cast<long long>(read.stx_btime.tv_sec) * 1000000000LL + read.stx_btime.tv_nsec;
  }
#else
  struct stat read {};
  if (::stat(path.c_str(), &read) == -1) return errno;
  status.mode = read.st_mode;
  status.identity.device = static_cast<unsigned long long>(read.st_dev);
  status.identity.inode = static_cast<unsigned long long>(read.st_ino);
#endif
  return 0;
}

}  // namespace

FileKind KindOf(const std::filesystem::path& path, FileIdentity* identity) {
  FileStatus status;
  if (const int failure = ReadStatus(path, status); failure != 0) {
    // A link to nothing; not a file made there since (log files come and go).
    struct stat link {};
    if (failure == ENOENT && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return FileKind::BrokenLink;
    return failure == ENOENT || failure == ENOTDIR ? FileKind::Missing : FileKind::Unreadable;
  }
  if (identity != nullptr) *identity = status.identity;
  if (S_ISREG(status.mode)) return FileKind::Regular;
  if (S_ISDIR(status.mode)) return FileKind::Folder;
  if (S_ISFIFO(status.mode)) return FileKind::Pipe;
  if (S_ISSOCK(status.mode)) return FileKind::Socket;
  return FileKind::Device;
}

bool MayWrite(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0; }

int LinkWhereFree(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) return 0;
  const int failure = errno;
  if (failure != EPERM && failure != ENOTSUP && failure != EOPNOTSUPP) return failure;
  // No hard links here (some shared and removable file systems): rename, which
  // cannot refuse an existing name, so look first.
  struct stat status {};
  if (::lstat(to.c_str(), &status) == 0) return EEXIST;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace zentara::system
