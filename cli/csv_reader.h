// Reading CSV (RFC 4180: fields separated by commas, quoted when they hold a
// comma, a quote or a line break, a quote inside doubled) as a stream of
// records, through libcsv. Each record is handed on as soon as the parser has
// it; only the record being read is kept, so memory does not grow with the
// number of records.
//
// Spaces belong to the field (nothing is trimmed); lines may end in LF, CR LF
// or CR; empty lines are skipped and not counted. A record the parser cannot
// read (a quote inside an unquoted field, text after a closing quote, a quoted
// field left open at the end, a field over MaxCsvFieldBytes, more than
// MaxCsvRecordFields fields or MaxCsvRecordBytes in all) is reported, and
// reading goes on at the next line.
#pragma once
#include <cstddef>
#include <span>
#include <string_view>

namespace zentara::cli {

inline constexpr std::size_t MaxCsvFieldBytes = 1 << 20;
inline constexpr std::size_t MaxCsvRecordBytes = 1 << 22;
inline constexpr std::size_t MaxCsvRecordFields = 1024;

class CsvRecordHandler {
 public:
  virtual ~CsvRecordHandler() = default;
  // A record and its number, 1 for the first. The fields' bytes live until the
  // call returns. Return false to stop reading.
  virtual bool OnRecord(std::size_t number, std::span<const std::string_view> fields) = 0;
  // A record that could not be read, and why. Return false to stop reading.
  virtual bool OnUnreadableRecord(std::size_t number, std::string_view why) = 0;
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

}  // namespace zentara::cli
