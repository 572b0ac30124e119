#include "book/people_csv.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

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
    field.resize(cli::MaxCsvFieldText(text.size()));
    csv.append(field.data(), cli::WriteCsvField(field.data(), text));
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

class PeopleReader : public cli::CsvRecordHandler {
 public:
  PeopleReader(Book& book, ImportReport& report) : book_(book), report_(report) {}

  bool OnRecord(std::size_t number, std::span<const std::string_view> fields) override {
    if (number == 1) return ReadHeader(fields);
    if (fields.size() != columns_.size()) {
      Refuse(number, "has " + std::to_string(fields.size()) + " fields where the header row has " +
                         std::to_string(columns_.size()));
      return true;
    }
    Person person;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (const Problem problem = SetColumn(person, columns_[i], fields[i])) {
        Refuse(number, std::string(ColumnName(columns_[i])) + ": " + *problem);
        return true;
      }
    }
    if (const auto problem = CheckPerson(person)) {
      Refuse(number, std::string(ColumnName(problem->column)) + ": " + problem->message);
      return true;
    }
    book_.Add(std::move(person));
    ++report_.added;
    return true;
  }

  bool HeaderRead() const { return !columns_.empty(); }

  bool OnUnreadableRecord(std::size_t number, std::string_view why) override {
    if (number == 1) {
      report_.headerProblem = "the header row cannot be read: " + std::string(why);
      return false;
    }
    Refuse(number, why);
    return true;
  }

 private:
  bool ReadHeader(std::span<const std::string_view> fields) {
    std::array<bool, ColumnCount> seen{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::string_view name = fields[i];
      if (i == 0 && name.starts_with("\xEF\xBB\xBF")) name.remove_prefix(3);  // a UTF-8 byte order mark
      const auto column = ColumnNamed(name);
      if (!column) {
        report_.headerProblem =
            "the header row names an unknown column '" + std::string(name) + "'; the columns are " + ColumnList();
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

  void Refuse(std::size_t number, std::string_view why) {
    report_.refusedRows.push_back("row " + std::to_string(number) + ": " + std::string(why));
  }

  Book& book_;
  ImportReport& report_;
  std::vector<Column> columns_;
};

}  // namespace

ImportReport ImportPeople(Book& book, int input) {
  ImportReport report;
  Book::Batch batch(book);
  PeopleReader reader(book, report);
  const cli::CsvReadEnd end = cli::ReadCsvRecords(input, reader);
  if (end == cli::CsvReadEnd::ReadFailed) {
    report.unreadable = std::strerror(errno);
  } else if (!report.headerProblem && !reader.HeaderRead()) {
    report.headerProblem = "the input is empty; its first row must name the columns";
  }
  if (report.headerProblem || report.unreadable) {
    report.added = 0;
    report.refusedRows.clear();
    return report;  // the batch rolls back
  }
  batch.Commit();
  return report;
}

}  // namespace zentara::book
