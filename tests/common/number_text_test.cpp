// The one reader of digit runs that dates, times, coordinates, zone rows and
// chart positions are read with: where a run starts and stops, what it is worth.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "common/number_text.h"

namespace {

TEST(ReadDigitRun, ReadsFewestToMostDigitsAndMovesPastThem) {
  const struct {
    std::string_view text;
    std::size_t start, fewest, most;
    std::optional<int> value;
    std::size_t end;  // where the position is left
  } cases[] = {
      {"1975-08-15", 0, 4, 4, 1975, 4},
      {"14:30", 0, 1, 2, 14, 2},
      {"123456", 0, 1, 2, 12, 2},  // stops after `most`, whatever follows
      {"N36", 0, 1, 3, std::nullopt, 0},  // too few: the position stays
      {"N36", 0, 0, 3, 0, 0},             // none wanted: 0
      {"1a", 0, 2, 2, std::nullopt, 0},
      {"", 0, 1, 2, std::nullopt, 0},
      {"5", 1, 0, 2, 0, 1},               // at the end
      {"\xD9\xA3", 0, 1, 2, std::nullopt, 0},  // only ASCII digits: no Arabic-Indic three
      {"9999999999", 0, 1, 12, 999999999, 9},   // never more than nine: no overflow
  };
  for (const auto& c : cases) {
    std::size_t position = c.start;
    EXPECT_EQ(zentara::ReadDigitRun(c.text, position, c.fewest, c.most), c.value)
        << "'" << c.text << "' from " << c.start << ", " << c.fewest << " to " << c.most;
    EXPECT_EQ(position, c.end) << "'" << c.text << "' from " << c.start;
  }
}

TEST(ReadDigits, TakesOnlyAWholeTextOfOneToMostDigits) {
  const struct {
    std::string_view text;
    std::size_t most;
    std::optional<int> value;
  } cases[] = {
      {"0", 2, 0}, {"07", 2, 7}, {"070", 3, 70}, {"", 2, std::nullopt},
      {"123", 2, std::nullopt}, {"1 ", 2, std::nullopt}, {"-1", 2, std::nullopt}, {"1.0", 3, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zentara::ReadDigits(c.text, c.most), c.value) << "'" << c.text << "', at most " << c.most;
  }
}

}  // namespace
