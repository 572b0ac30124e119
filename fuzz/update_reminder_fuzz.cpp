// The update reminder's stored setting, whatever the settings store holds: the
// text unscrambled and taken out of the Windows-1252 code page, and the
// reminder's decision for any stored date and any today. Reading the text as a
// date is the toolkit's (platform::Platform::readShortDate), so the date here
// comes from the input's first bytes, made as the program makes it from the
// toolkit's year, month and day numbers.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "reports/ansi_codepage.h"
#include "reports/scramble.h"
#include "web/update_reminder_rule.h"

using namespace zentara;
using namespace zentara::fuzz;

namespace {

std::chrono::year_month_day TakeDate(std::string_view& input) {
  const std::int32_t year = TakeInt32(input);
  const unsigned month = TakeByte(input);
  const unsigned day = TakeByte(input);
  return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
}

std::string DateText(const std::chrono::year_month_day& date) {
  return std::to_string(static_cast<int>(date.year())) + "-" + std::to_string(static_cast<unsigned>(date.month())) +
         "-" + std::to_string(static_cast<unsigned>(date.day()));
}

void CheckStoredText(std::string_view stored) {
  const std::string ansi = UnscrambleField(stored);
  const std::string text = AnsiToUtf8(ansi);
  Require(Utf8ToAnsi(text) == ansi, "every Windows-1252 text comes back from UTF-8", ansi);
  // Scrambling again gives the stored bytes less those no scrambling writes.
  std::string kept;
  for (const char c : stored) {
    if (static_cast<unsigned char>(c) >= 85) kept += c;
  }
  Require(ScrambleField(ansi) == kept, "unscrambling then scrambling keeps every byte at or above 85", stored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = AsText(data, size);
  const bool dateRead = TakeByte(input) % 2 == 1;
  const auto stored = TakeDate(input);
  const auto today = TakeDate(input);
  CheckStoredText(input);

  const ReminderStep step = DecideReminderStep(dateRead ? std::optional(stored) : std::nullopt, today);
  if (!dateRead || !stored.ok()) {
    Require(step == ReminderStep::StoreToday, "no readable date: today is stored", DateText(stored));
    return 0;
  }
  if (!today.ok()) return 0;  // the toolkit's today is always a date
  // The same reminder date to the day is quiet, and the answer depends only
  // on how far apart the two dates are, whichever comes first.
  Require(DecideReminderStep(today, today) == ReminderStep::Nothing, "a reminder today is not repeated",
          DateText(today));
  Require(DecideReminderStep(today, stored) == step, "the distance, not the order, decides",
          DateText(stored) + " and " + DateText(today));
  Require(step != ReminderStep::StoreToday, "a readable date is never overwritten unasked", DateText(stored));
  return 0;
}
