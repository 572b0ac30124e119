// The CSV reader and writer of zentara-cli match --batch and the book: RFC 4180
// fields, line ends, rows and lines, quotes not closed on their line, a field
// over lines, records the parser cannot read and the reading after them, the
// size limits, records across read chunks, and the writer's quoting read back.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/csv_reader.h"
#include "common/csv_writer.h"

namespace {

using namespace zentara;
using Record = std::vector<std::string>;

// What the reader handed on: each readable record with its row and lines, and
// the unreadable ones with their row and lines, field and why.
struct Collected final : CsvRecordHandler {
  struct Unreadable {
    std::size_t row, firstLine, lastLine;
    std::optional<std::size_t> field;
    std::string why;
    bool operator==(const Unreadable&) const = default;
  };
  std::vector<std::pair<std::size_t, Record>> records;
  std::vector<std::pair<std::size_t, std::size_t>> recordLines;  // first and last
  std::vector<std::size_t> unreadable;
  std::vector<Unreadable> unreadableAt;
  std::optional<std::size_t> multiLineField;  // the one field that may hold line breaks
  std::size_t stopAfter = SIZE_MAX;
  CsvReadEnd end = CsvReadEnd::ReadFailed;

  bool OnRecord(const CsvRecordPlace& place, std::span<const std::string_view> fields) override {
    records.emplace_back(place.row, Record(fields.begin(), fields.end()));
    recordLines.emplace_back(place.firstLine, place.lastLine);
    return records.size() < stopAfter;
  }
  bool OnUnreadableRecord(const CsvRecordPlace& place, std::optional<std::size_t> field,
                          std::string_view why) override {
    unreadable.push_back(place.row);
    unreadableAt.push_back({place.row, place.firstLine, place.lastLine, field, std::string(why)});
    return true;
  }
  bool MayHoldLineBreaks(std::size_t field) const override { return field == multiLineField; }
};

Collected Read(const std::string& bytes, std::size_t stopAfter = SIZE_MAX,
               std::optional<std::size_t> multiLineField = std::nullopt) {
  Collected collected;
  collected.stopAfter = stopAfter;
  collected.multiLineField = multiLineField;
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
  ::lseek(fileno(file), 0, SEEK_SET);
  collected.end = ReadCsvRecords(fileno(file), collected);
  std::fclose(file);
  return collected;
}

// The same, the bytes arriving one read at a time each.
Collected ReadByteByByte(const std::string& bytes) {
  Collected collected;
  int ends[2];
  EXPECT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, ends), 0);  // each read takes one packet
  for (const char byte : bytes) EXPECT_EQ(::write(ends[1], &byte, 1), 1);
  ::close(ends[1]);
  collected.end = ReadCsvRecords(ends[0], collected);
  ::close(ends[0]);
  return collected;
}

TEST(CsvReader, FieldsAndLineEnds) {
  const Collected c = Read("a,\"b,c\",\"d\"\"e\",\"two\nlines\", spaced ,\r\n\r\n\nlast,\"\"\rx", SIZE_MAX, 3);
  EXPECT_EQ(c.end, CsvReadEnd::Finished);
  ASSERT_EQ(c.records.size(), 3u);
  EXPECT_EQ(c.records[0].second, (Record{"a", "b,c", "d\"e", "two\nlines", " spaced ", ""}));
  EXPECT_EQ(c.records[1], (std::pair<std::size_t, Record>{2, {"last", ""}})) << "empty lines are not counted";
  EXPECT_EQ(c.records[2].second, Record{"x"}) << "the last line needs no line end";
  using Lines = std::vector<std::pair<std::size_t, std::size_t>>;
  EXPECT_EQ(c.recordLines, (Lines{{1, 2}, {5, 5}, {6, 6}})) << "empty lines are counted as lines, CR LF once";
  EXPECT_TRUE(c.unreadable.empty());
}

// An opening quote not closed on its line, in a field that may not hold line
// breaks, is that line alone, whatever ends the lines; the following lines
// are read as they are, numbered by their lines.
TEST(CsvReader, AQuoteNotClosedOnItsLineIsThatLineAlone) {
  constexpr std::string_view kNeverClosed = "an opening quote is never closed";
  for (const std::string_view end : {"\n", "\r\n", "\r"}) {
    std::string bytes;
    for (const std::string_view line : {"h1,h2", "a,\"open", "b,2", "", "c,\"x\"\"y\"", "d,\"", "e,5,\""}) {
      bytes.append(line).append(end);
    }
    bytes.resize(bytes.size() - end.size());  // the last quote at the very end of the input
    const Collected c = Read(bytes);
    const std::string shown = end == "\n" ? "LF" : end == "\r" ? "CR" : "CR LF";
    EXPECT_EQ(c.unreadableAt, (std::vector<Collected::Unreadable>{{2, 2, 2, 1, std::string(kNeverClosed)},
                                                                 {5, 6, 6, 1, std::string(kNeverClosed)},
                                                                 {6, 7, 7, 2, std::string(kNeverClosed)}}))
        << shown;
    EXPECT_EQ(c.records, (std::vector<std::pair<std::size_t, Record>>{
                             {1, {"h1", "h2"}}, {3, {"b", "2"}}, {4, {"c", "x\"y"}}}))
        << shown;
    using Lines = std::vector<std::pair<std::size_t, std::size_t>>;
    EXPECT_EQ(c.recordLines, (Lines{{1, 1}, {3, 3}, {5, 5}})) << shown;
  }
}

