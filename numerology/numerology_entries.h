// The twelve entries of the numerology form and the checks they must pass before
// any reading is made.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentara {

// The most characters a name box holds: more than one command-line argument can
// carry (128 KiB on Linux), so the form and zentara-cli read the same name whole
// and give it the same destiny number.
inline constexpr std::size_t MaxNameLength = std::size_t{1} << 20;

// Each text exactly as it stands in its control.
struct NumerologyEntries {
  std::string maleFirst, maleMiddle, maleLast;
  std::string femaleFirst, femaleMiddle, femaleLast;
  std::string maleMonth, maleDay, maleYear;
  std::string femaleMonth, femaleDay, femaleYear;
};

// The entry the keyboard focus goes to after a failed check.
enum class NumerologyField {
  MaleFirst, MaleLast, FemaleFirst, FemaleLast,
  MaleDay, MaleMonth, MaleYear, FemaleDay, FemaleMonth, FemaleYear,
};

struct NumerologyCheckFailure {
  std::string_view message;
  std::optional<NumerologyField> focus;  // nothing for the date checks
};

// The checks in their fixed order; the first that fails, or nothing when all pass.
//   Names and date parts must not be empty (a text of spaces is not empty; the
//   middle names may be empty). Then the male date, then the female date: the
//   month and day are judged by their position in the form's lists (a text that
//   is no item has no position and is refused nothing), and a year divisible by 4
//   is a leap year, with no century rule.
std::optional<NumerologyCheckFailure> CheckNumerologyEntries(const NumerologyEntries& entries);

// The position of `text` in the form's lists, or -1 when it is none of the items:
// the months "January".."December", the days "1".."31".
int MonthListPosition(std::string_view text);
int DayListPosition(std::string_view text);

}  // namespace zentara
