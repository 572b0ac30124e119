// zentara-cli's entry readers on any text, one a line: a birth date, a clock
// time, a zone row, a latitude, a longitude and a chart slot's position text
// (whose first eight bytes are also taken as a longitude to format), then the
// rest as a match --batch CSV file. Unless that CSV starts with a column name
// (or a byte order mark) the twenty columns' header row is put before it, so
// most runs reach the couples' rows.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "astro/engine/planets/zodiac_text.h"
#include "cli/astro_entry_options.h"
#include "cli/birth_options.h"
#include "common/csv_reader.h"
#include "cli/exit_status.h"
#include "cli/match_batch.h"
#include "fuzz/fuzz_support.h"

using namespace zentara;
using namespace zentara::cli;
using namespace zentara::fuzz;
using zentara::modPlanetPosition_Western::FormatSlotText;
using zentara::modPlanetPosition_Western::FormatZodiacPosition;

namespace {

constexpr std::string_view kHeader =
    "male-name,male-date,male-time,male-zone,male-dst,male-lat,male-lon,male-city,male-state,male-country,"
    "female-name,female-date,female-time,female-zone,female-dst,female-lat,female-lon,female-city,"
    "female-state,female-country\n";
constexpr std::size_t kOutputColumns = 20 + 2 * 14 + 5;

bool AllDigits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

void CheckBirthReaders(std::string_view date, std::string_view time, std::string_view zone) {
  BirthDate birthDate;
  if (!ReadBirthDate(date, birthDate)) {
    Require(birthDate.year >= 1901 && birthDate.year <= 2050 && birthDate.month >= 1 && birthDate.month <= 12 &&
                birthDate.day >= 1 && birthDate.day <= 31 && date.size() == 10,
            "a date read is YYYY-MM-DD in the lists' ranges", date);
  }
  ClockTime clock;
  if (!ReadClockTime(time, clock)) {
    Require(clock.hour >= 0 && clock.hour <= 23 && clock.minute >= 0 && clock.minute <= 59,
            "a time read is on the 24-hour clock", time);
  }
  int row = -1;
  if (!ReadZoneRow(zone, row)) Require(row >= 0 && row <= 70, "a zone read is a row of the list", zone);
}

// The boxes a coordinate fills are digits cut from the text, at most three each.
void CheckCoordinate(std::string_view text, bool latitude) {
  for (const bool emptyBoxes : {false, true}) {
    CoordinateBoxes boxes;
    const Problem problem = latitude ? ReadLatitude(text, boxes, emptyBoxes) : ReadLongitude(text, boxes, emptyBoxes);
    if (problem) {
      Require(!problem->empty(), "a refusal says why", text);
      continue;
    }
    const std::size_t least = emptyBoxes ? 0 : 1;
    for (const std::string_view box : {boxes.degrees, boxes.minutes}) {
      Require(box.size() >= least && box.size() <= 3 && AllDigits(box), "a box holds one to three digits", text);
      Require(box.empty() || (box.data() >= text.data() && box.data() + box.size() <= text.data() + text.size()),
              "a box is part of the text", text);
    }
  }
}

void CheckZodiacTexts(std::string_view position) {
  FormatSlotText(position);
  double longitude = 0;
  char bytes[sizeof longitude] = {};
  if (!position.empty()) std::memcpy(bytes, position.data(), std::min(position.size(), sizeof bytes));
  std::memcpy(&longitude, bytes, sizeof longitude);
  const std::string text = FormatZodiacPosition(longitude);
  if (std::isfinite(longitude) && std::fabs(longitude) < 360) {
    // "15° 30' 0\" Ari" becomes "15 Ari 30": two-digit degrees and minutes.
    const std::string slot = FormatSlotText(text);
    Require(slot.size() == 9 && slot[2] == ' ' && slot[6] == ' ', "a position gives a DD Key MM slot text",
            text + " -> " + slot);
  }
}

// Counts the records of a CSV file and whether each has `columns` fields.
class RecordCounter final : public CsvRecordHandler {
 public:
  explicit RecordCounter(std::size_t columns) : columns_(columns) {}
  bool OnRecord(const CsvRecordPlace&, std::span<const std::string_view> fields) override {
    ++records;
    allWide = allWide && (columns_ == 0 || fields.size() == columns_);
    return true;
  }
  bool OnUnreadableRecord(const CsvRecordPlace&, std::optional<std::size_t>, std::string_view) override {
    ++records;
    allWide = false;
    return true;
  }
  std::size_t records = 0;
  bool allWide = true;

 private:
  std::size_t columns_;
};

// A file in memory with `bytes`, open for reading from its start; -1 when none can be made.
int MemoryFile(std::string_view bytes) {
  const int file = memfd_create("zentara-fuzz", MFD_CLOEXEC);
  if (file < 0) return -1;
  if (write(file, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || lseek(file, 0, SEEK_SET) != 0) {
    close(file);
    return -1;
  }
  return file;
}

RecordCounter CountRecords(std::string_view csv, std::size_t columns) {
  RecordCounter counter(columns);
  const int file = MemoryFile(csv);
  Require(file >= 0, "a memory file can be made");
  Require(ReadCsvRecords(file, counter) == CsvReadEnd::Finished, "a memory file is read to its end");
  close(file);
  return counter;
}

// Every couple read is either written out, with all its columns, or reported
// on its own line of the error stream.
void CheckBatch(std::string_view rows) {
  const bool ownHeader = rows.starts_with("male-") || rows.starts_with("female-") || rows.starts_with("\xEF\xBB\xBF");
  const std::string csv = ownHeader ? std::string(rows) : std::string(kHeader) + std::string(rows);
  const int file = MemoryFile(csv);
  Require(file >= 0, "a memory file can be made");
  std::ostringstream out, err;
  const int status = RunMatchBatch("/proc/self/fd/" + std::to_string(file), {out, err});
  close(file);

  Require(status == ExitSuccess || status == ExitRefused || status == ExitUsage, "the batch ends with 0, 1 or 2",
          std::to_string(status) + ": " + err.str());
  if (status == ExitUsage) {
    Require(out.str().empty(), "a refused header writes nothing", out.str());
    return;
  }
  const std::size_t couples = CountRecords(csv, 0).records - 1;
  const RecordCounter written = CountRecords(out.str(), kOutputColumns);
  Require(written.allWide, "every output row has all its columns", out.str());
  std::size_t reported = 0;
  for (std::size_t at = 0; (at = err.str().find("row ", at)) != std::string::npos; at += 4) {
    reported += at == 0 || err.str()[at - 1] == '\n';
  }
  Require(written.records - 1 + reported == couples, "every couple is written or reported",
          std::to_string(couples) + " couples, " + std::to_string(written.records - 1) + " written, " +
              std::to_string(reported) + " reported:\n" + err.str());
  Require((status == ExitSuccess) == (reported == 0), "the status tells whether a row was refused", err.str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = SplitFields<7>(AsText(data, size));
  CheckBirthReaders(fields[0], fields[1], fields[2]);
  CheckCoordinate(fields[3], true);
  CheckCoordinate(fields[4], false);
  CheckZodiacTexts(fields[5]);

  // Each text in every column of the astro form, as the batch and the
  // options put it there.
  AstroPartnerEntries scratch;
  for (const AstroColumnInfo& column : AstroColumns) {
    for (std::size_t i = 0; i < 6; ++i) SetAstroEntry(column.column, fields[i], scratch);
  }
  CheckBatch(fields[6]);
  return 0;
}
