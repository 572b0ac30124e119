#include "common/short_date_text.h"

#include "common/number_text.h"

namespace zentara {
namespace {

bool IsLatinDigit(char c) { return c >= '0' && c <= '9'; }

// Adds a character of a format's literal text when the stored text may hold it:
// printable ASCII that is no letter, no digit and no quote.
void KeepLiteral(std::string& literal, char c) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (c >= ' ' && c <= '~' && !letter && !IsLatinDigit(c) && c != '\'') literal += c;
}

// `number` in decimal, with leading zeros up to `width` digits.
void AppendNumber(std::string& text, unsigned number, std::size_t width) {
  const std::string digits = std::to_string(number);
  if (digits.size() < width) text.append(width - digits.size(), '0');
  text += digits;
}

}  // namespace

ShortDatePattern ReadShortDateFormat(std::string_view format) {
  ShortDatePattern pattern;
  bool seen[3] = {};
  std::size_t fields = 0;
  std::string literal;  // kept since the last field
  for (std::size_t at = 0; at < format.size();) {
    const char c = format[at];
    if (c == '\'') {  // quoted text up to the closing quote, in which '' is a quote
      for (++at; at < format.size(); ++at) {
        if (format[at] != '\'') {
          KeepLiteral(literal, format[at]);
        } else if (at + 1 < format.size() && format[at + 1] == '\'') {
          ++at;
        } else {
          ++at;
          break;
        }
      }
      continue;
    }
    std::size_t run = 1;
    while (at + run < format.size() && format[at + run] == c) ++run;
    at += run;
    DateField field;
    if (c == 'd' && run <= 2) {
      field = DateField::Day;
      pattern.twoDigitDay = run == 2;
    } else if (c == 'M') {
      field = DateField::Month;
      pattern.twoDigitMonth = run >= 2;
    } else if (c == 'y') {
      field = DateField::Year;
    } else {
      for (std::size_t i = 0; i < run; ++i) KeepLiteral(literal, c);
      continue;
    }
    const auto index = static_cast<std::size_t>(field);
    if (fields == 3 || seen[index]) return {};
    seen[index] = true;
    pattern.literals[fields] = std::move(literal);
    literal.clear();
    pattern.order[fields++] = field;
  }
  if (fields != 3) return {};
  pattern.literals[3] = std::move(literal);
  for (std::size_t between = 1; between <= 2; ++between) {
    if (pattern.literals[between].empty()) pattern.literals[between].push_back('/');
  }
  return pattern;
}

std::string WriteShortDate(std::chrono::year_month_day date, const ShortDatePattern& pattern) {
  std::string text = pattern.literals[0];
  for (std::size_t i = 0; i < 3; ++i) {
    switch (pattern.order[i]) {
      case DateField::Day:
        AppendNumber(text, static_cast<unsigned>(date.day()), pattern.twoDigitDay ? 2 : 1);
        break;
      case DateField::Month:
        AppendNumber(text, static_cast<unsigned>(date.month()), pattern.twoDigitMonth ? 2 : 1);
        break;
      case DateField::Year:
        AppendNumber(text, static_cast<unsigned>(static_cast<int>(date.year())), 4);
        break;
    }
    text += pattern.literals[i + 1];
  }
  return text;
}

std::optional<std::chrono::year_month_day> ReadShortDate(std::string_view text,
                                                         const ShortDatePattern& pattern) {
  unsigned numbers[3] = {};
  std::size_t runs = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (!IsLatinDigit(text[at])) {
      ++at;
      continue;
    }
    if (runs == 3) return std::nullopt;
    // A year is four digits, a month or day one or two; a longer run is no date.
    const bool year = pattern.order[runs] == DateField::Year;
    const auto number = ReadDigitRun(text, at, year ? 4 : 1, year ? 4 : 2);
    if (!number || (at < text.size() && IsLatinDigit(text[at]))) return std::nullopt;
    numbers[runs] = static_cast<unsigned>(*number);
    ++runs;
  }
  if (runs != 3) return std::nullopt;
  unsigned day = 0, month = 0, year = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    switch (pattern.order[i]) {
      case DateField::Day: day = numbers[i]; break;
      case DateField::Month: month = numbers[i]; break;
      case DateField::Year: year = numbers[i]; break;
    }
  }
  const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(year)}, std::chrono::month{month},
                                         std::chrono::day{day}};
  if (!date.ok()) return std::nullopt;
  return date;
}

}  // namespace zentara
