// A place's coordinates and offset as the astro entry form takes them: degree
// and minute boxes with their direction options, a zone row and the Daylight
// Saving Time box.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "astro/places/atlas.h"
#include "astro/places/zone_offsets.h"

namespace zentara::places {

// One coordinate as the boxes hold it.
struct FormAngle {
  int degrees = 0;
  int minutes = 0;             // 0 to 59
  bool secondOption = false;   // South for a latitude, West for a longitude
};

struct FormCoordinates {
  FormAngle latitude;   // North (option 0) or South (option 1)
  FormAngle longitude;  // East (option 0) or West (option 1)
};

// Signed degrees (north and east positive) rounded to the nearest minute,
// halves away from zero, with the direction of the coordinate's sign (0 is
// North or East). The degrees are first taken to five decimals, the atlas's
// precision, so the rounding is exact.
FormCoordinates ToFormCoordinates(double latitude, double longitude);

// "28N38", "77E13", "0W07": degrees, the direction letter, two-digit minutes;
// the form zentara-cli chart takes --lat and --lon in.
std::string LatitudeText(const FormAngle& latitude);
std::string LongitudeText(const FormAngle& longitude);

// Whether the engines treat the longitude boxes as east of Greenwich: "East"
// chosen and not exactly 0 degrees 0 minutes (which counts as west).
bool EnginesReadEast(const FormAngle& longitude);

struct FormZoneEntry {
  std::size_t zoneRow = 0;      // row of the time-zone list, 0 to 70
  bool daylightSaving = false;  // the Daylight Saving Time box
};

// The zone row and box with which the engines reproduce `offset` exactly. For
// a place the engines read as east of Greenwich the clock offset is
// +(row + 1 hour with the box); otherwise it is -row + 1 hour with the box.
// Of the entries that give it: the box that matches whether daylight saving
// was in force, if any entry has it. Then, since a user reads the row's label,
// a row whose written offset has the sign of the true offset ("+8.0" for
// Manila, not Pacific Standard Time's "-8.0" though both are "PST"; "0.0" for
// an offset of zero), and among those the row whose abbreviation (the second
// field of its display text) is the offset's, then the one whose abbreviation
// is the zone's standard-time abbreviation (Sydney's summer gives "AEST" and
// the box), then the first that names a standard time (no "Daylight",
// "Summer" or "War": the box adds the saving), then the first. Where no row
// has that sign (a western place ahead of Greenwich gets a "0.0" row and the
// box): the offset's abbreviation, the standard-time abbreviation, the first
// row written with the sign of the place's side of Greenwich, the first row.
// Nothing when no row and box give the offset (Kathmandu's +05:45; a western
// place whose clock is two hours ahead).
std::optional<FormZoneEntry> SuggestZoneEntry(const ZoneOffset& offset, bool engineEast);

// A place with what the form takes from it for a birth at `local` on the
// place's clocks: its coordinates, the offset then in force (nothing for a zone
// the database lacks or a date or time not on the calendar or the clock) and
// the zone row and box that give that offset (nothing where none does).
// The place's name, region and country as the form's City, State and Country
// boxes take them (FormLetters: "São Paulo" -> "Sao Paulo", "St. Louis" ->
// "St Louis"); the region is its English name as the atlas lists it, empty for
// a place without one, as is a name with no letter the boxes take.
struct FormPlaceNames {
  std::string city, state, country;
};
FormPlaceNames PlaceNamesForForm(const Place& place);

struct PlaceEntries {
  Place place;
  FormCoordinates coordinates;
  std::optional<ZoneOffset> offset;
  std::optional<FormZoneEntry> zone;
};
PlaceEntries EntriesForPlace(const Place& place, const TimeZoneRules& rules, const LocalDateTime& local);

}  // namespace zentara::places
