#include "cli/match_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <deque>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "astro/match/synastry_texts.h"
#include "astro/match/astro_match.h"
#include "astro/match/relationship_score.h"
#include "cli/astro_entry_options.h"
#include "common/csv_reader.h"
#include "common/csv_writer.h"
#include "cli/exit_status.h"
#include "cli/house_output.h"
#include "cli/ordered_work.h"
#include "cli/visible_text.h"
#include "common/shown_text.h"

namespace zentara::cli {

namespace {

constexpr std::size_t kPartnerColumns = 2 * AstroColumnCount;
constexpr std::size_t kOutputBlockBytes = 1 << 16;  // room a run's output starts with
// Rows are scored in runs of at most this many rows or bytes of fields: enough
// work for a thread to take at a time, small enough that memory stays flat.
constexpr std::size_t kRunRows = 128;
constexpr std::size_t kRunBytes = 1 << 16;

constexpr std::string_view kScoreColumns[] = {"power", "harmony", "ph", "percentage", "comment"};
constexpr std::string_view kEquinoxColumn = "equinox", kNodeColumn = "node", kAspectsColumn = "aspects";
constexpr std::string_view kCuspColumns[] = {"male-cusps", "female-cusps"};
constexpr std::string_view kOverlayColumns[] = {"male-in-female-houses", "female-in-male-houses"};
constexpr std::string_view kRelationshipScoreColumn = "relationship-score";

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
  OutputBlock() : bytes_(kOutputBlockBytes) {}

  // Room for `most` more bytes; Commit then says where the written bytes end.
  char* Room(std::size_t most) {
    if (used_ + most > bytes_.size()) bytes_.resize(std::max(2 * bytes_.size(), used_ + most));
    return bytes_.data() + used_;
  }
  void Commit(const char* end) { used_ = static_cast<std::size_t>(end - bytes_.data()); }

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

// A run of rows as read, and what scoring them gave: the output rows and the
// refusals, each in row order. Its buffers keep their room from run to run.
struct CoupleRun {
  struct Row {
    CsvRecordPlace place;    // its row (the header being 1) and line in the input
    std::size_t firstField;  // index into `ends` of its first field
    std::size_t fieldCount;
    bool unreadable;  // its one field is why the CSV reader could not read it
  };
  std::vector<char> bytes;          // the fields' bytes, one after another
  std::vector<std::size_t> ends;    // where each field ends in `bytes`
  std::vector<Row> rows;
  OutputBlock output;
  std::string messages;  // "row N (line L): ..." lines: the refusals, and notes on rows written
  std::size_t refused = 0;

  void Clear() {
    bytes.clear();
    ends.clear();
    rows.clear();
    messages.clear();
    refused = 0;
  }
  void AddField(std::string_view field) {
    bytes.insert(bytes.end(), field.begin(), field.end());
    ends.push_back(bytes.size());
  }
  std::string_view Field(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : ends[index - 1];
    return {bytes.data() + start, ends[index] - start};
  }
  bool Full() const { return rows.size() >= kRunRows || bytes.size() >= kRunBytes; }
};

// Scores couples: the entries put into the form's controls, checked, matched
// and written as an output row, or refused. One for each worker thread, since
// it keeps its entries and results from row to row.
class CoupleScorer {
 public:
  CoupleScorer(const std::vector<InputColumn>& columns, const BatchOptions& options)
      : columns_(columns), options_(options) {}

  void Score(CoupleRun& run) {
    for (const CoupleRun::Row& row : run.rows) {
      fields_.clear();
      for (std::size_t i = 0; i < row.fieldCount; ++i) fields_.push_back(run.Field(row.firstField + i));
      if (row.unreadable) {
        Refuse(run, row.place, fields_[0]);
      } else {
        ScoreCouple(run, row.place, fields_);
      }
    }
  }

 private:
  void ScoreCouple(CoupleRun& run, const CsvRecordPlace& place, std::span<const std::string_view> fields) {
    if (fields.size() != columns_.size()) {
      Refuse(run, place, "has " + std::to_string(fields.size()) + " fields where the header row has " +
                             std::to_string(columns_.size()));
      return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const InputColumn& column = columns_[i];
      AstroPartnerEntries& partner = column.partner == Partner::Male ? entries_.Male : entries_.Female;
      if (const Problem problem = SetAstroEntry(column.column, fields[i], partner)) {
        Refuse(run, place, ColumnName(column.partner, column.column) + ": " + *problem);
        return;
      }
    }
    if (const auto failure = CheckAstroEntries(entries_)) {
      Refuse(run, place, ColumnName(failure->Of, ColumnOfCheck(*failure)) + ": " + std::string(failure->Message));
      return;
    }
    // Entries that pass the checks always make a birth.
    if (!CalculateAstroMatch(entries_, match_, options_.Positions)) {
      Refuse(run, place, "the entries do not make a birth");
      return;
    }
    if (options_.AspectsColumn) FindAspects(match_.Male, match_.Female, options_.Orbs, aspects_);
    if (options_.CuspColumns || options_.OverlayColumns) CastHouses(run, place);
    WriteRow(run.output, fields, match_);
  }

