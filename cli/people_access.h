// What the subcommands share to reach the book of people: opening it (--book
// PATH, else $ZENTARA_BOOK, else the user's own), finding a person by id or
// name, and a person as JSON.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "book/book.h"
#include "cli/commands.h"
#include "cli/json_text.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace zentara::cli {

// Adds --book PATH to `command`, bound to `path`; an empty PATH is a usage error.
CLI::Option* AddBookOption(CLI::App& command, std::string& path);

// The check of an option or argument that names a person (ID|NAME): a blank
// one (empty, or spaces only) names no one and is a usage error, rather than
// matching the people whose names are blank.
std::string PersonNamed(const std::string& idOrName);

// What to tell of a failure of the open book: SQLite's words, or for a book
// that is read-only, damaged or was removed under the program, what that
// means and what to do.
std::string BookFailureText(const book::Book& book, const book::BookError& failure);

// The book at `path`, or at DefaultBookPath() when `path` is empty; nothing
// when it cannot be opened, after saying why on io.err as `who`: "...".
std::unique_ptr<book::Book> OpenBookOrSay(const std::string& path, std::string_view who, Streams io);

// The person `idOrName` names: an id (digits), or a name matched ignoring case
// against the astro form's name and against first plus last name. Nothing,
// and why in `problem` ("no person is named Ann Lee"; "Ann Lee names several
// people: ids 3, 7"), when it names no one or several.
std::optional<book::Person> FindPerson(book::Book& book, std::string_view idOrName, std::string& problem);

// Every column of a person by its name, with the id and the time stamps;
// zone is a number or null, dst a boolean.
Json PersonJson(const book::Person& person);

}  // namespace zentara::cli
