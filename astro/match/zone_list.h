// The fixed list of 71 named time zones offered for a birth.
//
// A row's display text names the zone, its abbreviation and its offset from
// Greenwich with a sign; the sign is for the user only. The engines take the
// direction of the offset from the birthplace's side of Greenwich, so a row
// gives them only the size of its offset, in whole hours and minutes (0 or 30).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentara {

inline constexpr std::size_t TimeZoneRowCount = 71;   // rows 0 to 70 are listed
inline constexpr std::size_t TimeZoneSlotCount = 72;  // slot 71 stays empty

// Three parallel arrays indexed by row number; a zone list's selected position
// is the row number.
struct TimeZoneTable {
  std::array<std::string_view, TimeZoneSlotCount> TimeZoneNames{};
  std::array<std::int16_t, TimeZoneSlotCount> TimeZoneHours{};
  std::array<std::int16_t, TimeZoneSlotCount> TimeZoneMinutes{};
};

// The list, in its fixed order (by name, "USSR Zone 10" before "USSR Zone 3"):
// one table, made when the program is compiled.
const TimeZoneTable& LoadTimeZoneTable();

}  // namespace zentara
