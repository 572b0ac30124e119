#include "astro/match/birth_from_entries.h"

#include "numerology/letter_values.h"
#include "common/number_text.h"

namespace zentara {
namespace {

constexpr int kDays = 31;
constexpr int kMonths = 12;
constexpr int kYears = AstroLastYear - AstroFirstYear + 1;
constexpr int kHours = 24;
constexpr int kMinutes = 60;

bool InList(int position, int count) { return position >= 0 && position < count; }

std::string NumberItem(int position, int count, int first) {
  return InList(position, count) ? std::to_string(first + position) : std::string();
}

}  // namespace

std::optional<std::int16_t> ReadBoxNumber(std::string_view text) {
  // At most three digits: at most 999, which a 16-bit integer holds.
  const auto value = ReadDigits(text, 3);
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

std::optional<BirthMoment> BirthMomentFromEntries(const AstroPartnerEntries& entries,
                                                  const TimeZoneTable& zones) {
  if (!InList(entries.DayPosition, kDays) || !InList(entries.MonthPosition, kMonths) ||
      !InList(entries.YearPosition, kYears) || !InList(entries.HourPosition, kHours) ||
      !InList(entries.MinutePosition, kMinutes) ||
      !InList(entries.ZoneRow, static_cast<int>(TimeZoneRowCount))) {
    return std::nullopt;
  }
  const auto latitudeDegrees = ReadBoxNumber(entries.LatitudeDegrees);
  const auto latitudeMinutes = ReadBoxNumber(entries.LatitudeMinutes);
  const auto longitudeDegrees = ReadBoxNumber(entries.LongitudeDegrees);
  const auto longitudeMinutes = ReadBoxNumber(entries.LongitudeMinutes);
  if (!latitudeDegrees || !latitudeMinutes || !longitudeDegrees || !longitudeMinutes) {
    return std::nullopt;
  }
  BirthMoment birth = BirthDateOfEntries(entries);
  birth.Hour = static_cast<std::int16_t>(entries.HourPosition);
  birth.Minute = static_cast<std::int16_t>(entries.MinutePosition);
  const auto row = static_cast<std::size_t>(entries.ZoneRow);
  birth.ZoneHours = zones.TimeZoneHours[row];
  birth.ZoneMinutes = zones.TimeZoneMinutes[row];
  birth.DaylightSaving = entries.DaylightSaving;
  birth.LongitudeDegrees = *longitudeDegrees;
  birth.LongitudeMinutes = *longitudeMinutes;
  birth.EastOfGreenwich = entries.LongitudeDirection == EastWest::East;
  birth.LatitudeDegrees = *latitudeDegrees;
  birth.LatitudeMinutes = *latitudeMinutes;
  birth.SouthOfEquator = entries.LatitudeDirection == NorthSouth::South;
  return birth;
}

std::string AstroBirthDateText(const AstroPartnerEntries& entries) {
  const std::string month =
      InList(entries.MonthPosition, kMonths) ? std::string(MonthNames[static_cast<std::size_t>(entries.MonthPosition)])
                                             : std::string();
  return month + " " + NumberItem(entries.DayPosition, kDays, 1) + ", " +
         NumberItem(entries.YearPosition, kYears, AstroFirstYear);
}

std::string BirthClockText(int hour, int minute) {
  return std::to_string(hour) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

std::string PartnerBirthLine(const AstroPartnerEntries& entries, Partner partner) {
  return std::string(partner == Partner::Female ? "Female: " : "Male: ") + entries.Name + ", born " + AstroBirthDateText(entries) +
         " at " + BirthClockText(entries.HourPosition, entries.MinutePosition) + " in " + entries.City + ", " +
         entries.State + ", " + entries.Country;
}

}  // namespace zentara
