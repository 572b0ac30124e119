#include "astro/match/place_lookup.h"

#include <algorithm>
#include <array>

#include "astro/match/birth_from_entries.h"
#include "astro/match/zone_list.h"
#include "astro/places/fold_text.h"
#include "common/shown_text.h"
#include "common/translatable.h"

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

// "Did you mean "Chicago", "Chico" or "Chino"?" as a sentence, one form for
// each number of names (up to the five the atlas offers).
Sentence DidYouMean(const std::vector<std::string>& names) {
  static constexpr const char* Forms[] = {
      QT_TRANSLATE_NOOP("PlaceLookup", "Did you mean %1?"),
      QT_TRANSLATE_NOOP("PlaceLookup", "Did you mean %1 or %2?"),
      QT_TRANSLATE_NOOP("PlaceLookup", "Did you mean %1, %2 or %3?"),
      QT_TRANSLATE_NOOP("PlaceLookup", "Did you mean %1, %2, %3 or %4?"),
      QT_TRANSLATE_NOOP("PlaceLookup", "Did you mean %1, %2, %3, %4 or %5?"),
  };
  Sentence sentence{Forms[std::min(names.size(), std::size(Forms)) - 1], nullptr, -1, {}};
  for (std::size_t i = 0; i < names.size() && i < std::size(Forms); ++i) sentence.Args.push_back("\"" + names[i] + "\"");
  return sentence;
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

std::vector<Sentence> NothingFoundSentences(std::string_view city, const std::vector<std::string>& suggestions) {
  std::vector<Sentence> sentences{
      {QT_TRANSLATE_NOOP("PlaceLookup", "No place is named %1 or has a name beginning with it."), nullptr, -1,
       {Quoted(city)}}};
  if (!suggestions.empty()) sentences.push_back(DidYouMean(suggestions));
  return sentences;
}

std::string NothingFoundText(std::string_view city, const std::vector<std::string>& suggestions) {
  return EnglishText(NothingFoundSentences(city, suggestions));
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
  return nearest.empty() ? text : text + ". " + EnglishText({DidYouMean(nearest)});
}

std::string NoPlaceNamedText(std::string_view name, std::string_view state, std::string_view country) {
  std::string where;
  for (const std::string_view area : {state, country}) {
    if (!IsBlank(area)) where += (where.empty() ? " in " : ", ") + ShownText(area);
  }
  return "No place named " + ShownText(name) + where;
}

std::vector<Sentence> PlaceLookupStatusSentences(std::string_view city, std::string_view state,
                                                 std::string_view country, const PlaceLookupResult& result,
                                                 std::size_t limit) {
  if (HoldsNoName(city)) return {{QT_TRANSLATE_NOOP("PlaceLookup", "Type the name of the city."), nullptr, -1, {}}};
  const std::string shownCountry = ShownText(country);
  std::vector<Sentence> sentences;
  if (result.matches.empty()) {
    if (result.unknownCountry) {
      sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup", "No country named %1."), nullptr, -1, {shownCountry}});
    }
    for (Sentence& sentence : NothingFoundSentences(city, result.suggestions)) sentences.push_back(std::move(sentence));
    return sentences;
  }
  switch (result.widening) {
    case Widening::None: break;
    case Widening::WithoutState:
      sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup", "No %1 in the state %2: the state is left out."), nullptr,
                           -1, {Quoted(city), Quoted(state)}});
      break;
    case Widening::WithoutCountry:
      if (result.unknownCountry) {
        sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup", "No country named %1: the country is left out."),
                             nullptr, -1, {shownCountry}});
      } else {
        sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup", "No %1 in the country %2: the country is left out."),
                             nullptr, -1, {Quoted(city), Quoted(country)}});
      }
      break;
    case Widening::WithoutEither:
      if (result.unknownCountry) {
        sentences.push_back(
            {QT_TRANSLATE_NOOP("PlaceLookup", "No country named %1, and no %2 in the state %3: both are left out."),
             nullptr, -1, {shownCountry, Quoted(city), Quoted(state)}});
      } else {
        sentences.push_back(
            {QT_TRANSLATE_NOOP("PlaceLookup", "No %1 with the state %2 or the country %3: both are left out."),
             nullptr, -1, {Quoted(city), Quoted(state), Quoted(country)}});
      }
      break;
  }
  const int count = static_cast<int>(result.matches.size());
  if (limit != 0 && result.matches.size() >= limit) {
    sentences.push_back({QT_TRANSLATE_N_NOOP("PlaceLookup",
                                             "The first %n places found; type more of the name to narrow them."),
                         nullptr, count, {}});
  } else {
    sentences.push_back({QT_TRANSLATE_N_NOOP("PlaceLookup", "%n places found."), "%n place found.", count, {}});
  }
  return sentences;
}

