// The reminder's date text: written in a locale's short date order with Latin
// digits, read back in every format, and what earlier versions wrote still read.
#include <gtest/gtest.h>

#include <chrono>

#include "common/short_date_text.h"

namespace {

using namespace std::chrono;
using zentara::ReadShortDate;
using zentara::ReadShortDateFormat;
using zentara::WriteShortDate;

constexpr year_month_day kDate = 2026y / December / 7d;

// Short date formats as Qt gives them for a few locales, and 7 December 2026
// written with each.
const struct {
  const char* locale;
  const char* format;
  const char* text;
} kFormats[] = {
    {"en_US", "M/d/yy", "12/7/2026"},
    {"de_DE", "dd.MM.yy", "07.12.2026"},
    {"hu_HU", "yyyy. MM. dd.", "2026. 12. 07."},
    {"ar_EG", "d\u200F/M\u200F/yyyy", "7/12/2026"},
    {"fa_IR", "yyyy/M/d", "2026/12/7"},
    {"my_MM", "dd-MM-yy", "07-12-2026"},
    {"ne_NP", "yy/M/d", "2026/12/7"},
    {"bg_BG", "d.MM.yy '\u0433'.", "7.12.2026 ."},
    {"C", "d MMM yyyy", "7 12 2026"},
    {"weekday, no separators", "dddd yyyyMMdd", " 2026/12/07"},
    {"no year", "d/M", "12/7/2026"},
    {"day twice", "d/d/yyyy", "12/7/2026"},
};

TEST(ShortDateText, WritesTheLocalesOrderWithLatinDigits) {
  for (const auto& row : kFormats) {
    EXPECT_EQ(WriteShortDate(kDate, ReadShortDateFormat(row.format)), row.text) << row.locale;
  }
}

TEST(ShortDateText, EveryDateReadsBackInEveryFormat) {
  for (const auto& row : kFormats) {
    const auto pattern = ReadShortDateFormat(row.format);
    for (sys_days day = sys_days{1901y / January / 1d}; day <= sys_days{2050y / December / 31d}; day += days{13}) {
      const std::string text = WriteShortDate(day, pattern);
      for (const char c : text) ASSERT_TRUE(c >= ' ' && c <= '~') << row.locale << ": " << text;
      ASSERT_EQ(ReadShortDate(text, pattern), year_month_day{day}) << row.locale << ": " << text;
    }
  }
}

TEST(ShortDateText, ReadsWhatEarlierVersionsWrote) {
  // The locale's own text with a four-digit year; a right-to-left mark or a
  // Cyrillic letter came back from the character shift as "?".
  EXPECT_EQ(ReadShortDate("12/7/2026", ReadShortDateFormat("M/d/yy")), kDate);
  EXPECT_EQ(ReadShortDate("07.12.2026", ReadShortDateFormat("dd.MM.yy")), kDate);
  EXPECT_EQ(ReadShortDate("7?/12?/2026", ReadShortDateFormat("d\u200F/M\u200F/yyyy")), kDate);
  EXPECT_EQ(ReadShortDate("7.12.2026 ?.", ReadShortDateFormat("d.MM.yy '\u0433'.")), kDate);
}

TEST(ShortDateText, RefusesWhatIsNoDate) {
  const auto us = ReadShortDateFormat("M/d/yy");
  for (const char* text : {"", "soon", "12/7/26", "12/7/20266", "2/30/2026", "13/1/2026", "0/1/2026",
                           "1/2/3/2026", "123/7/2026", "?? / ? / ????", "12/7"}) {
    EXPECT_EQ(ReadShortDate(text, us), std::nullopt) << text;
  }
  // Digits of other scripts are not read.
  EXPECT_EQ(ReadShortDate("\u0667/\u0661\u0662/\u0662\u0660\u0662\u0666", ReadShortDateFormat("d/M/yyyy")),
            std::nullopt);
}

}  // namespace
