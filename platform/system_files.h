// What the pure library needs of the operating system for files and the
// process's standard streams, kept in this one small file with no Qt: the
// calls particular to the system (POSIX here) live nowhere else.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zentara::system {

// The reason a call failed, as the system words it ("No space left on device").
std::string ErrorText(int errorNumber);

// At start: a standard stream (descriptors 0, 1, 2) the program was started
// without is opened on /dev/null, so the next file the program opens cannot
// take its number and receive text meant for the stream. Output and error are
// opened for reading only, so that writing to a stream that was closed still
// fails, as it would have, and is reported rather than lost in silence.
void OpenMissingStandardStreams();

// At start: writing past the file-size limit (ulimit -f) fails with an error
// the program reports, instead of killing it mid-write with SIGXFSZ and leaving
// a temporary file behind.
void ReportFileSizeLimitAsError();

// A new file made exclusively beside others in `folder`, named
// ".STEM.XXXXXX.tmp" with a unique middle part; open for writing.
struct TemporaryFile {
  int descriptor = -1;
  std::string path;
};
// Nothing, and `errorNumber` set, when the file cannot be made.
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& folder, const std::string& stem,
                                                 int& errorNumber);

// Writes all of `bytes`, sets the file's permissions, and forces it to the disk,
// then closes it; on failure the system's error number (the file is closed
// either way). `permissions` are the file mode bits to give it.
int WriteSyncAndClose(TemporaryFile& file, std::string_view bytes, unsigned permissions);

// Renames `from` over `to` (same file system) and forces the folder's entry to
// the disk; 0 or the system's error number.
int RenameDurably(const std::string& from, const std::string& to, const std::string& folder);

// Deletes a file, ignoring failure (a temporary file being cleaned up).
void RemoveQuietly(const std::string& path);

// The permission bits a new file gets by default (0666 less the umask).
unsigned DefaultNewFilePermissions();

// The running program's own file, or an empty path when the system cannot say.
std::filesystem::path ProgramFile();

// What is at a path, its symbolic links followed.
enum class FileKind { Missing, Regular, Folder, Pipe, Device, Socket, BrokenLink, Unreadable };
// Which file it is: the device and the inode, the same for every path to it,
// and when it was made (nanoseconds since 1970; 0 where the file system keeps
// no such time), which tells a new file given a removed one's number from it.
struct FileIdentity {
  unsigned long long device = 0, inode = 0;
  long long born = 0;
  bool operator==(const FileIdentity&) const = default;
};
// The kind of what is at `path` and, for an existing file, its identity.
// Never opens the file, so a pipe or a device costs nothing.
FileKind KindOf(const std::filesystem::path& path, FileIdentity* identity = nullptr);

// Whether this process may write the file or folder at `path`.
bool MayWrite(const std::filesystem::path& path);

// Gives the file `from` the further name `to`, only when nothing is at `to`:
// 0, EEXIST when something is, or the system's error number. Where the file
// system has no hard links, `from` is renamed to `to` when `to` is free.
int LinkWhereFree(const std::string& from, const std::string& to);

}  // namespace zentara::system
