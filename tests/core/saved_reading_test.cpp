// The saved-reading file: its exact bytes, reading it back, and files that were
// never written by the program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "numerology/letter_values.h"
#include "numerology/reading_reports.h"
#include "reports/ansi_codepage.h"
#include "common/file_bytes.h"
#include "reports/saved_reading.h"

namespace {

using zentara::NumerologyEntries;

std::string Golden(const char* name) {
  std::ifstream in(std::string(ZENTARA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const NumerologyEntries kJohnMary{"John", "Paul", "Smith", "Mary",    "Ann", "Smith",
                                  "March", "15",  "1988",  "January", "1",   "1970"};

std::vector<std::string> InFileOrder(const NumerologyEntries& e) {
  return {e.maleFirst, e.maleMiddle, e.maleLast, e.femaleFirst, e.femaleMiddle, e.femaleLast,
          e.maleMonth, e.maleDay,    e.maleYear, e.femaleMonth, e.femaleDay,    e.femaleYear};
}

TEST(SavedReading, WritesTheGoldenBytes) {
  EXPECT_EQ(zentara::EncodeSavedReading(kJohnMary), Golden("john_mary.kvz"));
  // A character above code 170 is left out; an empty middle name is an empty line.
  const NumerologyEntries accents{"René", "", "Dupont", "Zoë", "", "Martin", "July", "4", "1990", "May", "31", "1992"};
  EXPECT_EQ(zentara::EncodeSavedReading(accents), Golden("accents_empty_middle.kvz"));
}

TEST(SavedReading, ReadsBackWhatItWrote) {
  EXPECT_EQ(InFileOrder(zentara::DecodeSavedReading(Golden("john_mary.kvz"))), InFileOrder(kJohnMary));
  const NumerologyEntries back = zentara::DecodeSavedReading(Golden("accents_empty_middle.kvz"));
  EXPECT_EQ(back.maleFirst, "Ren");
  EXPECT_EQ(back.maleMiddle, "");
  EXPECT_EQ(back.femaleFirst, "Zo");
  EXPECT_EQ(back.femaleYear, "1992");
}

// Files the program never wrote: each row gives the bytes and the twelve entries
// expected back, as "|"-separated texts.
TEST(SavedReading, ReadsAnyBytesIntoTwelveEntries) {
  const std::string john = "\x9F\xC4\xBD\xC3";  // "John" shifted
  const struct {
    const char* what;
    std::string bytes;
    std::string entries;
  } rows[] = {
      {"empty file", "", "|||||||||||"},
      {"one line, no break", john, "John|||||||||||"},
      {"lone LF breaks", john + "\n" + john + "\n", "John|John||||||||||"},
      {"lone CR breaks", john + "\r" + john, "John|John||||||||||"},
      {"CR LF and blank lines", "\r\n\r\n" + john + "\r\n", "||John|||||||||"},
      {"NUL and control bytes dropped", std::string("\x9F\0\x01\xC4", 4) + "\t\xBD\xC3", "John|||||||||||"},
  };
  for (const auto& row : rows) {
    std::string joined;
    for (const std::string& entry : InFileOrder(zentara::DecodeSavedReading(row.bytes))) joined += entry + "|";
    joined.pop_back();
    EXPECT_EQ(joined, row.entries) << row.what;
  }
  std::string fourteen;
  for (int line = 1; line <= 14; ++line) fourteen += std::string(1, static_cast<char>('0' + 85 + line % 10)) + "\r\n";
  // Lines after the twelfth are ignored.
  const auto last = zentara::DecodeSavedReading(fourteen);
  EXPECT_EQ(last.maleFirst, "1");
  EXPECT_EQ(last.femaleYear, "2");  // line 12
}

TEST(SavedReading, CutsAnOverlongLineAndKeepsTheNext) {
  const std::string huge(zentara::MaxSavedEntryBytes + 1000, '\xB6');  // "aaa..." shifted
  const auto back = zentara::DecodeSavedReading(huge + "\r\n\x9F\xC4\xBD\xC3\r\n");
  EXPECT_EQ(back.maleFirst.size(), zentara::MaxSavedEntryBytes);
  EXPECT_EQ(back.maleMiddle, "John");
}

// Random entries of characters the file keeps (Windows-1252 codes 0 to 170, half
// of them capitals so the numbers vary) come back with the same reading.
TEST(SavedReading, RandomEntriesComeBackWithTheSameReading) {
  std::mt19937 engine(19880315);  // fixed: the same entries every run
  const auto text = [&engine](unsigned longest) {
    std::string ansi(engine() % (longest + 1), '\0');
    for (char& c : ansi) c = static_cast<char>(engine() % 2 ? 'A' + engine() % 26 : engine() % 171);
    return zentara::AnsiToUtf8(ansi);
  };
  const auto reading = [](const NumerologyEntries& e) {
    return zentara::ComprehensiveReadingRuns(zentara::FindLifePathPair(e), zentara::FindDestinyPair(e), "site");
  };
  for (int sample = 0; sample < 2000; ++sample) {
    // The dates are list items three times in four.
    const auto month = [&] { return engine() % 4 ? std::string(zentara::MonthNames[engine() % 12]) : text(10); };
    const auto day = [&] { return engine() % 4 ? std::to_string(1 + engine() % 31) : text(4); };
    const auto year = [&] { return engine() % 4 ? std::to_string(1900 + engine() % 151) : text(6); };
    const NumerologyEntries entries{text(40), text(40), text(40), text(40), text(40), text(40),
                                    month(),  day(),    year(),   month(),  day(),    year()};
    const NumerologyEntries back = zentara::DecodeSavedReading(zentara::EncodeSavedReading(entries));
    ASSERT_EQ(InFileOrder(back), InFileOrder(entries)) << "sample " << sample;
    ASSERT_EQ(reading(back), reading(entries)) << "sample " << sample;
  }
}

TEST(SavedReading, EndingAndDefaultExtension) {
  for (const char* path : {"a.kvz", "/x/reading.kvz", "noDotkvz", "kvz"}) {
    EXPECT_TRUE(zentara::HasSavedReadingEnding(path)) << path;
  }
  for (const char* path : {"a.KVZ", "a.Kvz", "a.kvz ", "a.kv", "", "a.txt"}) {
    EXPECT_FALSE(zentara::HasSavedReadingEnding(path)) << path;
  }
  const std::pair<const char*, const char*> names[] = {
      {"reading", "reading.kvz"},         {"/tmp/reading", "/tmp/reading.kvz"},
      {"reading.kvz", "reading.kvz"},     {"reading.txt", "reading.txt"},
      {"dir.d/reading", "dir.d/reading.kvz"}, {"/tmp/.hidden", "/tmp/.hidden.kvz"},
  };
  for (const auto& [typed, saved] : names) EXPECT_EQ(zentara::WithDefaultExtension(typed, "kvz"), saved) << typed;
}

class FileBytes : public ::testing::Test {
 protected:
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("zentara-file-bytes-" + std::to_string(::getpid()));
  void SetUp() override { std::filesystem::create_directories(folder); }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string path(const char* name) const { return (folder / name).string(); }
};

TEST_F(FileBytes, ReadsOnlyRegularFilesAndOnlyTheirStart) {
  EXPECT_EQ(zentara::ReadFilePrefix(path("missing.kvz"), 100), std::nullopt);
  std::filesystem::create_directory(path("folder.kvz"));
  EXPECT_EQ(zentara::ReadFilePrefix(path("folder.kvz"), 100), std::nullopt);
  // A pipe with no writer would block an open for ever.
  ASSERT_EQ(::mkfifo(path("pipe.kvz").c_str(), 0600), 0);
  EXPECT_EQ(zentara::ReadFilePrefix(path("pipe.kvz"), 100), std::nullopt);
  std::ofstream(path("big.kvz"), std::ios::binary) << std::string(5000, 'x');
  EXPECT_EQ(zentara::ReadFilePrefix(path("big.kvz"), 100), std::string(100, 'x'));
  EXPECT_EQ(zentara::ReadFilePrefix(path("big.kvz"), 9000)->size(), 5000u);
  std::ofstream(path("blocks.kvz"), std::ios::binary) << std::string(200000, 'y');  // several blocks
  EXPECT_EQ(zentara::ReadFilePrefix(path("blocks.kvz"), 150001), std::string(150001, 'y'));
}

TEST_F(FileBytes, ReplacesWholeOrNotAtAll) {
  const std::string target = path("reading.kvz");
  EXPECT_EQ(zentara::ReplaceFileContents(target, "first"), std::nullopt);
  EXPECT_EQ(zentara::ReplaceFileContents(target, "second"), std::nullopt);
  EXPECT_EQ(zentara::ReadFilePrefix(target, 100), "second");
  // A folder in the way, or a missing folder: an explanation, and nothing changed.
  std::filesystem::create_directory(path("taken.kvz"));
  EXPECT_NE(zentara::ReplaceFileContents(path("taken.kvz"), "x"), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_directory(path("taken.kvz")));
  EXPECT_NE(zentara::ReplaceFileContents(path("no/such/reading.kvz"), "x"), std::nullopt);
  // No temporary file is left behind.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 2u);
}

}  // namespace
