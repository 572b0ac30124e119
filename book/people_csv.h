// The book's people as CSV files (RFC 4180). The columns are those of one side
// of zentara-cli match --batch, name, date, time, zone, dst, lat, lon, city,
// state, country, followed by first, middle, last, frame, timezone and note
// (person.h says what each holds); a file's header row names them.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "book/book.h"

namespace zentara::book {

// Every person, one a row, under a header naming all sixteen columns in the
// order of Columns; LF line ends.
std::string PeopleCsv(const std::vector<Person>& people);
// The same a piece at a time: the header row, and one person's row appended
// to `csv`.
std::string PeopleCsvHeader();
void AppendPeopleCsvRow(std::string& csv, const Person& person);

struct ImportReport {
  std::size_t added = 0;
  // "row N (line L): COLUMN: message" for each row left out, "(lines A–B)" for
  // one over several lines (common/csv_reader.h says what rows and lines are).
  std::vector<std::string> refusedRows;
  // Why nothing was imported: a header row naming an unknown or repeated
  // column, or no date column; the input could not be read (`unreadable`).
  std::optional<std::string> headerProblem;
  std::optional<std::string> unreadable;
};

// Adds a person for each row of the CSV file open at the descriptor `input`
// that the book takes; the rows it does not take are reported and left out.
// The header row names the columns in any order; a column left out is empty
// for every row, but `date` is required. Only a note may hold line breaks: an
// opening quote in any other column that is not closed on its line makes that
// line a row left out. The whole file is read and checked before the book is
// written, so a slow source keeps no one else from writing it; then all of its
// people are added in one transaction. A file that cannot be read to its end,
// or a failure of the database (BookError), adds no one.
ImportReport ImportPeople(Book& book, int input);

}  // namespace zentara::book