std::string PlaceLookupStatus(std::string_view city, std::string_view state, std::string_view country,
                              const PlaceLookupResult& result, std::size_t limit) {
  return EnglishText(PlaceLookupStatusSentences(city, state, country, result, limit));
}

places::LocalDateTime LocalBirthTime(const AstroPartnerEntries& entries) {
  const BirthMoment date = BirthDateOfEntries(entries);
  return {date.Year, date.Month, date.Day, entries.HourPosition, entries.MinutePosition};
}

std::string LocalBirthTimeText(const AstroPartnerEntries& entries) {
  return AstroBirthDateText(entries) + ", " + BirthClockText(entries.HourPosition, entries.MinutePosition);
}

std::vector<Sentence> OffsetsDateSentences(const AstroPartnerEntries& entries) {
  std::vector<Sentence> sentences{{QT_TRANSLATE_NOOP("PlaceLookup", "Offsets at the birth date and time on the form: %1."),
                                   nullptr, -1, {LocalBirthTimeText(entries)}}};
  const AstroPartnerEntries start;
  if (entries.DayPosition == start.DayPosition && entries.MonthPosition == start.MonthPosition &&
      entries.YearPosition == start.YearPosition) {
    sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup",
                                           "The birth date is still the form's start value, so the offsets shown are "
                                           "for %1; after Fill In the time zone follows the birth date when it is set."),
                         nullptr, -1, {AstroBirthDateText(entries)}});
  }
  return sentences;
}

std::string OffsetsDateText(const AstroPartnerEntries& entries) { return EnglishText(OffsetsDateSentences(entries)); }

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

std::vector<Sentence> ZoneSuggestionSentences(const places::PlaceEntries& entries,
                                              const places::LocalDateTime& birth) {
  if (!entries.offset) {
    if (!places::IsValidLocalDateTime(birth)) {
      return {{QT_TRANSLATE_NOOP("PlaceLookup",
                                 "The birth date on the form is not on the calendar, so no time zone is suggested: "
                                 "Fill In sets the latitude and longitude only."),
               nullptr, -1, {}}};
    }
    return {{QT_TRANSLATE_NOOP("PlaceLookup",
                               "The time-zone database has no zone %1, so no time zone is suggested: Fill In sets "
                               "the latitude and longitude only."),
             nullptr, -1, {Quoted(entries.place.timeZone)}}};
  }
  const places::ZoneOffset& offset = *entries.offset;
  std::vector<Sentence> sentences;
  if (entries.zone) {
    const std::string zone = Quoted(LoadTimeZoneTable().TimeZoneNames[entries.zone->zoneRow]);
    sentences.push_back(
        {entries.zone->daylightSaving
             ? QT_TRANSLATE_NOOP("PlaceLookup", "Fill In sets the time zone %1 and checks Daylight Saving Time.")
             : QT_TRANSLATE_NOOP("PlaceLookup", "Fill In sets the time zone %1 and clears Daylight Saving Time."),
         nullptr, -1, {zone}});
  } else {
    sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup",
                                           "No time zone of the list gives UTC%1: Fill In sets the latitude and "
                                           "longitude only and leaves the time zone and Daylight Saving Time as they "
                                           "are."),
                         nullptr, -1, {places::UtcOffsetText(offset.utcOffsetSeconds)}});
  }
  const std::string time = BirthClockText(birth.hour, birth.minute);
  if (offset.clockChange == places::ClockChange::Skipped) {
    sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup",
                                           "The birth time %1 never showed on the place's clocks, which were put "
                                           "forward over it; the offset is the one in force before the change."),
                         nullptr, -1, {time}});
  } else if (offset.clockChange == places::ClockChange::Repeated) {
    sentences.push_back({QT_TRANSLATE_NOOP("PlaceLookup",
                                           "The birth time %1 showed twice on the place's clocks, which were put "
                                           "back over it; the offset is that of the first time."),
                         nullptr, -1, {time}});
  }
  return sentences;
}

std::string ZoneSuggestionText(const places::PlaceEntries& entries, const places::LocalDateTime& birth) {
  return EnglishText(ZoneSuggestionSentences(entries, birth));
}

}  // namespace zentara
