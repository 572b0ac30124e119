#include "cli/match_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <ostream>
#include <vector>

#include "astro/match/aspect_texts.h"
#include "astro/match/astro_match.h"
#include "cli/astro_entry_options.h"
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "cli/exit_status.h"
#include "cli/visible_text.h"

namespace zentara::cli {

namespace {

constexpr std::size_t kPartnerColumns = 2 * AstroColumnCount;
constexpr std::size_t kOutputBlockBytes = 1 << 16;  // output is written in blocks of about this size

constexpr std::string_view kScoreColumns[] = {"power", "harmony", "ph", "percentage", "comment"};
constexpr std::string_view kEquinoxColumn = "equinox", kAspectsColumn = "aspects";

struct InputColumn {
  Partner partner;
  AstroColumn column;
};

// The twenty column names, male first, in AstroColumns order.
std::array<std::string, kPartnerColumns> PartnerColumnNames() {
  std::array<std::string, kPartnerColumns> names;
  for (std::size_t i = 0; i < kPartnerColumns; ++i) {
    names[i] = ColumnName(i < AstroColumnCount ? Partner::Male : Partner::Female,
                          AstroColumns[i % AstroColumnCount].column);
  }
  return names;
}

std::string JoinedNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

// Output rows waiting to be written, gathered into blocks so that each row
// costs no allocation and no stream call.
class OutputBlock {
 public:
  OutputBlock() : bytes_(2 * kOutputBlockBytes) {}

  // Room for `most` more bytes; Commit then says where the written bytes end.
  char* Room(std::size_t most) {
    if (used_ + most > bytes_.size()) bytes_.resize(used_ + most);  // only for rows of huge fields
    return bytes_.data() + used_;
  }
  void Commit(const char* end) { used_ = static_cast<std::size_t>(end - bytes_.data()); }
  bool Full() const { return used_ >= kOutputBlockBytes; }

  // Writes the block to `out` and empties it; false when `out` failed.
  bool WriteTo(std::ostream& out) {
    out.write(bytes_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
    return static_cast<bool>(out);
  }

 private:
  std::vector<char> bytes_;
  std::size_t used_ = 0;
};

class BatchMatcher final : public CsvRecordHandler {
 public:
  BatchMatcher(Streams io, const BatchOptions& options) : io_(io), options_(options) {}

  bool OnRecord(std::size_t number, std::span<const std::string_view> fields) override {
    if (number == 1) return ReadHeader(fields);
    ScoreCouple(number, fields);
    return WriteBlockIfFull();
  }

  bool OnUnreadableRecord(std::size_t number, std::string_view why) override {
    if (number == 1) {
      headerProblem_ = "the header row cannot be read: " + std::string(why);
      return false;
    }
    Refuse(number, why);
    return true;
  }

  // The exit status once reading has ended as `end`.
  int Finish(CsvReadEnd end, const std::string& path) {
    if (end == CsvReadEnd::ReadFailed) {
      const int error = errno;
      WriteBlock();
      io_.err << "zentara-cli match: cannot read " << path << ": " << std::strerror(error) << "\n";
      return ExitFile;
    }
    if (!headerRead_) {
      io_.err << "zentara-cli match: "
              << (headerProblem_.empty() ? "the input is empty; its first row must name the columns" : headerProblem_)
              << "\nTry 'zentara-cli match --help'.\n";
      return ExitUsage;
    }
    if (!WriteBlock() || !io_.out.flush()) {
      io_.err << "zentara-cli match: cannot write the output\n";
      return ExitFile;
    }
    return refused_ == 0 ? ExitSuccess : ExitRefused;
  }

 private:
  bool ReadHeader(std::span<const std::string_view> fields) {
    static const std::array<std::string, kPartnerColumns> names = PartnerColumnNames();
    std::array<bool, kPartnerColumns> seen{};
    std::string header;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::string_view name = fields[i];
      if (i == 0 && name.starts_with("\xEF\xBB\xBF")) name.remove_prefix(3);  // a UTF-8 byte order mark
      std::size_t found = 0;
      while (found < kPartnerColumns && names[found] != name) ++found;
      if (found == kPartnerColumns) {
        headerProblem_ = "the header row names an unknown column '" + VisibleText(name) + "'; the columns are " +
                         JoinedNames({names.begin(), names.end()});
        return false;
      }
      if (seen[found]) {
        headerProblem_ = "the header row names the column " + names[found] + " twice";
        return false;
      }
      seen[found] = true;
      columns_.push_back({found < AstroColumnCount ? Partner::Male : Partner::Female,
                          AstroColumns[found % AstroColumnCount].column});
      header.append(name).push_back(',');  // a known column name needs no quotes
    }
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < kPartnerColumns; ++i) {
      if (!seen[i]) missing.push_back(names[i]);
    }
    if (!missing.empty()) {
      headerProblem_ = "the header row lacks the column" + std::string(missing.size() > 1 ? "s " : " ") +
                       JoinedNames(missing);
      return false;
    }
    for (const std::string_view partner : {"male-", "female-"}) {
      for (const std::string_view slot : SlotKeys) header.append(partner).append(slot).push_back(',');
    }
    for (const std::string_view score : kScoreColumns) header.append(score).push_back(',');
    if (options_.EquinoxColumn) header.append(kEquinoxColumn).push_back(',');
    if (options_.AspectsColumn) header.append(kAspectsColumn).push_back(',');
    header.back() = '\n';
    headerRead_ = true;
    return static_cast<bool>(io_.out.write(header.data(), static_cast<std::streamsize>(header.size())));
  }

