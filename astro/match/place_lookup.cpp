#include "astro/match/place_lookup.h"

#include <array>

#include "astro/match/birth_from_entries.h"
#include "astro/match/zone_list.h"
#include "astro/places/fold_text.h"
#include "common/shown_text.h"

namespace zentara {
namespace {

struct Attempt {
  bool state, country;  // which of the two narrow the search
  Widening widening;
};

// The order in which the search lets go of what the user typed.
constexpr std::array<Attempt, 4> Attempts = {{
    {true, true, Widening::None},
    {false, true, Widening::WithoutState},
    {true, false, Widening::WithoutCountry},
    {false, false, Widening::WithoutEither},
}};

std::string Quoted(std::string_view text) { return "\"" + ShownText(text) + "\""; }

// "Did you mean "Chicago", "Chico" or "Chino"?"; "" for no names.
std::string DidYouMean(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += i == 0 ? "Did you mean " : i + 1 == names.size() ? " or " : ", ";
    text += "\"" + names[i] + "\"";
  }
  return names.empty() ? text : text + "?";
}

bool IsBlank(std::string_view text) { return places::FoldForSearch(text).empty(); }

}  // namespace

PlaceLookupResult LookUpPlaces(const places::Atlas& atlas, std::string_view city, std::string_view state,
                               std::string_view country, std::size_t limit) {
  const bool hasState = !IsBlank(state);
  const bool hasCountry = !IsBlank(country);
  const bool unknownCountry = hasCountry && !atlas.IsCountry(country);
  for (const Attempt& attempt : Attempts) {
    // An attempt that leaves out what is empty anyway repeats an earlier one.
    if ((!attempt.state && !hasState) || (!attempt.country && !hasCountry)) continue;
    if (attempt.country && unknownCountry) continue;
    places::PlaceQuery query{std::string(city), attempt.state && hasState ? std::string(state) : std::string(),
                             attempt.country && hasCountry ? std::string(country) : std::string(), limit};
    std::vector<places::PlaceMatch> matches = atlas.Search(query);
    if (!matches.empty()) return {std::move(matches), attempt.widening, unknownCountry, {}};
  }
  return {{}, Widening::None, unknownCountry, atlas.SuggestNames(places::PlaceQuery{std::string(city), "", "", 0})};
}

std::string NothingFoundText(std::string_view city, const std::vector<std::string>& suggestions) {
  const std::string text = "No place is named " + Quoted(city) + " or has a name beginning with it.";
  return suggestions.empty() ? text : text + " " + DidYouMean(suggestions);
}

bool HoldsNoName(std::string_view query) { return IsBlank(query.substr(0, query.find(','))); }

std::optional<std::string> UnknownStateOrCountry(const places::Atlas& atlas, std::string_view state,
                                                 std::string_view country) {
  const bool hasCountry = !IsBlank(country);
  std::string text;
  std::vector<std::string> nearest;
  if (hasCountry && !atlas.IsCountry(country)) {
    text = "No country named " + ShownText(country);
    nearest = atlas.SuggestCountries(country);
  } else if (!IsBlank(state) && !atlas.IsRegion(state, country)) {
    text = "No state or region named " + ShownText(state) + (hasCountry ? " in " + ShownText(country) : "");
    nearest = atlas.SuggestRegions(state, country);
  } else {
    return std::nullopt;
  }
  return nearest.empty() ? text : text + ". " + DidYouMean(nearest);
}

std::string NoPlaceNamedText(std::string_view name, std::string_view state, std::string_view country) {
  std::string where;
  for (const std::string_view area : {state, country}) {
    if (!IsBlank(area)) where += (where.empty() ? " in " : ", ") + ShownText(area);
  }
  return "No place named " + ShownText(name) + where;
}

