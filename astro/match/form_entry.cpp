#include "astro/match/form_entry.h"

#include <array>

#include <cmath>
#include <cstdint>
#include <string_view>

#include "astro/match/zone_list.h"
#include "astro/places/form_letters.h"

namespace zentara::places {

namespace {

FormAngle ToFormAngle(double degrees) {
  // Whole minutes from hundred-thousandths of a degree, rounded half up.
  const std::int64_t units = std::llround(std::abs(degrees) * 100000.0);
  const std::int64_t totalMinutes = (units * 60 + 50000) / 100000;
  return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60), degrees < 0};
}

std::string AngleText(const FormAngle& angle, char first, char second) {
  std::string text = std::to_string(angle.degrees) + (angle.secondOption ? second : first);
  if (angle.minutes < 10) text += '0';
  return text + std::to_string(angle.minutes);
}

// The second comma-separated field of a zone row's display text, without the
// spaces some rows put after their commas.
std::string_view RowAbbreviation(std::string_view display) {
  const std::size_t first = display.find(',');
  if (first == std::string_view::npos) return {};
  std::string_view field = display.substr(first + 1);
  field = field.substr(0, field.find(','));
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return field;
}

// The sign of a zone row's written offset, its last field: 1 for "+5.3", -1
// for "-9.0", 0 for "0.0".
int RowWrittenSign(std::string_view display) {
  std::string_view field = display.substr(display.rfind(',') + 1);
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  return field.starts_with('+') ? 1 : field.starts_with('-') ? -1 : 0;
}

// Words that name a zone row as a summer, daylight or war time. The box adds
// the saving, so a row that already includes it reads wrongly beside a clear
// box ("British Summer Time" for Lagos) and doubly beside a checked one.
constexpr std::array<std::string_view, 3> SavingTimeWords = {"Daylight", "Summer", "War"};

// Whether a zone row's name, its first field, names a standard time.
bool RowNamesStandardTime(std::string_view display) {
  const std::string_view name = display.substr(0, display.find(','));
  for (const std::string_view word : SavingTimeWords) {
    if (name.find(word) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

FormCoordinates ToFormCoordinates(double latitude, double longitude) {
  return {ToFormAngle(latitude), ToFormAngle(longitude)};
}

std::string LatitudeText(const FormAngle& latitude) { return AngleText(latitude, 'N', 'S'); }
std::string LongitudeText(const FormAngle& longitude) { return AngleText(longitude, 'E', 'W'); }

bool EnginesReadEast(const FormAngle& longitude) {
  return !longitude.secondOption && (longitude.degrees != 0 || longitude.minutes != 0);
}

std::optional<FormZoneEntry> SuggestZoneEntry(const ZoneOffset& offset, bool engineEast) {
  if (offset.utcOffsetSeconds % 60 != 0) return std::nullopt;
  const int offsetMinutes = offset.utcOffsetSeconds / 60;
  const int trueSign = (offsetMinutes > 0) - (offsetMinutes < 0);
  const TimeZoneTable& zones = LoadTimeZoneTable();
  for (const bool box : {offset.daylightSaving, !offset.daylightSaving}) {
    // east: offset = row + 60 * box; west: offset = -row + 60 * box
    const int rowMinutes = engineEast ? offsetMinutes - (box ? 60 : 0) : (box ? 60 : 0) - offsetMinutes;
    // The rows of that size, best first: written with the true offset's sign
    // and [0] the offset's abbreviation, [1] the standard-time abbreviation,
    // [2] naming a standard time, [3] any; then, whatever their sign, [4] the
    // offset's abbreviation, [5] the standard-time abbreviation, [6] the sign
    // of the place's side, [7] any.
    std::array<std::optional<std::size_t>, 8> best;
    for (std::size_t row = 0; row < TimeZoneRowCount; ++row) {
      if (zones.TimeZoneHours[row] * 60 + zones.TimeZoneMinutes[row] != rowMinutes) continue;
      const std::string_view abbreviation = RowAbbreviation(zones.TimeZoneNames[row]);
      const int writtenSign = RowWrittenSign(zones.TimeZoneNames[row]);
      const bool sameAbbreviation = abbreviation == offset.abbreviation;
      const bool sameStandardAbbreviation =
          !offset.standardAbbreviation.empty() && abbreviation == offset.standardAbbreviation;
      const bool trueSignWritten = writtenSign == trueSign;
      const bool fits[] = {
          trueSignWritten && sameAbbreviation,
          trueSignWritten && sameStandardAbbreviation,
          trueSignWritten && RowNamesStandardTime(zones.TimeZoneNames[row]),
          trueSignWritten,
          sameAbbreviation,
          sameStandardAbbreviation,
          writtenSign == (engineEast ? 1 : -1),
          true,
      };
      for (std::size_t rank = 0; rank < best.size(); ++rank) {
        if (fits[rank] && !best[rank]) best[rank] = row;
      }
    }
    for (const auto& row : best) {
      if (row) return FormZoneEntry{*row, box};
    }
  }
  return std::nullopt;
}

FormPlaceNames PlaceNamesForForm(const Place& place) {
  return {FormLetters(place.name), FormLetters(place.regionName), FormLetters(place.countryName)};
}

PlaceEntries EntriesForPlace(const Place& place, const TimeZoneRules& rules, const LocalDateTime& local) {
  PlaceEntries entries{place, ToFormCoordinates(place.latitude, place.longitude), {}, {}};
  entries.offset = rules.OffsetAt(place.timeZone, local);
  if (entries.offset) entries.zone = SuggestZoneEntry(*entries.offset, EnginesReadEast(entries.coordinates.longitude));
  return entries;
}

}  // namespace zentara::places
