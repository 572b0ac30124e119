// When the update reminder speaks. It asks at most once every 15 days whether
// the user wants to look for a newer version; the only state is the date of the
// last reminder, kept in the per-user settings store.
#pragma once
#include "common/translatable.h"
#include <chrono>
#include <optional>
#include <string_view>

namespace zentara {

// The name and section of the reminder's setting, before scrambling.
inline constexpr std::string_view ReminderSection = "Settings";
inline constexpr std::string_view ReminderValueName = "Duration";

// The question, with its single carriage return between the two sentences.
inline constexpr std::string_view UpdateReminderMessage = QT_TRANSLATE_NOOP(
    "Web",
    "There maybe an update to this software available\r"
    "Do you want to check for an update?");

enum class ReminderStep {
  StoreToday,  // first run (or an unreadable date): write today, ask nothing
  Nothing,     // the last reminder is less than 15 days away: leave the setting
  Ask,         // ask the question, then write today whatever the answer
};

// `storedDate` is the stored text read back as a date, or nothing when there is
// no stored text or it cannot be read as a date.
ReminderStep DecideReminderStep(std::optional<std::chrono::year_month_day> storedDate,
                                std::chrono::year_month_day today);

}  // namespace zentara
