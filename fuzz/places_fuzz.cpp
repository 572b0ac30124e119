// The atlas and the time-zone rules on any query. The first byte is the
// search's limit (its value modulo 21; 0 for every match); then one a line: a
// place name (with any parts after commas), a region, a country, an IANA zone name (empty: the first match's
// zone), numbers for a local date and time and an offset in seconds
// ("1975 8 15 14 30 19800"), then two abbreviations, one a line, that with the
// offset make a zone offset to suggest a zone row for.
// The real atlas is opened from the build tree once (bin/../share/zentara).
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "astro/match/zone_list.h"
#include "astro/places/atlas.h"
#include "astro/places/atlas_location.h"
#include "astro/places/fold_text.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "cli/birth_options.h"
#include "fuzz/fuzz_support.h"

using namespace zentara;
using namespace zentara::places;
using namespace zentara::fuzz;

namespace {

const Atlas* TheAtlas() {
  static const Atlas* atlas = [] {
    const LoadedAtlas& loaded = SharedAtlas();
    if (!loaded.atlas) {
      std::fprintf(stderr, "the atlas cannot be loaded from %s: %s\n", AtlasPath().c_str(), loaded.error.c_str());
      std::exit(2);
    }
    return loaded.atlas.get();
  }();
  return atlas;
}

const TzdbTimeZoneRules& Rules() {
  static const TzdbTimeZoneRules rules;
  return rules;
}

// Whitespace-separated whole numbers; those missing or unreadable are 0.
std::vector<int> Numbers(std::string_view text, std::size_t count) {
  std::vector<int> numbers(count, 0);
  for (int& number : numbers) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc()) number = 0;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    const std::size_t next = text.find(' ');
    text.remove_prefix(next == text.npos ? text.size() : next);
  }
  return numbers;
}

// "+05:30", "-04:00", "+05:21:10": a sign, hours (two digits or more),
// minutes and seconds where there are any, which read back as the offset.
void CheckOffsetText(int seconds) {
  const std::string text = UtcOffsetText(seconds);
  const std::string about = std::to_string(seconds) + " -> " + text;
  const std::size_t hoursEnd = text.find(':');
  Require(text.size() >= 6 && (text[0] == '+' || text[0] == '-') && hoursEnd != std::string::npos &&
              hoursEnd >= 3,
          "an offset text is a sign, hours and minutes", about);
  long long value = 0;
  std::size_t fields = 0;
  for (std::size_t at = 1; at <= text.size(); ++fields) {
    const std::size_t end = std::min(text.find(':', at), text.size());
    const std::string_view digits = std::string_view(text).substr(at, end - at);
    Require(digits.size() >= 2 && digits.find_first_not_of("0123456789") == std::string_view::npos &&
                (fields == 0 || digits.size() == 2),
            "each field of an offset text is digits", about);
    value = value * 60 + std::stoll(std::string(digits));
    at = end + 1;
  }
  if (fields == 2) value *= 60;
  Require(fields <= 3 && (text[0] == '-' ? -value : value) == seconds, "an offset text reads back", about);
}

void CheckSearch(const Atlas& atlas, const PlaceQuery& query, const std::vector<PlaceMatch>& matches) {
  const std::string about = query.name + " / " + query.region + " / " + query.country;
  Require(query.limit == 0 || matches.size() <= query.limit, "no more matches than the limit", about);
  Require(FoldForSearch(query.country).empty() || atlas.IsCountry(query.country) || matches.empty(),
          "a country that is none lets no place through", about);
  Require(FoldForSearch(query.region).empty() || atlas.IsRegion(query.region, query.country) || matches.empty(),
          "a region that is none, or none of the country, lets no place through", about);
  std::vector<bool> seen(atlas.PlaceCount(), false);
  for (std::size_t i = 0; i < matches.size(); ++i) {
    Require(matches[i].place < atlas.PlaceCount() && !seen[matches[i].place], "each match a place, once", about);
    seen[matches[i].place] = true;
    const Place place = atlas.PlaceAt(matches[i].place);
    if (i == 0) continue;
    const PlaceMatch& before = matches[i - 1];
    const Place previous = atlas.PlaceAt(before.place);
    Require(before.kind == matches[i].kind ? previous.population >= place.population
                                           : before.kind == MatchKind::WholeName,
            "whole names first, then the most populous", about);
  }
}

