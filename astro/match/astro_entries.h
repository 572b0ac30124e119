// The astro entry form's entries for both partners as plain data, and the checks
// they must pass before a match is calculated.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "astro/match/astro_date_check.h"

namespace zentara {

// The form's pick lists: days "1".."31", months "January".."December", years
// AstroFirstYear..AstroLastYear, hours "0".."23" and minutes "0".."59".
inline constexpr int AstroFirstYear = 1901;
inline constexpr int AstroLastYear = 2050;

// The hemisphere choices; a partner may, in principle, have neither selected.
enum class NorthSouth { Neither, North, South };
enum class EastWest { Neither, East, West };

// One partner's entries exactly as the form's controls hold them: the texts as
// typed and, for each pick list, the position of the chosen item (0 = first).
struct AstroPartnerEntries {
  std::string Name;
  int DayPosition = 0;
  int MonthPosition = 0;
  int YearPosition = 0;
  int HourPosition = 0;
  int MinutePosition = 0;
  int ZoneRow = 0;  // row of the time-zone list (zone_list.h)
  bool DaylightSaving = false;
  std::string LatitudeDegrees, LatitudeMinutes;  // one to three digits each
  NorthSouth LatitudeDirection = NorthSouth::North;
  std::string LongitudeDegrees, LongitudeMinutes;
  EastWest LongitudeDirection = EastWest::East;
  std::string City, State, Country;
};

struct AstroEntries {
  AstroPartnerEntries Male, Female;
};

// The entries a failed check puts the keyboard focus on.
enum class AstroField {
  Name, LatitudeDegrees, LatitudeMinutes, LongitudeDegrees, LongitudeMinutes, City, State, Country,
};

enum class CheckIcon { Critical, Information };

// The direction a check selects after its message.
enum class DirectionDefault { North, East };

struct AstroCheckFailure {
  std::string_view Message;
  CheckIcon Icon = CheckIcon::Critical;
  Partner Of = Partner::Male;               // whose entry failed
  std::optional<AstroField> Focus;          // nothing: the focus stays
  std::optional<DirectionDefault> Select;   // nothing: no direction is set
};

// The checks in their fixed order; the first that fails, or nothing when all pass.
//   For the male and then the female partner: the name, the latitude degrees
//   and minutes, the longitude degrees and minutes, city, state and country
//   must not be empty (nothing is trimmed: a space is not empty), and each
//   coordinate needs a direction. Then the male date and the female date
//   (astro_date_check.h). Missing entries have the critical icon and move the
//   focus; a missing direction is selected (North, East); impossible dates have
//   the information icon and move nothing. The numbers get no range check.
std::optional<AstroCheckFailure> CheckAstroEntries(const AstroEntries& entries);

// The birth date picked: Month = month position + 1, Day = day position + 1,
// Year = AstroFirstYear + year position. The other fields keep their defaults.
BirthMoment BirthDateOfEntries(const AstroPartnerEntries& entries);

// The latitude/longitude look-up's checks of one partner's place: city, state,
// then country must not be empty.
std::optional<AstroCheckFailure> CheckPlaceEntries(const AstroPartnerEntries& entries, Partner partner);

// The web search text of a partner's place: city, state and country as typed,
// separated by spaces, then " Latitude Longitude".
std::string PlaceSearchText(const AstroPartnerEntries& entries);

}  // namespace zentara
