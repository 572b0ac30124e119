#include "cli/csv_reader.h"

#include <csv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

namespace zentara::cli {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
static_assert(MaxCsvFieldBytes == 1048576 && MaxCsvRecordBytes == 4194304 && MaxCsvRecordFields == 1024,
              "the messages below name the limits");

// libcsv grows its field buffer through this (asking for less, down to one more
// byte, when refused); refusing to grow it past the limit makes the parser
// report that field (CSV_ENOMEM) instead of holding an ever longer one, such as
// the rest of a file after a stray opening quote. libcsv grows the buffer when
// it is full before it looks at the next byte, even the comma that ends the
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

std::string_view WhyUnparsed(int error) {
  if (error == CSV_EPARSE) return "malformed quoting: a quote inside an unquoted field, or text after a closing quote";
  return "a field longer than 1048576 bytes";
}

class RecordReader {
 public:
  explicit RecordReader(CsvRecordHandler& handler) : handler_(handler) { StartParser(); }
  ~RecordReader() { csv_free(&parser_); }
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Parses the next bytes of the input; false once the handler asked to stop.
  bool Feed(const char* data, std::size_t size) {
    while (size > 0 && !stopped_) {
      if (skipping_) {  // the rest of an unreadable record's line
        const char* end = std::find_if(data, data + size, [](char c) { return c == '\n' || c == '\r'; });
        if (end == data + size) return true;
        size -= static_cast<std::size_t>(end + 1 - data);
        data = end + 1;
        skipping_ = false;
        continue;
      }
      const std::size_t used = csv_parse(&parser_, data, size, OnField, OnRecordEnd, this);
      if (used == size || stopped_) break;
      Unreadable(WhyUnparsed(csv_error(&parser_)));
      data += used;
      size -= used;
      skipping_ = true;
    }
    return !stopped_;
  }

  // Hands on the last record, which needs no line break; false when stopped.
  bool Finish() {
    if (stopped_) return false;
    if (csv_fini(&parser_, OnField, OnRecordEnd, this) != 0 && !stopped_) {
      Unreadable("a quoted field is not closed at the end of the input");
    }
    return !stopped_;
  }

 private:
  void StartParser() {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser_, NothingIsSpace);
    csv_set_realloc_func(&parser_, CappedRealloc);
  }

  void ClearRecord() {
    bytes_.clear();
    ends_.clear();
    tooBig_ = {};
  }

  // Reports the record being read and starts a fresh parser for what follows.
  void Unreadable(std::string_view why) {
    stopped_ = !handler_.OnUnreadableRecord(++number_, why);
    ClearRecord();
    csv_free(&parser_);
    StartParser();
  }

  static void OnField(void* text, std::size_t size, void* data) {
    auto& self = *static_cast<RecordReader*>(data);
    if (self.stopped_ || !self.tooBig_.empty()) return;
    if (size > MaxCsvFieldBytes) {
      self.tooBig_ = WhyUnparsed(CSV_ENOMEM);
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
    ++self.number_;
    if (self.tooBig_.empty()) {
      self.fields_.clear();
      std::size_t start = 0;
      for (const std::size_t end : self.ends_) {
        self.fields_.emplace_back(self.bytes_.data() + start, end - start);
        start = end;
      }
      self.stopped_ = !self.handler_.OnRecord(self.number_, self.fields_);
    } else {
      self.stopped_ = !self.handler_.OnUnreadableRecord(self.number_, self.tooBig_);
    }
    self.ClearRecord();
  }

  CsvRecordHandler& handler_;
  csv_parser parser_{};
  // The record being read: its fields' bytes one after another, where each
  // field ends, and at its end the fields as views. All keep their capacity
  // from record to record.
  std::vector<char> bytes_;
  std::vector<std::size_t> ends_;
  std::vector<std::string_view> fields_;
  std::string_view tooBig_;  // why the record being read is refused, once it is
  std::size_t number_ = 0;
  bool stopped_ = false;
  bool skipping_ = false;
};

}  // namespace

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

}  // namespace zentara::cli
