#include "common/csv_reader.h"

#include <csv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

namespace zentara {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
static_assert(MaxCsvFieldBytes == 1048576 && MaxCsvRecordBytes == 4194304 && MaxCsvRecordFields == 1024,
              "the messages below name the limits");

// libcsv grows its field buffer through this (asking for less, down to one more
// byte, when refused); refusing to grow it past the limit makes the parser
// report that field (CSV_ENOMEM) instead of holding an ever longer one, such as
// a note whose opening quote is never closed. libcsv grows the buffer when it
// is full before it looks at the next byte, even the comma that ends the
// field, and keeps a closing quote in it until it knows the field has ended, so
// a field of exactly the limit needs room for two bytes more; OnField refuses
// the field that is longer than the limit but still fitted.
constexpr std::size_t FieldBufferBytes = MaxCsvFieldBytes + 2;
void* CappedRealloc(void* block, std::size_t size) {
  if (size > FieldBufferBytes) return nullptr;
  return std::realloc(block, size);
}

// Spaces are part of a field, as RFC 4180 has it; libcsv would trim them.
int NothingIsSpace(unsigned char) { return 0; }

constexpr std::string_view kFieldTooLong = "a field longer than 1048576 bytes";
constexpr std::string_view kNeverClosed = "an opening quote is never closed";

std::string_view WhyUnparsed(int error) {
  if (error == CSV_EPARSE) return "malformed quoting: a quote inside an unquoted field, or text after a closing quote";
  return kFieldTooLong;
}

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Splits the input into lines and hands libcsv one line at a time, so that it
// knows where each record starts and ends, and can close a quoted field at its
// line's end unless the handler lets that field hold line breaks.
class RecordReader {
 public:
  explicit RecordReader(CsvRecordHandler& handler) : handler_(handler) { StartParser(); }
  ~RecordReader() { csv_free(&parser_); }
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Parses the next bytes of the input; false once the handler asked to stop.
  // A UTF-8 byte order mark that begins the input (as spreadsheets and
  // shells begin their UTF-8 files) is no part of the first field, quoted or
  // not; it may arrive a byte at a time.
  bool Feed(const char* data, std::size_t size) {
    if (markMatched_ <= ByteOrderMark.size()) {
      while (size > 0 && markMatched_ < ByteOrderMark.size() && *data == ByteOrderMark[markMatched_]) {
        ++markMatched_;
        ++data;
        --size;
      }
      if (size == 0 && markMatched_ < ByteOrderMark.size()) return true;  // not yet known
      if (!StopLookingForMark()) return false;
    }
    return FeedLines(data, size);
  }

  // Hands on the last record, which needs no line break; false when stopped.
  bool Finish() {
    if (markMatched_ <= ByteOrderMark.size() && !StopLookingForMark()) return false;
    if (stopped_ || !inRecord_) return !stopped_;
    if (csv_fini(&parser_, OnField, OnRecordEnd, this) != 0 && !stopped_) Unreadable(field_, kNeverClosed);
    return !stopped_;
  }

 private:
  static constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

  // Bytes that began like a byte order mark but are none are text.
  bool StopLookingForMark() {
    const std::size_t matched = markMatched_;
    markMatched_ = ByteOrderMark.size() + 1;
    return matched == ByteOrderMark.size() || FeedLines(ByteOrderMark.data(), matched);
  }

  bool FeedLines(const char* data, std::size_t size) {
    while (size > 0 && !stopped_) {
      if (afterCr_) {  // an LF after a CR ends the same line
        afterCr_ = false;
        if (*data == '\n') {
          if (inRecord_) Parse(data, 1);  // a quoted field's line break is CR LF
          ++data;
          --size;
          continue;
        }
      }
      const char* end = std::find_if(data, data + size, IsLineEnd);
      const bool ended = end != data + size;
      const std::size_t length = static_cast<std::size_t>(end - data) + (ended ? 1 : 0);
      if (skipping_) {  // the rest of an unreadable record's line
        skipping_ = !ended;
      } else if (inRecord_ || length > 1 || !ended) {  // not an empty line
        if (!inRecord_) {
          inRecord_ = true;
          place_.firstLine = line_;
        }
        place_.lastLine = line_;
        if (!Parse(data, length)) {
          skipping_ = !ended;
        } else if (ended && inRecord_ && !handler_.MayHoldLineBreaks(field_)) {
          Unreadable(field_, kNeverClosed);  // the line ended inside a quoted field
        }
      }
      if (ended) {
        ++line_;
        afterCr_ = *end == '\r';
      }
      data += length;
      size -= length;
    }
    return !stopped_;
  }

