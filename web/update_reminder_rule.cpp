#include "web/update_reminder_rule.h"

namespace zentara {

ReminderStep DecideReminderStep(std::optional<std::chrono::year_month_day> storedDate,
                                std::chrono::year_month_day today) {
  if (!storedDate || !storedDate->ok()) return ReminderStep::StoreToday;
  // Whole calendar days from today to the stored date; negative when it lies in
  // the past. A date in the future (a clock set back) counts the same way.
  const auto days = (std::chrono::sys_days{*storedDate} - std::chrono::sys_days{today}).count();
  if (days >= -14 && days <= 14) return ReminderStep::Nothing;
  return ReminderStep::Ask;
}

}  // namespace zentara
