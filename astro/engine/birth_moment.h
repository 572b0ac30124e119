// The records the astronomy engines share: one partner's birth as the astro
// driver hands it over, and one partner's finished chart.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zentara {

// One partner's birth data. The numbers are whole numbers as typed or picked on
// the entry form; the offsets, longitude and latitude carry no sign of their
// own: the three flags give their directions.
struct BirthMoment {
  std::int16_t Month = 1;  // 1 to 12
  std::int16_t Day = 1;    // 1 to 31
  std::int16_t Year = 1901;  // 1901 to 2050
  std::int16_t Hour = 0;     // local clock time, 0 to 23
  std::int16_t Minute = 0;   // 0 to 59
  std::int16_t ZoneHours = 0;    // size of the zone's offset from Greenwich
  std::int16_t ZoneMinutes = 0;  // 0 or 30
  bool DaylightSaving = false;   // the clock time is daylight-saving time
  std::int16_t LongitudeDegrees = 0;
  std::int16_t LongitudeMinutes = 0;
  bool EastOfGreenwich = false;
  std::int16_t LatitudeDegrees = 0;
  std::int16_t LatitudeMinutes = 0;
  bool SouthOfEquator = false;
};

// One partner's chart: slot texts such as "05 Leo 07" (two-digit degrees within
// the sign, the sign key, two-digit arc-minutes). Slots 0 to 13 are written by
// the chart assembly; slot 14 exists but is never written.
inline constexpr std::size_t ChartSlotCount = 15;
inline constexpr std::size_t FilledChartSlotCount = 14;
using ChartPositions = std::array<std::string, ChartSlotCount>;

// A chart's fourteen points as longitudes in degrees, in slot order, before
// they are cut to the minute of their slot texts.
using SlotLongitudes = std::array<double, FilledChartSlotCount>;

// The slots, in the report's row order.
enum ChartSlot : std::size_t {
  SunSlot = 0,
  MoonSlot = 1,
  MercurySlot = 2,
  VenusSlot = 3,
  MarsSlot = 4,
  JupiterSlot = 5,
  SaturnSlot = 6,
  UranusSlot = 7,
  NeptuneSlot = 8,
  PlutoSlot = 9,
  NorthNodeSlot = 10,  // Rahu
  SouthNodeSlot = 11,  // Ketu
  AscendantSlot = 12,
  MidheavenSlot = 13,
};

}  // namespace zentara
