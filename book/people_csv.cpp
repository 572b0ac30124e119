#include "book/people_csv.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/csv_reader.h"
#include "common/csv_writer.h"
#include "common/shown_text.h"

namespace zentara::book {

std::string PeopleCsvHeader() {
  std::string csv;
  for (const ColumnInfo& info : Columns) {
    if (info.column != Columns.front().column) csv += ',';
    csv += info.name;
  }
  return csv + '\n';
}

void AppendPeopleCsvRow(std::string& csv, const Person& person) {
  std::vector<char> field;
  for (const ColumnInfo& info : Columns) {
    if (info.column != Columns.front().column) csv += ',';
    const std::string text = ColumnText(person, info.column);
    field.resize(MaxCsvFieldText(text.size()));
    csv.append(field.data(), WriteCsvField(field.data(), text));
  }
  csv += '\n';
}

std::string PeopleCsv(const std::vector<Person>& people) {
  std::string csv = PeopleCsvHeader();
  for (const Person& person : people) AppendPeopleCsvRow(csv, person);
  return csv;
}

namespace {

std::string ColumnList() {
  std::string list;
  for (const ColumnInfo& info : Columns) list += (list.empty() ? "" : ", ") + std::string(info.name);
  return list;
}

// Reads and checks every row, keeping the good ones' fields until the book
// takes them.
class PeopleReader : public CsvRecordHandler {
 public:
  explicit PeopleReader(ImportReport& report) : report_(report) {}

  bool OnRecord(const CsvRecordPlace& place, std::span<const std::string_view> fields) override {
    if (place.row == 1) return ReadHeader(fields);
    if (fields.size() != columns_.size()) {
      Refuse(place, "has " + std::to_string(fields.size()) + " fields where the header row has " +
                        std::to_string(columns_.size()));
      return true;
    }
    Person person;
    if (const Problem problem = PersonOfRow(fields, person)) {
      Refuse(place, *problem);
      return true;
    }
    for (const std::string_view field : fields) {
      goodBytes_.append(field);
      goodLengths_.push_back(static_cast<std::uint32_t>(field.size()));  // at most MaxCsvFieldBytes
    }
    return true;
  }

  bool OnUnreadableRecord(const CsvRecordPlace& place, std::optional<std::size_t> field,
                          std::string_view why) override {
    if (place.row == 1) {
      report_.headerProblem = "the header row cannot be read: " + std::string(why);
      return false;
    }
    if (field && *field < columns_.size()) {
      Refuse(place, std::string(ColumnName(columns_[*field])) + ": " + std::string(why));
    } else {
      Refuse(place, why);
    }
    return true;
  }

  // Only a note may hold line breaks (the People window takes a note of
  // several lines, and the export writes it quoted).
  bool MayHoldLineBreaks(std::size_t field) const override {
    return field < columns_.size() && columns_[field] == Column::Note;
  }

  bool HeaderRead() const { return !columns_.empty(); }

  // Adds the person of each good row to `book`, in the file's order; how many.
  std::size_t AddPeople(Book& book) const {
    std::vector<std::string_view> fields(columns_.size());
    std::size_t added = 0, at = 0;
    for (std::size_t next = 0; next < goodLengths_.size(); ++added) {
      for (std::string_view& field : fields) {
        field = std::string_view(goodBytes_).substr(at, goodLengths_[next++]);
        at += field.size();
      }
      Person person;
      PersonOfRow(fields, person);  // it passed when read
      book.Add(std::move(person), Book::ChartTiming::WhenWanted);
    }
    return added;
  }

 private:
  bool ReadHeader(std::span<const std::string_view> fields) {
    std::array<bool, ColumnCount> seen{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::string_view name = fields[i];
      const auto column = ColumnNamed(name);
      if (!column) {
        report_.headerProblem =
            "the header row names an unknown column '" + ShownText(name) + "'; the columns are " + ColumnList();
        return false;
      }
      if (seen[static_cast<std::size_t>(*column)]) {
        report_.headerProblem = "the header row names the column " + std::string(name) + " twice";
        return false;
      }
      seen[static_cast<std::size_t>(*column)] = true;
      columns_.push_back(*column);
    }
    if (!seen[static_cast<std::size_t>(Column::Date)]) {
      report_.headerProblem = "the header row lacks the column date";
      return false;
    }
    return true;
  }

  // The row's fields, one for each of the header's columns, into `person`;
  // "COLUMN: message" when the book cannot take them.
  Problem PersonOfRow(std::span<const std::string_view> fields, Person& person) const {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (const Problem problem = SetColumn(person, columns_[i], fields[i])) {
        return std::string(ColumnName(columns_[i])) + ": " + *problem;
      }
    }
    if (const auto problem = CheckPerson(person)) {
      return std::string(ColumnName(problem->column)) + ": " + problem->message;
    }
    return std::nullopt;
  }

  void Refuse(const CsvRecordPlace& place, std::string_view why) {
    report_.refusedRows.push_back(CsvPlaceText(place) + ": " + std::string(why));
  }

  ImportReport& report_;
  std::vector<Column> columns_;
  // The good rows' fields: their bytes one after another, and their lengths,
  // as many a row as the header has columns; far smaller than the people.
  std::string goodBytes_;
  std::vector<std::uint32_t> goodLengths_;
};

}  // namespace

ImportReport ImportPeople(Book& book, int input) {
  ImportReport report;
  PeopleReader reader(report);
  const CsvReadEnd end = ReadCsvRecords(input, reader);
  if (end == CsvReadEnd::ReadFailed) {
    report.unreadable = std::strerror(errno);
  } else if (!report.headerProblem && !reader.HeaderRead()) {
    report.headerProblem = "the input is empty; its first row must name the columns";
  }
  if (report.headerProblem || report.unreadable) {
    report.refusedRows.clear();
    return report;
  }
  // The file is read and checked: only now is the book's write lock taken.
  Book::Batch batch(book);
  report.added = reader.AddPeople(book);
  batch.Commit();
  return report;
}

}  // namespace zentara::book
