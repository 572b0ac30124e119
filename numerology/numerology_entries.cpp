#include "numerology/numerology_entries.h"

#include "common/translatable.h"

#include <cmath>
#include <string>

#include "numerology/letter_values.h"
#include "common/number_text.h"

namespace zentara {
namespace {

constexpr int kFebruary = 1;     // list positions
constexpr int kLastDay = 30;     // day 31
bool IsThirtyDayMonth(int monthPosition) {
  return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

// A year text that is a whole number divisible by 4; any other text is not a leap year.
bool IsLeapYearText(std::string_view year) {
  const auto value = ReadDecimalNumber(year);
  return value && std::trunc(*value) == *value && std::fmod(*value, 4.0) == 0.0;
}

struct DateMessages {
  std::string_view februaryInLeapYear;
  std::string_view februaryOtherwise;
  std::string_view thirtyDayMonth;
};

// The male messages differ in one capital between leap and other years, and both
// are shown exactly so.
constexpr DateMessages kMaleDateMessages = {
    QT_TRANSLATE_NOOP("Checks", "Please Enter your Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Checks", "Please Enter Your Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Checks", "Please Enter Your Correct Date Or Month !"),
};
constexpr DateMessages kFemaleDateMessages = {
    QT_TRANSLATE_NOOP("Checks", "Please Enter Your Partner's Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Checks", "Please Enter Your Partner's Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Checks", "Please Enter Your Partner's Correct Date Or Month !"),
};

std::optional<std::string_view> CheckDate(std::string_view month, std::string_view day,
                                          std::string_view year, const DateMessages& messages) {
  const int monthPosition = MonthListPosition(month);
  const int dayPosition = DayListPosition(day);
  if (monthPosition == kFebruary) {
    if (IsLeapYearText(year)) {
      if (dayPosition == 29 || dayPosition == 30) return messages.februaryInLeapYear;
    } else if (dayPosition >= 28 && dayPosition <= 30) {
      return messages.februaryOtherwise;
    }
  }
  if (IsThirtyDayMonth(monthPosition) && dayPosition == kLastDay) return messages.thirtyDayMonth;
  return std::nullopt;
}

}  // namespace

int MonthListPosition(std::string_view text) {
  for (std::size_t i = 0; i < MonthNames.size(); ++i) {
    if (text == MonthNames[i]) return static_cast<int>(i);
  }
  return -1;
}

int DayListPosition(std::string_view text) {
  for (int day = 1; day <= 31; ++day) {
    if (text == std::to_string(day)) return day - 1;
  }
  return -1;
}

std::optional<NumerologyCheckFailure> CheckNumerologyEntries(const NumerologyEntries& e) {
  struct Required {
    const std::string& text;
    std::string_view message;
    NumerologyField field;
  };
  const Required required[] = {
      {e.maleFirst, QT_TRANSLATE_NOOP("Checks", "Male: First Name cannot be blank"), NumerologyField::MaleFirst},
      {e.maleLast, QT_TRANSLATE_NOOP("Checks", "Male: Last Name cannot be blank"), NumerologyField::MaleLast},
      {e.femaleFirst, QT_TRANSLATE_NOOP("Checks", "Female: First Name cannot be blank"), NumerologyField::FemaleFirst},
      {e.femaleLast, QT_TRANSLATE_NOOP("Checks", "Female: Last Name cannot be blank"), NumerologyField::FemaleLast},
      {e.maleDay, QT_TRANSLATE_NOOP("Checks", "Male: Date of Birth cannot be blank"), NumerologyField::MaleDay},
      {e.maleMonth, QT_TRANSLATE_NOOP("Checks", "Male: Month of Birth cannot be blank"), NumerologyField::MaleMonth},
      {e.maleYear, QT_TRANSLATE_NOOP("Checks", "Male: Year of Birth cannot be blank"), NumerologyField::MaleYear},
      {e.femaleDay, QT_TRANSLATE_NOOP("Checks", "Female: Date of Birth cannot be blank"), NumerologyField::FemaleDay},
      {e.femaleMonth, QT_TRANSLATE_NOOP("Checks", "Female: Month of Birth cannot be blank"), NumerologyField::FemaleMonth},
      {e.femaleYear, QT_TRANSLATE_NOOP("Checks", "Female: Year of Birth cannot be blank"), NumerologyField::FemaleYear},
  };
  for (const Required& entry : required) {
    if (entry.text.empty()) return NumerologyCheckFailure{entry.message, entry.field};
  }
  if (const auto message = CheckDate(e.maleMonth, e.maleDay, e.maleYear, kMaleDateMessages)) {
    return NumerologyCheckFailure{*message, std::nullopt};
  }
  if (const auto message = CheckDate(e.femaleMonth, e.femaleDay, e.femaleYear, kFemaleDateMessages)) {
    return NumerologyCheckFailure{*message, std::nullopt};
  }
  return std::nullopt;
}

}  // namespace zentara
