// The astro form's look-up of a birthplace in the offline atlas: the search for
// a partner's city, state and country, widened when the state or the country
// rules out every place (people write both in many ways, and some places have
// no state on record) or the country is none, the closest names when nothing
// is found, and the texts the look-up window shows.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/match/astro_entries.h"
#include "astro/match/lookup_sentences.h"
#include "astro/places/atlas.h"
#include "astro/match/form_entry.h"

namespace zentara {

// The most places one look-up lists.
inline constexpr std::size_t PlaceLookupLimit = 50;

// What the search left out to find any place.
enum class Widening {
  None,              // state and country as typed
  WithoutState,      // the state left out, the country kept
  WithoutCountry,    // the country left out, the state kept
  WithoutEither,     // both left out
};

struct PlaceLookupResult {
  std::vector<places::PlaceMatch> matches;  // best first, at most the limit
  Widening widening = Widening::None;
  bool unknownCountry = false;           // the country typed names no country, so it is left out
  std::vector<std::string> suggestions;  // when nothing is found: the closest names, nearest first
};

// The places named `city`, or whose name begins with it, in `state` and
// `country` (an empty one does not narrow). When that finds none: the same
// without the state, then without the country, then without either, stopping
// at the first that finds any; a country that names no country is left out
// from the start. Nothing found at all gives Widening::None and the names
// closest to `city` anywhere (Atlas::SuggestNames).
PlaceLookupResult LookUpPlaces(const places::Atlas& atlas, std::string_view city, std::string_view state,
                               std::string_view country, std::size_t limit = PlaceLookupLimit);

// The status line under the list: how many places were found and what was left
// out to find them ("No country named Holland: the country is left out."), or
// why there is none ("Type the name of the city." for a name that is empty
// once spaces and punctuation are set aside) and the closest names.
std::string PlaceLookupStatus(std::string_view city, std::string_view state, std::string_view country,
                              const PlaceLookupResult& result, std::size_t limit = PlaceLookupLimit);
// The same as sentences for the desktop to translate (lookup_sentences.h).
std::vector<Sentence> PlaceLookupStatusSentences(std::string_view city, std::string_view state,
                                                 std::string_view country, const PlaceLookupResult& result,
                                                 std::size_t limit = PlaceLookupLimit);

// "No place is named "Chicgo" or has a name beginning with it.", followed by
// the names offered instead, if any: "Did you mean "Chicago"?", "... "Chicago"
// or "Chico"?", "... "Chicago", "Chico" or "Chino"?".
std::string NothingFoundText(std::string_view city, const std::vector<std::string>& suggestions);
std::vector<Sentence> NothingFoundSentences(std::string_view city, const std::vector<std::string>& suggestions);

// True when `query` holds no name to look up: nothing but spaces and
// punctuation before its first comma.
bool HoldsNoName(std::string_view query);

// Why a search narrowed by `state` and `country` as typed (either may be
// blank) finds nothing whatever the name: "No country named Unitd States.
// Did you mean "United States"?" for a country that names none; "No state or
// region named Mass. Did you mean "Massachusetts"?", or "No state or region
// named Bavaria in US", for a state that names no region (of that country
// when one is given), with the nearest names (Atlas::SuggestCountries and
// SuggestRegions). Nothing when each is blank or names one.
std::optional<std::string> UnknownStateOrCountry(const places::Atlas& atlas, std::string_view state,
                                                 std::string_view country);

// "No place named Springfield in Tyrol, Austria": nothing of that name in the
// state and country as typed (either may be blank, and is then left out).
std::string NoPlaceNamedText(std::string_view name, std::string_view state, std::string_view country);

// The line over the look-up's boxes: "Offsets at the birth date and time on
// the form: August 15, 1975, 14:30." While the birth date is still the form's
// start value, 1 January 1901, it says that the offsets are for that date.
std::string OffsetsDateText(const AstroPartnerEntries& entries);
std::vector<Sentence> OffsetsDateSentences(const AstroPartnerEntries& entries);

// The birth date and time the partner's pick lists show, on the local clock.
places::LocalDateTime LocalBirthTime(const AstroPartnerEntries& entries);
// The same as the window writes it: "August 15, 1975, 14:30".
std::string LocalBirthTimeText(const AstroPartnerEntries& entries);

// One row of the list of places.
struct PlaceRowTexts {
  std::string name, state, country;  // state empty where the atlas has no name for it
  std::string latitude, longitude;   // as the boxes take them: "28N38", "77E13"
  std::string timeZone;              // "Asia/Kolkata"
  std::string offset;                // "UTC+05:30 IST"; "unknown" without an offset
  std::string daylightSaving;        // "yes" or "no"; empty without an offset
  std::string clockChange;           // "skipped local time", "repeated local time" or empty
};
PlaceRowTexts PlaceRow(const places::PlaceEntries& entries);

// What Fill In will put in the zone list and the Daylight Saving Time box, or
// why it leaves them as they are, for the birth time `birth`; with a sentence
// on a skipped or repeated local time.
std::string ZoneSuggestionText(const places::PlaceEntries& entries, const places::LocalDateTime& birth);
std::vector<Sentence> ZoneSuggestionSentences(const places::PlaceEntries& entries,
                                              const places::LocalDateTime& birth);

}  // namespace zentara