// The coordinates the place command prints are ones the chart command reads back.
void CheckFormCoordinates(const Place& place) {
  const FormCoordinates form = ToFormCoordinates(place.latitude, place.longitude);
  const std::string latitude = LatitudeText(form.latitude);
  const std::string longitude = LongitudeText(form.longitude);
  cli::CoordinateBoxes boxes;
  Require(form.latitude.minutes >= 0 && form.latitude.minutes < 60 && form.longitude.minutes >= 0 &&
              form.longitude.minutes < 60 && form.latitude.degrees <= 90 && form.longitude.degrees <= 180,
          "coordinates in degrees and minutes", latitude + " " + longitude);
  Require(!cli::ReadLatitude(latitude, boxes) && !cli::ReadLongitude(longitude, boxes),
          "chart takes the coordinates place gives", latitude + " " + longitude);
}

void CheckZoneEntry(const ZoneOffset& offset, bool east) {
  const auto entry = SuggestZoneEntry(offset, east);
  if (!entry) return;
  const TimeZoneTable& zones = LoadTimeZoneTable();
  Require(entry->zoneRow < TimeZoneRowCount, "a suggestion is a row of the list");
  const int rowMinutes = zones.TimeZoneHours[entry->zoneRow] * 60 + zones.TimeZoneMinutes[entry->zoneRow];
  const int clockMinutes = (east ? rowMinutes : -rowMinutes) + (entry->daylightSaving ? 60 : 0);
  Require(clockMinutes * 60 == offset.utcOffsetSeconds, "the suggested row and box give the offset",
          UtcOffsetText(offset.utcOffsetSeconds) + " from row " + std::to_string(entry->zoneRow));
}

void CheckOffset(std::string_view zone, const LocalDateTime& local) {
  const auto offset = Rules().OffsetAt(zone, local);
  if (!offset) return;
  const std::string about = std::string(zone) + " " + std::to_string(local.year) + "-" + std::to_string(local.month) +
                            "-" + std::to_string(local.day) + " " + std::to_string(local.hour) + ":" +
                            std::to_string(local.minute);
  Require(IsValidLocalDateTime(local), "an offset only for a real date and time", about);
  Require(std::abs(offset->utcOffsetSeconds) <= 18 * 3600 && !offset->abbreviation.empty(),
          "an offset within a day's clocks, with its abbreviation", about);
  for (const bool east : {false, true}) CheckZoneEntry(*offset, east);

  // Before the first listed change the zone's first period stands, and past the
  // last its closing rule repeats with the Gregorian calendar every 400 years:
  // a far year has the offset of its year in 400..799 or in 2400..2799.
  if (local.year < 800 || local.year >= 2800) {
    LocalDateTime near = local;
    near.year = local.year < 800 ? 400 + ((local.year % 400) + 400) % 400 : 2400 + (local.year - 2400) % 400;
    const auto expected = Rules().OffsetAt(zone, near);
    Require(expected && expected->utcOffsetSeconds == offset->utcOffsetSeconds &&
                expected->abbreviation == offset->abbreviation && expected->clockChange == offset->clockChange,
            "a far year keeps the calendar's 400-year cycle", about + " against " + std::to_string(near.year));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  TheAtlas();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = AsText(data, size);
  const std::size_t limit = TakeByte(input) % 21;
  const auto fields = SplitFields<6>(input);
  const Atlas& atlas = *TheAtlas();

  const std::string folded = FoldForSearch(fields[0]);
  Require(FoldForSearch(folded) == folded, "folding a folded text changes nothing", fields[0]);
  const PlaceQuery query{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), limit};
  const std::vector<PlaceMatch> matches = atlas.Search(query);
  CheckSearch(atlas, query, matches);
  for (const std::vector<std::string>& suggestions :
       {atlas.SuggestNames(query, 3), atlas.SuggestRegions(query.region, query.country, 3),
        atlas.SuggestCountries(query.country, 3)}) {
    Require(suggestions.size() <= 3 && std::set<std::string>(suggestions.begin(), suggestions.end()).size() ==
                                           suggestions.size(),
            "at most the names asked for, each once", query.name);
  }
  for (std::size_t i = 0; i < matches.size() && i < 3; ++i) CheckFormCoordinates(atlas.PlaceAt(matches[i].place));

  const std::vector<int> numbers = Numbers(fields[4], 6);
  const LocalDateTime local{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
  const std::string_view zone =
      fields[3].empty() && !matches.empty() ? atlas.PlaceAt(matches.front().place).timeZone : fields[3];
  CheckOffset(zone, local);

  // A suggestion for any offset and abbreviations, as the rules might give them.
  const auto abbreviations = SplitFields<2>(fields[5]);
  ZoneOffset offset;
  CheckOffsetText(numbers[5]);
  offset.utcOffsetSeconds = numbers[5];
  offset.daylightSaving = numbers[5] % 2 != 0;
  offset.abbreviation = abbreviations[0];
  offset.standardAbbreviation = abbreviations[1];
  for (const bool east : {false, true}) CheckZoneEntry(offset, east);
  return 0;
}
