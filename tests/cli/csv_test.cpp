// The CSV reader and writer of zentara-cli match --batch: RFC 4180 fields,
// line ends, records the parser cannot read and the reading after them, the
// size limits, records across read chunks, and the writer's quoting read back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

namespace {

using namespace zentara::cli;
using Record = std::vector<std::string>;

// What the reader handed on: each readable record under its number, and the
// numbers of the unreadable ones.
struct Collected final : CsvRecordHandler {
  std::vector<std::pair<std::size_t, Record>> records;
  std::vector<std::size_t> unreadable;
  std::size_t stopAfter = SIZE_MAX;
  CsvReadEnd end = CsvReadEnd::ReadFailed;

  bool OnRecord(std::size_t number, std::span<const std::string_view> fields) override {
    records.emplace_back(number, Record(fields.begin(), fields.end()));
    return records.size() < stopAfter;
  }
  bool OnUnreadableRecord(std::size_t number, std::string_view) override {
    unreadable.push_back(number);
    return true;
  }
};

Collected Read(const std::string& bytes, std::size_t stopAfter = SIZE_MAX) {
  Collected collected;
  collected.stopAfter = stopAfter;
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
  ::lseek(fileno(file), 0, SEEK_SET);
  collected.end = ReadCsvRecords(fileno(file), collected);
  std::fclose(file);
  return collected;
}

TEST(CsvReader, FieldsAndLineEnds) {
  const Collected c = Read("a,\"b,c\",\"d\"\"e\",\"two\nlines\", spaced ,\r\n\r\n\nlast,\"\"\rx");
  EXPECT_EQ(c.end, CsvReadEnd::Finished);
  ASSERT_EQ(c.records.size(), 3u);
  EXPECT_EQ(c.records[0].second, (Record{"a", "b,c", "d\"e", "two\nlines", " spaced ", ""}));
  EXPECT_EQ(c.records[1], (std::pair<std::size_t, Record>{2, {"last", ""}})) << "empty lines are not counted";
  EXPECT_EQ(c.records[2].second, Record{"x"}) << "the last line needs no line end";
  EXPECT_TRUE(c.unreadable.empty());
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
  const Collected c = Read(line + "\n");
  ASSERT_EQ(c.records.size(), 1u);
  EXPECT_EQ(c.records[0].second, fields);
}

}  // namespace