std::string PlaceLookupStatus(std::string_view city, std::string_view state, std::string_view country,
                              const PlaceLookupResult& result, std::size_t limit) {
  if (HoldsNoName(city)) return "Type the name of the city.";
  const std::string noCountry = "No country named " + ShownText(country);
  if (result.matches.empty()) {
    return (result.unknownCountry ? noCountry + ". " : "") + NothingFoundText(city, result.suggestions);
  }
  std::string status;
  switch (result.widening) {
    case Widening::None: break;
    case Widening::WithoutState:
      status = "No " + Quoted(city) + " in the state " + Quoted(state) + ": the state is left out. ";
      break;
    case Widening::WithoutCountry:
      status = result.unknownCountry
                   ? noCountry + ": the country is left out. "
                   : "No " + Quoted(city) + " in the country " + Quoted(country) + ": the country is left out. ";
      break;
    case Widening::WithoutEither:
      status = result.unknownCountry
                   ? noCountry + ", and no " + Quoted(city) + " in the state " + Quoted(state) +
                         ": both are left out. "
                   : "No " + Quoted(city) + " with the state " + Quoted(state) + " or the country " +
                         Quoted(country) + ": both are left out. ";
      break;
  }
  const std::size_t count = result.matches.size();
  if (limit != 0 && count >= limit) {
    return status + "The first " + std::to_string(count) + " places found; type more of the name to narrow them.";
  }
  return status + std::to_string(count) + (count == 1 ? " place found." : " places found.");
}

places::LocalDateTime LocalBirthTime(const AstroPartnerEntries& entries) {
  const BirthMoment date = BirthDateOfEntries(entries);
  return {date.Year, date.Month, date.Day, entries.HourPosition, entries.MinutePosition};
}

std::string LocalBirthTimeText(const AstroPartnerEntries& entries) {
  return AstroBirthDateText(entries) + ", " + BirthClockText(entries.HourPosition, entries.MinutePosition);
}

std::string OffsetsDateText(const AstroPartnerEntries& entries) {
  std::string text = "Offsets at the birth date and time on the form: " + LocalBirthTimeText(entries) + ".";
  const AstroPartnerEntries start;
  if (entries.DayPosition == start.DayPosition && entries.MonthPosition == start.MonthPosition &&
      entries.YearPosition == start.YearPosition) {
    text += " The birth date is still the form's start value, so the offsets shown are for " +
            AstroBirthDateText(entries) + "; after Fill In the time zone follows the birth date when it is set.";
  }
  return text;
}

PlaceRowTexts PlaceRow(const places::PlaceEntries& entries) {
  PlaceRowTexts row;
  row.name = entries.place.name;
  row.state = entries.place.regionName;
  row.country = entries.place.countryName;
  row.latitude = places::LatitudeText(entries.coordinates.latitude);
  row.longitude = places::LongitudeText(entries.coordinates.longitude);
  row.timeZone = entries.place.timeZone;
  if (!entries.offset) {
    row.offset = "unknown";
    return row;
  }
  row.offset = "UTC" + places::UtcOffsetText(entries.offset->utcOffsetSeconds) + " " + entries.offset->abbreviation;
  row.daylightSaving = entries.offset->daylightSaving ? "yes" : "no";
  switch (entries.offset->clockChange) {
    case places::ClockChange::None: break;
    case places::ClockChange::Skipped: row.clockChange = "skipped local time"; break;
    case places::ClockChange::Repeated: row.clockChange = "repeated local time"; break;
  }
  return row;
}

std::string ZoneSuggestionText(const places::PlaceEntries& entries, const places::LocalDateTime& birth) {
  constexpr const char* CoordinatesOnly = "Fill In sets the latitude and longitude only.";
  if (!entries.offset) {
    if (!places::IsValidLocalDateTime(birth)) {
      return std::string("The birth date on the form is not on the calendar, so no time zone is suggested: ") +
             CoordinatesOnly;
    }
    return "The time-zone database has no zone " + Quoted(entries.place.timeZone) +
           ", so no time zone is suggested: " + CoordinatesOnly;
  }
  const places::ZoneOffset& offset = *entries.offset;
  std::string text;
  if (entries.zone) {
    text = "Fill In sets the time zone " + Quoted(LoadTimeZoneTable().TimeZoneNames[entries.zone->zoneRow]) +
           (entries.zone->daylightSaving ? " and checks" : " and clears") + " Daylight Saving Time.";
  } else {
    text = "No time zone of the list gives UTC" + places::UtcOffsetText(offset.utcOffsetSeconds) +
           ": Fill In sets the latitude and longitude only and leaves the time zone and Daylight Saving Time "
           "as they are.";
  }
  const std::string time = BirthClockText(birth.hour, birth.minute);
  if (offset.clockChange == places::ClockChange::Skipped) {
    text += " The birth time " + time +
            " never showed on the place's clocks, which were put forward over it; the offset is the one in force "
            "before the change.";
  } else if (offset.clockChange == places::ClockChange::Repeated) {
    text += " The birth time " + time +
            " showed twice on the place's clocks, which were put back over it; the offset is that of the first "
            "time.";
  }
  return text;
}

}  // namespace zentara
