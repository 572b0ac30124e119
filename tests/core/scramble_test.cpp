// The character shift of saved readings and of the reminder's setting, and the
// Windows-1252 conversion it is defined over.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reports/ansi_codepage.h"
#include "reports/scramble.h"

namespace {

using zentara::AnsiToUtf8;
using zentara::ScrambleField;
using zentara::UnscrambleField;
using zentara::Utf8ToAnsi;

std::string Bytes(std::initializer_list<int> codes) {
  std::string bytes;
  for (const int code : codes) bytes += static_cast<char>(code);
  return bytes;
}

TEST(ScrambleField, ShiftsEveryCodeUpBy85) {
  EXPECT_EQ(ScrambleField("abc"), Bytes({0xB6, 0xB7, 0xB8}));
  EXPECT_EQ(ScrambleField("Duration"), Bytes({153, 202, 199, 182, 201, 190, 196, 195}));
  EXPECT_EQ(ScrambleField(""), "");
  // A space and the digits of a date: no stored byte can be CR or LF.
  EXPECT_EQ(ScrambleField("1/7 2"), Bytes({134, 132, 140, 117, 135}));
}

TEST(ScrambleField, LeavesOutCodesAbove170) {
  // 170 is the last code that fits; 171 (and e acute, 233) have no room.
  EXPECT_EQ(ScrambleField(Bytes({170, 171, 'A', 233, 255})), Bytes({255, 'A' + 85}));
}

TEST(UnscrambleField, ShiftsDownAndLeavesOutCodesBelow85) {
  EXPECT_EQ(UnscrambleField(Bytes({0xB6, 0xB7, 0xB8})), "abc");
  EXPECT_EQ(UnscrambleField(Bytes({84, 85, 'a', 13, 10})), Bytes({0, 'a' - 85}));
}

TEST(UnscrambleField, InvertsScrambleForEveryCodeUpTo170) {
  std::string everything;
  for (int code = 0; code <= 170; ++code) everything += static_cast<char>(code);
  EXPECT_EQ(UnscrambleField(ScrambleField(everything)), everything);
}

TEST(UnscrambleField, InvertsScrambleForRandomEntriesOfCodesUpTo170) {
  std::mt19937 engine(20261207);  // fixed: the same entries every run
  for (int sample = 0; sample < 2000; ++sample) {
    std::string entry(engine() % 300, '\0');
    for (char& c : entry) c = static_cast<char>(engine() % 171);
    const std::string scrambled = ScrambleField(entry);
    ASSERT_EQ(scrambled.size(), entry.size()) << "sample " << sample;
    for (const char c : scrambled) ASSERT_GE(static_cast<unsigned char>(c), 85) << "sample " << sample;
    ASSERT_EQ(UnscrambleField(scrambled), entry) << "sample " << sample;
  }
}

TEST(AnsiCodePage, MapsTheWindows1252BlockAndLatin1) {
  EXPECT_EQ(AnsiToUtf8(Bytes({0x80, 0x99, 0xE9, 'A'})), "\u20AC\u2122\u00E9A");
  EXPECT_EQ(Utf8ToAnsi("\u20AC\u2122\u00E9A"), Bytes({0x80, 0x99, 0xE9, 'A'}));
}

TEST(AnsiCodePage, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int code = 0; code <= 255; ++code) all += static_cast<char>(code);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(AnsiCodePage, UnrepresentableAndMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("\u0416x"), "?x");        // Cyrillic Zhe
  EXPECT_EQ(Utf8ToAnsi("\U0001F600"), "?");       // an emoji, four bytes
  EXPECT_EQ(Utf8ToAnsi(Bytes({0xC3})), "?");      // truncated sequence
  EXPECT_EQ(Utf8ToAnsi(Bytes({0xC0, 0xAF})), "??");  // overlong "/"
}

}  // namespace
