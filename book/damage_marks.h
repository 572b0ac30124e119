// The marks that say a book is damaged. Whichever program meets SQLite's
// report of a damaged file (a command, a window, the desktop's check in the
// background) marks the book, and nothing writes to a marked book until a
// full check finds it whole again: a write into a damaged file can spread the
// damage to rows that could still be read and saved.
//
// A mark is a small file in the user's state folder
// ($XDG_STATE_HOME/zentara/damaged-books, ~/.local/state when XDG_STATE_HOME is
// unset or not absolute), named by and holding the book's real path, device
// and inode, and when the file was made, so that a copy or a new book made at
// the same path (even one given the removed book's inode) is not marked.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "platform/system_files.h"

namespace zentara::book {

// Which book a mark is about.
struct BookIdentity {
  std::string realPath;  // symbolic links resolved
  system::FileIdentity file;
};

// The identity of the regular file at `path`; nothing when there is none.
std::optional<BookIdentity> IdentityOf(const std::filesystem::path& path);

std::filesystem::path DamageMarksFolder();

// The file that marks this book.
std::filesystem::path DamageMarkFile(const BookIdentity& book);

// Why the book is marked damaged (what SQLite reported), or nothing when it is not.
std::optional<std::string> DamageMark(const BookIdentity& book);

// Marks the book damaged; an existing mark keeps its first reason. A mark that
// cannot be written is let go: the failure it records is reported to the user
// anyway, with DamagedBookAdvice saying that the mark is missing.
void MarkDamaged(const BookIdentity& book, const std::string& reason);

// Takes the mark away, once a full check has found the book whole.
void ClearDamageMark(const BookIdentity& book);

// What a user is told of a damaged book at `path`: what is wrong and how to
// save what can still be read, and, when the book bears no mark (it cannot
// be made), that other programs are not kept from writing to it.
std::string DamagedBookAdvice(const std::string& path, const std::string& reason);

}  // namespace zentara::book