  // Both partners' houses, and the overlays when asked for, and a note for
  // each chart divided otherwise than asked.
  void CastHouses(CoupleRun& run, const CsvRecordPlace& place) {
    maleHouses_ = CastChartHouses(match_.MaleHouseBasis, options_.Houses);
    femaleHouses_ = CastChartHouses(match_.FemaleHouseBasis, options_.Houses);
    if (options_.OverlayColumns) {
      maleInFemale_ = HousesOfPoints(match_.MaleLongitudes, match_.Male, femaleHouses_);
      femaleInMale_ = HousesOfPoints(match_.FemaleLongitudes, match_.Female, maleHouses_);
    }
    for (const auto& [partner, houses] : {std::pair{"male", &maleHouses_}, {"female", &femaleHouses_}}) {
      if (!houses->FellBack()) continue;
      run.messages.append(CsvPlaceText(place)).append(": ").append(partner).append(" houses: ");
      run.messages.append(HouseFallbackStatement(*houses)).push_back('\n');
    }
  }

  // The input fields, both charts and the score, and the equinox, the node
  // and the aspects when asked for, as one output row.
  void WriteRow(OutputBlock& block, std::span<const std::string_view> fields, const AstroMatchResult& match) {
    const ChartPositions* charts[] = {&match.Male, &match.Female};
    const std::int32_t numbers[] = {match.Score.Power, match.Score.Harmony, match.Score.PH, match.Score.Percentage};
    constexpr std::size_t kNumberBytes = 11;  // "-2147483648"
    const std::string_view equinox = EquinoxName(match.PositionsEquinox), node = LunarNodeName(match.Node);
    std::size_t most = std::size(numbers) * (kNumberBytes + 1) + MaxCsvFieldText(match.Score.Comment.size()) + 1 +
                       MaxCsvFieldText(equinox.size()) + 1 + MaxCsvFieldText(node.size()) + 1 +
                       MaxAspectListSize(aspects_.size()) + 1;
    for (const std::string_view field : fields) most += MaxCsvFieldText(field.size()) + 1;
    most += 2 * (MostCuspListBytes + 1) + 2 * (MostOverlayListBytes + 1) + kNumberBytes + 1;
    for (const ChartPositions* chart : charts) {
      for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
        most += MaxCsvFieldText((*chart)[slot].size()) + 1;
      }
    }

    char* out = block.Room(most);
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
    if (options_.NodeColumn) {
      *out++ = ',';
      out = WriteCsvField(out, node);
    }
    if (options_.AspectsColumn) {
      *out++ = ',';
      out = WriteAspectList(aspects_, out);  // its characters never need quotes
    }
    // Slot texts, point names and numbers: never quoted.
    if (options_.CuspColumns) {
      for (const ChartHouses* houses : {&maleHouses_, &femaleHouses_}) {
        *out++ = ',';
        out = WriteCuspList(out, *houses);
      }
    }
    if (options_.OverlayColumns) {
      for (const PointHouses* overlay : {&maleInFemale_, &femaleInMale_}) {
        *out++ = ',';
        out = WriteOverlayList(out, *overlay);
      }
    }
    if (options_.RelationshipScoreColumn) {
      *out++ = ',';
      out = std::to_chars(out, out + kNumberBytes, ScoreRelationship(match.Male, match.Female).Value).ptr;
    }
    *out++ = '\n';
    block.Commit(out);
  }

  static void Refuse(CoupleRun& run, const CsvRecordPlace& place, std::string_view why) {
    ++run.refused;
    run.messages.append(CsvPlaceText(place)).append(": ");
    run.messages.append(VisibleText(why)).push_back('\n');  // it may quote a field
  }

  const std::vector<InputColumn>& columns_;  // in the input's order
  const BatchOptions& options_;
  std::vector<std::string_view> fields_;  // the row being scored
  AstroEntries entries_;                  // every column is set for each row
  AstroMatchResult match_;
  std::vector<Aspect> aspects_;
  ChartHouses maleHouses_, femaleHouses_;     // of the row being written, with --houses or --overlays
  PointHouses maleInFemale_{}, femaleInMale_{};  // with --overlays
};

// Reads the header row, then hands the rows on in runs to be scored on
// `jobs` threads, and writes each run's rows and refusals in input order.
class BatchMatcher final : public CsvRecordHandler {
 public:
  BatchMatcher(Streams io, const BatchOptions& options, std::size_t jobs)
      : io_(io), options_(options), jobs_(jobs) {}

  bool OnRecord(const CsvRecordPlace& place, std::span<const std::string_view> fields) override {
    if (place.row == 1) return ReadHeader(fields);
    CoupleRun* run = CurrentRun();
    if (run == nullptr) return false;
    run->rows.push_back({place, run->ends.size(), fields.size(), false});
    for (const std::string_view field : fields) run->AddField(field);
    return GiveRunIfFull();
  }

