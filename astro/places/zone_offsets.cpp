#include "astro/places/zone_offsets.h"

#include <chrono>
#include <cstdlib>
#include <string>

namespace zentara::places {

std::string UtcOffsetText(int utcOffsetSeconds) {
  // In 64 bits, so the size of the most negative offset is a number too.
  const long long size = std::llabs(static_cast<long long>(utcOffsetSeconds));
  const auto twoDigits = [](long long value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  std::string text = utcOffsetSeconds < 0 ? "-" : "+";
  text += twoDigits(size / 3600) + ":" + twoDigits(size / 60 % 60);
  if (size % 60 != 0) text += ":" + twoDigits(size % 60);
  return text;
}

bool IsValidLocalDateTime(const LocalDateTime& local) {
  // std::chrono::year keeps 16 bits: a year beyond them would wrap round to
  // another one (40000 to -25536) and be answered for that year.
  const int firstYear = static_cast<int>(std::chrono::year::min());
  const int lastYear = static_cast<int>(std::chrono::year::max());
  if (local.year < firstYear || local.year > lastYear) return false;
  const std::chrono::year_month_day date{std::chrono::year{local.year},
                                         std::chrono::month{static_cast<unsigned>(local.month)},
                                         std::chrono::day{static_cast<unsigned>(local.day)}};
  return local.month >= 1 && local.month <= 12 && local.day >= 1 && local.day <= 31 && date.ok() &&
         local.hour >= 0 && local.hour <= 23 && local.minute >= 0 && local.minute <= 59;
}

}  // namespace zentara::places
