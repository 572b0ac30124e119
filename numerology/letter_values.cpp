#include "numerology/letter_values.h"

#include <string>

#include "common/number_text.h"

namespace zentara {
namespace {

// Pythagorean letter values, one row a value.
struct LetterRow {
  int value;
  std::string_view letters;
};
constexpr std::array<LetterRow, 9> kLetterTable = {{
    {1, "AJS"},
    {2, "BKT"},
    {3, "CLU"},
    {4, "DMV"},
    {5, "ENW"},
    {6, "FOX"},
    {7, "GPY"},
    {8, "HQZ"},
    {9, "IR"},
}};

constexpr int kInt16Max = 32767;

// Adds `amount` to `total` unless the sum would leave the 16-bit range.
void AddWithinInt16(std::int16_t& total, int amount) {
  const int sum = total + amount;
  if (sum >= -kInt16Max - 1 && sum <= kInt16Max) total = static_cast<std::int16_t>(sum);
}

}  // namespace

int LetterValue(char c) {
  for (const LetterRow& row : kLetterTable) {
    if (row.letters.find(c) != std::string_view::npos) return row.value;
  }
  return 0;
}

std::int16_t SingleDigitNumber(std::string_view day, std::string_view month, std::string_view year) {
  std::int16_t total = 0;
  if (const auto value = ReadDecimalNumber(day)) {
    if (const auto rounded = RoundToInt16(*value)) total = *rounded;
  }
  for (std::size_t i = 0; i < MonthNames.size(); ++i) {
    if (month == MonthNames[i]) AddWithinInt16(total, static_cast<int>(i) + 1);
  }
  if (const auto value = ReadDecimalNumber(year)) {
    if (const auto rounded = RoundToInt16(total + *value)) total = *rounded;
  }

  // One pass of digit summing; a minus sign adds nothing.
  int digitSum = 0;
  for (const char c : std::to_string(total)) {
    if (c >= '0' && c <= '9') digitSum += c - '0';
  }
  int result = digitSum;
  if (digitSum >= 10) {
    const std::string digits = std::to_string(digitSum);
    result = (digits.front() - '0') + (digits.back() - '0');
  }
  if (result == 10) result = 1;
  return static_cast<std::int16_t>(result);
}

std::int16_t StringToNumber(std::string_view name) {
  std::int16_t total = 0;
  for (const char c : name) AddWithinInt16(total, LetterValue(c));
  return SingleDigitNumber(std::to_string(total), "0", "0");
}

std::string UpperCaseLatinLetters(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace zentara