  // No field of the batch holds a line break: a quoted field ends with its line.
  bool OnUnreadableRecord(const CsvRecordPlace& place, std::optional<std::size_t> field,
                          std::string_view why) override {
    if (place.row == 1) {
      headerProblem_ = "the header row cannot be read: " + std::string(why);
      return false;
    }
    CoupleRun* run = CurrentRun();
    if (run == nullptr) return false;
    run->rows.push_back({place, run->ends.size(), 1, true});
    if (field && *field < columns_.size()) {
      run->AddField(ColumnName(columns_[*field].partner, columns_[*field].column) + ": " + std::string(why));
    } else {
      run->AddField(why);
    }
    return GiveRunIfFull();
  }

  // The exit status once reading has ended as `end`.
  int Finish(CsvReadEnd end, const std::string& path) {
    const int readError = errno;
    if (filling_ != nullptr) {
      work_->Give();
      filling_ = nullptr;
    }
    const bool written = !work_ || (work_->TakeAll([this](CoupleRun& run) { return WriteRun(run); }) && !outputFailed_);
    if (end == CsvReadEnd::ReadFailed) {
      io_.err << "zentara-cli match: cannot read " << path << ": " << std::strerror(readError) << "\n";
      return ExitFile;
    }
    if (!headerRead_) {
      io_.err << "zentara-cli match: "
              << (headerProblem_.empty() ? "the input is empty; its first row must name the columns" : headerProblem_)
              << "\nTry 'zentara-cli match --help'.\n";
      return ExitUsage;
    }
    if (!written || outputFailed_ || !io_.out.flush()) {
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
      const std::string_view name = fields[i];
      std::size_t found = 0;
      while (found < kPartnerColumns && names[found] != name) ++found;
      if (found == kPartnerColumns) {
        headerProblem_ = "the header row names an unknown column '" + VisibleText(ShownText(name)) + "'; the columns are " +
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
    if (options_.NodeColumn) header.append(kNodeColumn).push_back(',');
    if (options_.AspectsColumn) header.append(kAspectsColumn).push_back(',');
    if (options_.CuspColumns) {
      for (const std::string_view column : kCuspColumns) header.append(column).push_back(',');
    }
    if (options_.OverlayColumns) {
      for (const std::string_view column : kOverlayColumns) header.append(column).push_back(',');
    }
    if (options_.RelationshipScoreColumn) header.append(kRelationshipScoreColumn).push_back(',');
    header.back() = '\n';
    headerRead_ = true;
    // The columns are known: the scorers and their threads can start.
    for (std::size_t worker = 0; worker < jobs_; ++worker) scorers_.emplace_back(columns_, options_);
    work_.emplace(jobs_, [this](CoupleRun& run, std::size_t worker) { scorers_[worker].Score(run); });
    return static_cast<bool>(io_.out.write(header.data(), static_cast<std::streamsize>(header.size())));
  }

  // The run being filled, once the runs given before it have left room;
  // nothing once the output cannot be written.
  CoupleRun* CurrentRun() {
    if (filling_ == nullptr && headerRead_) {
      filling_ = work_->NextToFill([this](CoupleRun& run) { return WriteRun(run); });
      if (filling_ != nullptr) filling_->Clear();
    }
    return filling_;
  }

  bool GiveRunIfFull() {
    if (filling_->Full()) {
      work_->Give();
      filling_ = nullptr;
    }
    return !outputFailed_;
  }

  // Writes a scored run: its refusals and notes on the error stream, its rows
  // on the output. False, to stop reading, once the output cannot be written.
  bool WriteRun(CoupleRun& run) {
    io_.err << run.messages;
    refused_ += run.refused;
    if (!run.output.WriteTo(io_.out)) outputFailed_ = true;
    return !outputFailed_;
  }

  Streams io_;
  BatchOptions options_;
  std::size_t jobs_;
  std::vector<InputColumn> columns_;  // in the input's order
  std::deque<CoupleScorer> scorers_;  // one a worker; they keep references to columns_ and options_
  std::optional<OrderedWork<CoupleRun>> work_;
  CoupleRun* filling_ = nullptr;
  std::string headerProblem_;
  bool headerRead_ = false;
  bool outputFailed_ = false;
  std::size_t refused_ = 0;
};

}  // namespace

std::size_t DefaultBatchJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : cores;
}

int RunMatchBatch(const std::string& path, Streams io, const BatchOptions& options) {
  const bool standardInput = path == "-";
  const int input = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    io.err << "zentara-cli match: cannot read " << path << ": " << std::strerror(errno) << "\n";
    return ExitFile;
  }
  BatchMatcher matcher(io, options, std::max<std::size_t>(options.Jobs, 1));
  const CsvReadEnd end = ReadCsvRecords(input, matcher);
  const int status = matcher.Finish(end, standardInput ? "the standard input" : path);
  if (!standardInput) ::close(input);
  return status;
}

}  // namespace zentara::cli
