#include "book/person_entries.h"

#include <cstdio>
#include <cstdlib>

#include "astro/match/zone_following.h"
#include "astro/places/form_letters.h"
#include "astro/places/zoneinfo_offsets.h"

namespace zentara::book {

namespace {

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

struct DateParts {
  int year = 0, month = 0, day = 0;
};

// The parts of a date the book keeps (YYYY-MM-DD, already checked).
DateParts PartsOf(const std::string& date) {
  DateParts parts;
  std::sscanf(date.c_str(), "%4d-%2d-%2d", &parts.year, &parts.month, &parts.day);
  return parts;
}

std::string DateText(int year, int month, int day) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

std::optional<PersonProblem> Set(Person& person, Column column, const std::string& text) {
  if (auto problem = SetColumn(person, column, text)) return PersonProblem{column, *problem};
  return std::nullopt;
}

// "41N52" into the two boxes and the direction; empty boxes for an empty text.
void PutCoordinate(const std::string& text, std::string& degrees, std::string& minutes, bool& second) {
  const std::size_t letter = text.find_first_of("NSEW");
  if (letter == std::string::npos) {
    degrees.clear(), minutes.clear(), second = false;
    return;
  }
  degrees = text.substr(0, letter);
  minutes = text.substr(letter + 1);
  second = text[letter] == 'S' || text[letter] == 'W';
}

std::string CoordinateText(const std::string& degrees, const std::string& minutes, char direction) {
  if (degrees.empty() && minutes.empty()) return {};
  return degrees + direction + minutes;
}

}  // namespace

void PutNumerologySide(const Person& person, Partner partner, NumerologyEntries& e) {
  const bool male = partner == Partner::Male;
  const DateParts date = PartsOf(person.date);
  (male ? e.maleFirst : e.femaleFirst) = person.first;
  (male ? e.maleMiddle : e.femaleMiddle) = person.middle;
  (male ? e.maleLast : e.femaleLast) = person.last;
  (male ? e.maleMonth : e.femaleMonth) = date.month >= 1 && date.month <= 12 ? MonthNames[date.month - 1] : "";
  (male ? e.maleDay : e.femaleDay) = std::to_string(date.day);
  (male ? e.maleYear : e.femaleYear) = std::to_string(date.year);
}

std::optional<PersonProblem> TakeNumerologySide(const NumerologyEntries& e, Partner partner, Person& person) {
  const bool male = partner == Partner::Male;
  Person changed = person;
  changed.first = male ? e.maleFirst : e.femaleFirst;
  changed.middle = male ? e.maleMiddle : e.femaleMiddle;
  changed.last = male ? e.maleLast : e.femaleLast;
  const std::string& month = male ? e.maleMonth : e.femaleMonth;
  const std::string& day = male ? e.maleDay : e.femaleDay;
  const std::string& year = male ? e.maleYear : e.femaleYear;
  const int monthNumber = MonthListPosition(month) + 1;
  const int dayNumber = DayListPosition(day) + 1;
  // A text typed over a list is no date: say so with the texts as they stand.
  const std::string date = monthNumber > 0 && dayNumber > 0 && year.size() == 4
                               ? year + "-" + DateText(0, monthNumber, dayNumber).substr(5)
                               : year + "-" + month + "-" + day;
  if (auto problem = Set(changed, Column::Date, date)) return problem;
  if (auto problem = CheckPerson(changed)) return problem;
  person = std::move(changed);
  return std::nullopt;
}

std::optional<places::FormZoneEntry> ZoneEntryOf(const Person& person) {
  if (person.zone) return places::FormZoneEntry{static_cast<std::size_t>(*person.zone), person.dst};
  if (person.timezone.empty() || person.time.empty()) return std::nullopt;
  // As the look-up's Fill In gives them for the place's zone at the birth.
  std::string degrees, minutes;
  bool west = false;
  PutCoordinate(person.longitude, degrees, minutes, west);
  places::FormAngle longitude;
  longitude.degrees = std::atoi(degrees.c_str());
  longitude.minutes = std::atoi(minutes.c_str());
  longitude.secondOption = west;
  const DateParts date = PartsOf(person.date);
  places::LocalDateTime birth{date.year, date.month, date.day, 0, 0};
  std::sscanf(person.time.c_str(), "%2d:%2d", &birth.hour, &birth.minute);
  static const places::TzdbTimeZoneRules rules;  // the system's zone files, read once
  return FollowZone({person.timezone, places::EnginesReadEast(longitude)}, rules, birth).entry;
}

std::optional<std::string> WhyNoAstroMatch(const Person& person) {
  const DateParts date = PartsOf(person.date);
  if (date.year < AstroFirstYear || date.year > AstroLastYear) {
    return DisplayName(person) + " was born in " + std::to_string(date.year) +
           ": the astro match takes births from 1901 to 2050";
  }
  if (person.time.empty()) return DisplayName(person) + " has no birth time: the astro match needs one";
  if (!ZoneEntryOf(person)) {
    if (person.timezone.empty()) {
      return DisplayName(person) + " has no time zone: the astro match needs one (a zone row, or the birthplace's "
                                   "IANA zone from the atlas)";
    }
    return DisplayName(person) + "'s time zone, " + person.timezone +
           ", gives no row of the time-zone list at that birth: the astro match needs one";
  }
  // Coordinates kept before the book checked their range.
  Person checked;
  for (const Column column : {Column::Lat, Column::Lon}) {
    if (auto problem = SetColumn(checked, column, ColumnText(person, column))) {
      return DisplayName(person) + "'s " + std::string(ColumnName(column)) + " " + *problem;
    }
  }
  return std::nullopt;
}

AstroPartnerEntries AstroSide(const Person& person) {
  AstroPartnerEntries e;
  e.Name = places::FormLetters(person.name.empty() ? person.first + " " + person.last : person.name);
  const DateParts date = PartsOf(person.date);
  e.YearPosition = date.year - AstroFirstYear;
  e.MonthPosition = date.month - 1;
  e.DayPosition = date.day - 1;
  int hour = 0, minute = 0;
  std::sscanf(person.time.c_str(), "%2d:%2d", &hour, &minute);
  e.HourPosition = hour;
  e.MinutePosition = minute;
  const auto zone = ZoneEntryOf(person);
  e.ZoneRow = zone ? static_cast<int>(zone->zoneRow) : 0;
  e.DaylightSaving = zone ? zone->daylightSaving : person.dst;
  bool south = false, west = false;
  PutCoordinate(person.latitude, e.LatitudeDegrees, e.LatitudeMinutes, south);
  PutCoordinate(person.longitude, e.LongitudeDegrees, e.LongitudeMinutes, west);
  e.LatitudeDirection = south ? NorthSouth::South : NorthSouth::North;
  e.LongitudeDirection = west ? EastWest::West : EastWest::East;
  e.City = places::FormLetters(person.city);
  e.State = places::FormLetters(person.state);
  e.Country = places::FormLetters(person.country);
  return e;
}

std::optional<PersonProblem> TakeAstroSide(const AstroPartnerEntries& e, Person& person) {
  Person changed = person;
  changed.name = e.Name;
  changed.city = e.City;
  changed.state = e.State;
  changed.country = e.Country;
  changed.dst = e.DaylightSaving;
  changed.zone = e.ZoneRow;
  if (auto problem = Set(changed, Column::Date,
                         DateText(AstroFirstYear + e.YearPosition, e.MonthPosition + 1, e.DayPosition + 1))) {
    return problem;
  }
  char time[32];
  std::snprintf(time, sizeof time, "%02d:%02d", e.HourPosition, e.MinutePosition);
  if (auto problem = Set(changed, Column::Time, time)) return problem;
  const char latitude = e.LatitudeDirection == NorthSouth::South ? 'S' : 'N';
  const char longitude = e.LongitudeDirection == EastWest::West ? 'W' : 'E';
  if (auto problem = Set(changed, Column::Lat, CoordinateText(e.LatitudeDegrees, e.LatitudeMinutes, latitude))) {
    return problem;
  }
  if (auto problem = Set(changed, Column::Lon, CoordinateText(e.LongitudeDegrees, e.LongitudeMinutes, longitude))) {
    return problem;
  }
  if (auto problem = CheckPerson(changed)) return problem;
  person = std::move(changed);
  return std::nullopt;
}

}  // namespace zentara::book
