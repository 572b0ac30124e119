#include "cli/people_access.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

namespace zentara::cli {

CLI::Option* AddBookOption(CLI::App& command, std::string& path) {
  return command.add_option("--book", path, "the book of people to use (default $ZENTARA_BOOK, else "
                                            "~/.local/share/zentara/people.sqlite)")
      ->type_name("PATH")
      ->check([](const std::string& text) -> std::string {
        return text.empty() ? "an empty PATH names no book; leave --book out for the default book" : "";
      });
}

std::string PersonNamed(const std::string& idOrName) {
  const bool blank = std::all_of(idOrName.begin(), idOrName.end(), [](char c) { return c == ' ' || c == '\t'; });
  return blank ? "a blank ID|NAME names no one; give a person's id or name" : "";
}

std::string BookFailureText(const book::Book& book, const book::BookError& failure) {
  switch (failure.Fault()) {
    case book::BookFault::Damaged:
    case book::BookFault::ReadOnly:
      if (const auto why = book.WhyReadOnly()) return *why;
      break;
    case book::BookFault::Moved: return failure.what();
    case book::BookFault::Busy:
    case book::BookFault::Other: break;
  }
  return book.Path().string() + ": " + failure.what();
}

std::unique_ptr<book::Book> OpenBookOrSay(const std::string& path, std::string_view who, Streams io) {
  std::string error;
  auto opened = book::Book::Open(path.empty() ? book::DefaultBookPath() : std::filesystem::path(path), error);
  if (!opened) io.err << who << ": " << error << "\n";
  return opened;
}

std::optional<book::Person> FindPerson(book::Book& book, std::string_view idOrName, std::string& problem) {
  const bool isId = !idOrName.empty() && idOrName.size() <= 18 &&
                    std::all_of(idOrName.begin(), idOrName.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (isId) {
    if (auto person = book.Get(std::stoll(std::string(idOrName)))) return person;
    problem = "no person has the id " + std::string(idOrName);
    return std::nullopt;
  }
  const std::vector<std::int64_t> ids = book.FindByName(idOrName);
  if (ids.size() == 1) return book.Get(ids.front());
  if (ids.empty()) {
    problem = "no person is named " + std::string(idOrName);
  } else {
    problem = std::string(idOrName) + " names several people: ids";
    for (std::size_t i = 0; i < ids.size(); ++i) problem += (i == 0 ? " " : ", ") + std::to_string(ids[i]);
  }
  return std::nullopt;
}

Json PersonJson(const book::Person& person) {
  Json json = {{"id", person.id}};
  for (const book::ColumnInfo& info : book::Columns) {
    const std::string key(info.name);
    if (info.column == book::Column::Zone) {
      json[key] = person.zone ? Json(*person.zone) : Json(nullptr);
    } else if (info.column == book::Column::Dst) {
      json[key] = person.dst;
    } else {
      json[key] = book::ColumnText(person, info.column);
    }
  }
  json["created"] = person.created;
  json["changed"] = person.changed;
  return json;
}

}  // namespace zentara::cli
