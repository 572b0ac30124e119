// Reading CSV (RFC 4180: fields separated by commas, quoted when they hold a
// comma, a quote or a line break, a quote inside doubled) as a stream of
// records, through libcsv. Each record is handed on as soon as the parser has
// it; only the record being read is kept, so memory does not grow with the
// number of records.
//
// Spaces belong to the field (nothing is trimmed); lines may end in LF, CR LF
// or CR. A UTF-8 byte order mark that begins the input is left out. A record is a row: the first is row 1, and empty lines are skipped
// and not counted as rows. Lines are the input's lines, empty ones included,
// the first being line 1; a record takes one line, or more when a quoted field
// holds line breaks, which only the fields the handler names may hold
// (MayHoldLineBreaks): in any other field an opening quote not closed on its
// line makes that line one unreadable record.
//
// A record the parser cannot read (a quote inside an unquoted field, text
// after a closing quote, an opening quote never closed, a field over
// MaxCsvFieldBytes, more than MaxCsvRecordFields fields or MaxCsvRecordBytes
// in all) is reported, and reading goes on at the line after the one where it
// failed; so every line is in a record handed on, in an unreadable one, or
// empty.
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentara {

inline constexpr std::size_t MaxCsvFieldBytes = 1 << 20;
inline constexpr std::size_t MaxCsvRecordBytes = 1 << 22;
inline constexpr std::size_t MaxCsvRecordFields = 1024;

// Where a record is in the input.
struct CsvRecordPlace {
  std::size_t row = 0;        // 1 for the first record
  std::size_t firstLine = 0;  // the line it starts on, 1 for the input's first
  std::size_t lastLine = 0;   // the line it ends on
};

// "row 3 (line 3)", or "row 3 (lines 3–308)" for a record over several lines:
// how a refusal names the record.
std::string CsvPlaceText(const CsvRecordPlace& place);

class CsvRecordHandler {
 public:
  virtual ~CsvRecordHandler() = default;
  // A record and where it is. The fields' bytes live until the call returns.
  // Return false to stop reading.
  virtual bool OnRecord(const CsvRecordPlace& place, std::span<const std::string_view> fields) = 0;
  // A record that could not be read, the field where it failed (0 for the
  // first; nothing when it is the record as a whole that is too large), and
  // why. Return false to stop reading.
  virtual bool OnUnreadableRecord(const CsvRecordPlace& place, std::optional<std::size_t> field,
                                  std::string_view why) = 0;
  // Whether field `field` (0 for the first) of the record being read may hold
  // a line break; asked when a quoted field is still open at a line's end.
  virtual bool MayHoldLineBreaks(std::size_t field) const {
    static_cast<void>(field);
    return false;
  }
};

enum class CsvReadEnd {
  Finished,   // the whole input was read
  Stopped,    // the handler asked to stop
  ReadFailed  // the input could not be read; errno tells why
};

// Reads the open file descriptor `input` to its end, handing every record to
// `handler` in order. Records are handed on as the bytes arrive, so a pipe is
// served as it is written.
CsvReadEnd ReadCsvRecords(int input, CsvRecordHandler& handler);

}  // namespace zentara
