// The date of the last update reminder as text for the settings store. It is
// written in one fixed order, year-month-day ("2026-12-07"), so a settings file
// written under one locale reads back as the same day under any other. Texts of
// earlier versions are in the order and with the separators of the desktop's
// short date format, with Latin digits and a four-digit year; they still read.
//
// The stored text goes through the character shift (reports/scramble.h), which
// keeps only Windows-1252 characters. Digits of other scripts (Arabic-Indic,
// Persian, Bengali, Myanmar, Devanagari...) and marks such as the right-to-left
// mark some formats put beside their separators would come back as "?", so none
// of them is written. In a locale with Latin digits and plain separators the
// text is the one the desktop itself writes with a four-digit year, so earlier
// versions of the program read it, and it reads theirs.
#pragma once
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zentara {

enum class DateField { Day, Month, Year };

// How a short date is written: the three fields in their order, whether the
// day and the month take two digits, and the text before, between and after
// the fields. The default is M/d/yyyy.
struct ShortDatePattern {
  std::array<DateField, 3> order{DateField::Month, DateField::Day, DateField::Year};
  bool twoDigitDay = false;
  bool twoDigitMonth = false;
  std::array<std::string, 4> literals{"", "/", "/", ""};
};

// The pattern of a date format in Qt's notation (UTF-8), such as "M/d/yy",
// "dd.MM.yyyy", "yyyy. MM. dd." or "d\u200F/M\u200F/yyyy":
//   d, dd      the day (two digits for dd);
//   M ... MMMM the month, written as its number (two digits from MM on);
//   y ...      the year, written with four digits;
//   ddd, dddd (the weekday's name) and quoted text are literal text.
// Of literal text only printable ASCII other than letters, digits and the quote
// is kept; two fields with nothing left between them are joined by "/". A
// format without exactly one day, one month and one year gives the default.
ShortDatePattern ReadShortDateFormat(std::string_view format);

// The order the reminder's date is stored in: "2026-12-07". Read with this
// pattern first, a text of an earlier version in another order gives nothing
// (its first run of digits is no four-digit year), and is then read with the
// locale's pattern.
inline const ShortDatePattern StoredDatePattern{
    {DateField::Year, DateField::Month, DateField::Day}, true, true, {"", "-", "-", ""}};

// `date` (a valid date of years 1 to 9999) written with `pattern`.
std::string WriteShortDate(std::chrono::year_month_day date, const ShortDatePattern& pattern);

// The date in `text`: its three runs of Latin digits, taken in the pattern's
// order, whatever stands around them; the year has exactly four digits, the
// day and month one or two. Nothing for any other text (fewer or more runs, a
// two-digit year, a day the month does not have).
std::optional<std::chrono::year_month_day> ReadShortDate(std::string_view text,
                                                         const ShortDatePattern& pattern);

}  // namespace zentara