  void StartParser() {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser_, NothingIsSpace);
    csv_set_realloc_func(&parser_, CappedRealloc);
  }

  // Hands `size` bytes of one line to the parser; false when it could not
  // read them, the record then reported.
  bool Parse(const char* data, std::size_t size) {
    if (csv_parse(&parser_, data, size, OnField, OnRecordEnd, this) == size || stopped_) return true;
    Unreadable(field_, WhyUnparsed(csv_error(&parser_)));
    return false;
  }

  void EndRecord() {
    bytes_.clear();
    ends_.clear();
    tooBig_ = {};
    tooBigField_.reset();
    field_ = 0;
    inRecord_ = false;
  }

  // Reports the record being read and starts a fresh parser for what follows.
  void Unreadable(std::optional<std::size_t> field, std::string_view why) {
    ++place_.row;
    stopped_ = !handler_.OnUnreadableRecord(place_, field, why);
    EndRecord();
    csv_free(&parser_);
    StartParser();
  }

  static void OnField(void* text, std::size_t size, void* data) {
    auto& self = *static_cast<RecordReader*>(data);
    const std::size_t field = self.field_++;
    if (self.stopped_ || !self.tooBig_.empty()) return;
    if (size > MaxCsvFieldBytes) {
      self.tooBig_ = kFieldTooLong;
      self.tooBigField_ = field;
    } else if (self.ends_.size() == MaxCsvRecordFields) {
      self.tooBig_ = "more than 1024 fields";
    } else if (self.bytes_.size() + size > MaxCsvRecordBytes) {
      self.tooBig_ = "a record longer than 4194304 bytes";
    } else {
      const char* bytes = static_cast<const char*>(text);
      self.bytes_.insert(self.bytes_.end(), bytes, bytes + size);
      self.ends_.push_back(self.bytes_.size());
    }
  }

  static void OnRecordEnd(int, void* data) {
    auto& self = *static_cast<RecordReader*>(data);
    if (self.stopped_) return;
    ++self.place_.row;
    if (self.tooBig_.empty()) {
      self.fields_.clear();
      std::size_t start = 0;
      for (const std::size_t end : self.ends_) {
        self.fields_.emplace_back(self.bytes_.data() + start, end - start);
        start = end;
      }
      self.stopped_ = !self.handler_.OnRecord(self.place_, self.fields_);
    } else {
      self.stopped_ = !self.handler_.OnUnreadableRecord(self.place_, self.tooBigField_, self.tooBig_);
    }
    self.EndRecord();
  }

  CsvRecordHandler& handler_;
  csv_parser parser_{};
  // The record being read: its fields' bytes one after another, where each
  // field ends, and at its end the fields as views. All keep their capacity
  // from record to record.
  std::vector<char> bytes_;
  std::vector<std::size_t> ends_;
  std::vector<std::string_view> fields_;
  std::size_t field_ = 0;  // the field being read, 0 for the record's first
  std::string_view tooBig_;  // why the record being read is refused, once it is
  std::optional<std::size_t> tooBigField_;
  CsvRecordPlace place_;     // the last record's row, the lines of the one being read
  std::size_t line_ = 1;     // the line being read
  bool inRecord_ = false;    // a record has begun and not ended
  bool afterCr_ = false;     // the last line ended in CR
  bool stopped_ = false;
  bool skipping_ = false;
  // Bytes of a byte order mark matched at the input's start; past its size
  // once the first bytes are known.
  std::size_t markMatched_ = 0;
};

}  // namespace

std::string CsvPlaceText(const CsvRecordPlace& place) {
  std::string text = "row " + std::to_string(place.row);
  if (place.lastLine == place.firstLine) return text + " (line " + std::to_string(place.firstLine) + ")";
  return text + " (lines " + std::to_string(place.firstLine) + "–" + std::to_string(place.lastLine) + ")";
}

CsvReadEnd ReadCsvRecords(int input, CsvRecordHandler& handler) {
  RecordReader reader(handler);
  const auto buffer = std::make_unique<char[]>(kChunkBytes);
  for (;;) {
    const ssize_t got = ::read(input, buffer.get(), kChunkBytes);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return CsvReadEnd::ReadFailed;
    if (got == 0) break;
    if (!reader.Feed(buffer.get(), static_cast<std::size_t>(got))) return CsvReadEnd::Stopped;
  }
  return reader.Finish() ? CsvReadEnd::Finished : CsvReadEnd::Stopped;
}

}  // namespace zentara