// A field that may hold line breaks runs over lines until its quote closes;
// one never closed runs to the field's limit, is refused naming the lines it
// took, and reading goes on at the line after the one where it passed the limit.
TEST(CsvReader, AFieldOverLinesAndOneNeverClosed) {
  constexpr std::size_t kLineBytes = 16;  // "x,0000000000065\n"
  std::string bytes = "a,\"one\r\n\ntwo\",z\nb,\"pad5678\n";  // the open field holds 8 bytes after line 4
  const std::size_t lines = 4 + 2 * MaxCsvFieldBytes / kLineBytes;
  for (std::size_t line = 5; line <= lines; ++line) {
    const std::string number = std::to_string(line);
    bytes += "x," + std::string(kLineBytes - 3 - number.size(), '0') + number + "\n";
  }
  const Collected c = Read(bytes, SIZE_MAX, 1);
  ASSERT_FALSE(c.records.empty());
  EXPECT_EQ(c.records[0].second, (Record{"a", "one\r\n\ntwo", "z"}));
  EXPECT_EQ(c.recordLines[0], (std::pair<std::size_t, std::size_t>{1, 3}));
  // 8 bytes, then 16 a line: the field passes the limit on this line, its
  // bytes through the line before being fewer than the limit.
  const std::size_t passed = 4 + (MaxCsvFieldBytes - 8 + kLineBytes) / kLineBytes;
  EXPECT_EQ(c.unreadableAt, (std::vector<Collected::Unreadable>{
                                {2, 4, passed, 1, "a field longer than 1048576 bytes"}}));
  ASSERT_EQ(c.records.size(), 1 + lines - passed) << "every line after it is a record";
  EXPECT_EQ(c.records[1].first, 3u);
  EXPECT_EQ(c.recordLines[1].first, passed + 1);
  EXPECT_EQ(std::stoul(c.records[1].second[1]), passed + 1);
  EXPECT_EQ(std::stoul(c.records.back().second[1]), lines);
}

TEST(CsvReader, UnreadableRecordsAreCountedAndReadingGoesOn) {
  const std::string huge(MaxCsvFieldBytes + 1, 'x');
  const std::string manyFields(MaxCsvRecordFields, ',');
  const Collected c = Read("x\"y,1\nok,2\n\"a\"b,3\n\"" + huge + "\",4\n" + manyFields + "\nok,5\n\"open");
  EXPECT_EQ(c.unreadable, (std::vector<std::size_t>{1, 3, 4, 5, 7}));
  ASSERT_EQ(c.records.size(), 2u);
  EXPECT_EQ(c.records[0], (std::pair<std::size_t, Record>{2, {"ok", "2"}}));
  EXPECT_EQ(c.records[1], (std::pair<std::size_t, Record>{6, {"ok", "5"}}));
}

TEST(CsvReader, AFieldOfExactlyTheLimitIsRead) {
  const std::string longest(MaxCsvFieldBytes, 'x');
  for (const std::string& field : {longest, "\"" + longest + "\""}) {
    const Collected c = Read(field + ",1\n" + field + "x,2\n");
    ASSERT_EQ(c.records.size(), 1u) << "quoted: " << (field[0] == '"');
    EXPECT_EQ(c.records[0].second, (Record{longest, "1"}));
    EXPECT_EQ(c.unreadable, std::vector<std::size_t>{2}) << "one byte more is refused";
  }
}

TEST(CsvReader, RecordsAcrossReadChunksAndStopping) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += "\"row " + std::to_string(i) + "\"," + std::string(i % 13, 'z') + "\n";
  const Collected all = Read(bytes);
  ASSERT_EQ(all.records.size(), 20000u);
  EXPECT_EQ(all.records[12345].second, (Record{"row 12345", std::string(12345 % 13, 'z')}));
  const Collected some = Read(bytes, 3);
  EXPECT_EQ(some.end, CsvReadEnd::Stopped);
  EXPECT_EQ(some.records.size(), 3u);
}

// A UTF-8 byte order mark that begins the input is no part of the first
// field, quoted or not, however its bytes arrive; bytes that only begin like
// one, or a second mark, are text.
TEST(CsvReader, AByteOrderMarkIsLeftOut) {
  const std::pair<std::string, Record> cases[] = {
      {"\xEF\xBB\xBF\"name\",date\n", {"name", "date"}},
      {"\xEF\xBB\xBFname,date", {"name", "date"}},
      {"\xEF\xBBx,y\n", {"\xEF\xBBx", "y"}},
      {"\xEF\xBB\xBF\xEF\xBB\xBF" "a\n", {"\xEF\xBB\xBF" "a"}},
      {"\xEF\xBB", {"\xEF\xBB"}},
  };
  for (const auto& [input, first] : cases) {
    for (const Collected& c : {Read(input), ReadByteByByte(input)}) {
      EXPECT_EQ(c.end, CsvReadEnd::Finished);
      ASSERT_EQ(c.records.size(), 1u) << input;
      EXPECT_EQ(c.records[0].second, first) << input;
    }
  }
}

TEST(CsvWriter, QuotesWhatNeedsThemAndReadsBack) {
  const Record fields = {"plain", "a,b", "q\"q", " lead", "trail\t", "cr\rlf\n", "", "in side"};
  std::string line(64, '\0');
  char* out = line.data();
  for (const std::string& field : fields) {
    char* end = WriteCsvField(out, field);
    EXPECT_LE(static_cast<std::size_t>(end - out), MaxCsvFieldText(field.size())) << field;
    out = end;
    *out++ = ',';
  }
  line.resize(static_cast<std::size_t>(out - line.data()) - 1);
  EXPECT_EQ(line, "plain,\"a,b\",\"q\"\"q\",\" lead\",\"trail\t\",\"cr\rlf\n\",,in side");
  const Collected c = Read(line + "\n", SIZE_MAX, 5);
  ASSERT_EQ(c.records.size(), 1u);
  EXPECT_EQ(c.records[0].second, fields);
}

}  // namespace
