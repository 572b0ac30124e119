#include "book/damage_marks.h"

#include <cstdint>
#include <cstdlib>
#include <system_error>

#include "common/file_bytes.h"

namespace zentara::book {

namespace fs = std::filesystem;

namespace {

// A mark's first lines name its book; the reason follows.
std::string MarkHeading(const BookIdentity& book) {
  return book.realPath + "\n" + std::to_string(book.file.device) + ":" + std::to_string(book.file.inode) + "\n";
}

// Then, where the file system keeps it, when the book was made, so that a
// file given the number of a removed book (at its path) is told from it. A
// mark without the line (an older one) is about any file of that number.
constexpr std::string_view BornLine = "born ";

// FNV-1a, 64 bits (Fowler, Noll and Vo): a short, stable file name for a
// book; the mark's own first lines settle which book it is.
std::string NameFor(const BookIdentity& book) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : MarkHeading(book)) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  static constexpr char Hex[] = "0123456789abcdef";
  std::string name(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) name[static_cast<std::size_t>(i)] = Hex[hash & 0xf];
  return name + ".mark";
}

// A mark holds the heading and a reason of one line; more is none of ours.
constexpr std::size_t MostMarkBytes = 1 << 16;

}  // namespace

std::optional<BookIdentity> IdentityOf(const fs::path& path) {
  BookIdentity identity;
  if (system::KindOf(path, &identity.file) != system::FileKind::Regular) return std::nullopt;
  std::error_code error;
  const fs::path real = fs::canonical(path, error);
  identity.realPath = error ? fs::absolute(path, error).string() : real.string();
  return identity;
}

fs::path DamageMarksFolder() {
  fs::path state;
  if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
    state = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    state = fs::path(home) / ".local" / "state";
  } else {
    state = fs::temp_directory_path();
  }
  return state / "zentara" / "damaged-books";
}

fs::path DamageMarkFile(const BookIdentity& book) { return DamageMarksFolder() / NameFor(book); }

std::optional<std::string> DamageMark(const BookIdentity& book) {
  if (system::KindOf(DamageMarkFile(book)) != system::FileKind::Regular) return std::nullopt;
  const auto bytes = ReadFilePrefix(DamageMarkFile(book).string(), MostMarkBytes);
  const std::string heading = MarkHeading(book);
  // A mark that cannot be read still marks the book; one of another book (two
  // names meeting in one file name) does not.
  if (!bytes) return "the book was found damaged before";
  if (bytes->compare(0, heading.size(), heading) != 0) return std::nullopt;
  std::string reason = bytes->substr(heading.size());
  if (reason.starts_with(BornLine)) {
    const std::size_t end = reason.find('\n');
    if (reason.substr(BornLine.size(), end - BornLine.size()) != std::to_string(book.file.born)) return std::nullopt;
    reason.erase(0, end == std::string::npos ? reason.size() : end + 1);
  }
  while (!reason.empty() && reason.back() == '\n') reason.pop_back();
  return reason.empty() ? "the book was found damaged before" : reason;
}

void MarkDamaged(const BookIdentity& book, const std::string& reason) {
  if (DamageMark(book)) return;
  std::error_code error;
  fs::create_directories(DamageMarksFolder(), error);
  std::string line = reason;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  const std::string born = book.file.born != 0 ? std::string(BornLine) + std::to_string(book.file.born) + "\n" : "";
  ReplaceFileContents(DamageMarkFile(book).string(), MarkHeading(book) + born + line + "\n");
}

void ClearDamageMark(const BookIdentity& book) {
  if (!DamageMark(book)) return;
  std::error_code error;
  fs::remove(DamageMarkFile(book), error);
}

std::string DamagedBookAdvice(const std::string& path, const std::string& reason) {
  std::string advice = path + " is damaged (" + reason +
         "), so nothing is written to it. To save what can still be read, write the people that can be read to a "
         "file with 'zentara-cli people export --book \"" + path + "\" > people.csv' (or use SQLite's own "
         "'sqlite3 \"" + path + "\" .recover | sqlite3 recovered.sqlite'), then import them into a new book. "
         "'zentara-cli people check' checks the book again.";
  // The mark is what keeps every other program from writing it.
  const std::optional<BookIdentity> book = IdentityOf(path);
  if (book && !DamageMark(*book)) {
    advice += " The mark that keeps other programs from writing to it cannot be made in " +
              DamageMarksFolder().string() + ", so they may still write to it.";
  }
  return advice;
}

}  // namespace zentara::book