  void ScoreCouple(std::size_t number, std::span<const std::string_view> fields) {
    if (fields.size() != columns_.size()) {
      Refuse(number, "has " + std::to_string(fields.size()) + " fields where the header row has " +
                         std::to_string(columns_.size()));
      return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const InputColumn& column = columns_[i];
      AstroPartnerEntries& partner = column.partner == Partner::Male ? entries_.Male : entries_.Female;
      if (const Problem problem = SetAstroEntry(column.column, fields[i], partner)) {
        Refuse(number, ColumnName(column.partner, column.column) + ": " + *problem);
        return;
      }
    }
    if (const auto failure = CheckAstroEntries(entries_)) {
      Refuse(number, ColumnName(failure->Of, ColumnOfCheck(*failure)) + ": " + std::string(failure->Message));
      return;
    }
    // Entries that pass the checks always make a birth.
    if (!CalculateAstroMatch(entries_, match_, options_.PositionsEquinox)) {
      Refuse(number, "the entries do not make a birth");
      return;
    }
    if (options_.AspectsColumn) FindAspects(match_.Male, match_.Female, options_.Orbs, aspects_);
    WriteRow(fields, match_);
  }

  // The input fields, both charts and the score, and the equinox and the
  // aspects when asked for, as one output row.
  void WriteRow(std::span<const std::string_view> fields, const AstroMatchResult& match) {
    const ChartPositions* charts[] = {&match.Male, &match.Female};
    const std::int32_t numbers[] = {match.Score.Power, match.Score.Harmony, match.Score.PH, match.Score.Percentage};
    constexpr std::size_t kNumberBytes = 11;  // "-2147483648"
    const std::string_view equinox = EquinoxName(match.PositionsEquinox);
    std::size_t most = std::size(numbers) * (kNumberBytes + 1) + MaxCsvFieldText(match.Score.Comment.size()) + 1 +
                       MaxCsvFieldText(equinox.size()) + 1 + MaxAspectListSize(aspects_.size()) + 1;
    for (const std::string_view field : fields) most += MaxCsvFieldText(field.size()) + 1;
    for (const ChartPositions* chart : charts) {
      for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
        most += MaxCsvFieldText((*chart)[slot].size()) + 1;
      }
    }

    char* out = block_.Room(most);
    for (const std::string_view field : fields) {
      out = WriteCsvField(out, field);
      *out++ = ',';
    }
    for (const ChartPositions* chart : charts) {
      for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
        out = WriteCsvField(out, (*chart)[slot]);
        *out++ = ',';
      }
    }
    for (const std::int32_t number : numbers) {
      out = std::to_chars(out, out + kNumberBytes, number).ptr;
      *out++ = ',';
    }
    out = WriteCsvField(out, match.Score.Comment);
    if (options_.EquinoxColumn) {
      *out++ = ',';
      out = WriteCsvField(out, equinox);
    }
    if (options_.AspectsColumn) {
      *out++ = ',';
      out = WriteAspectList(aspects_, out);  // its characters never need quotes
    }
    *out++ = '\n';
    block_.Commit(out);
  }

  void Refuse(std::size_t number, std::string_view why) {
    ++refused_;
    io_.err << "row " << number << ": " << VisibleText(why) << "\n";  // it may quote a field
  }

  bool WriteBlock() { return block_.WriteTo(io_.out); }

  // False, to stop reading, once the output cannot be written.
  bool WriteBlockIfFull() { return !block_.Full() || WriteBlock(); }

  Streams io_;
  BatchOptions options_;
  std::vector<InputColumn> columns_;  // in the input's order
  AstroEntries entries_;              // reused from row to row; every column is set for each
  AstroMatchResult match_;            // reused from row to row
  std::vector<Aspect> aspects_;       // reused from row to row
  OutputBlock block_;                 // output not yet written
  std::string headerProblem_;
  bool headerRead_ = false;
  std::size_t refused_ = 0;
};

}  // namespace

int RunMatchBatch(const std::string& path, Streams io, const BatchOptions& options) {
  const bool standardInput = path == "-";
  const int input = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    io.err << "zentara-cli match: cannot read " << path << ": " << std::strerror(errno) << "\n";
    return ExitFile;
  }
  BatchMatcher matcher(io, options);
  const CsvReadEnd end = ReadCsvRecords(input, matcher);
  const int status = matcher.Finish(end, standardInput ? "the standard input" : path);
  if (!standardInput) ::close(input);
  return status;
}

}  // namespace zentara::cli
