#include "astro/engine/planets/chart_table.h"

#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/lunar_nodes.h"
#include "astro/engine/planets/planet_elements.h"
#include "astro/engine/planets/planet_longitude.h"
#include "astro/engine/planets/zodiac_text.h"
#include "astro/engine/sky/sky_positions.h"

namespace zentara::modPlanetPosition_Western {

namespace {

// One pair of tables for each thread: the desktop, on its one thread, sees one
// male and one female table for the whole process, and threads computing
// charts side by side (zentara-cli match --batch --jobs) never write each
// other's.
thread_local ChartPositions maleChart;
thread_local ChartPositions femaleChart;

// The body of the element table shown in each planet slot.
struct PlanetSlot {
  ChartSlot Slot;
  PlanetBody Body;
};

constexpr PlanetSlot PlanetSlots[] = {
    {SunSlot, Earth},       {MercurySlot, Mercury}, {VenusSlot, Venus},
    {MarsSlot, Mars},       {JupiterSlot, Jupiter}, {SaturnSlot, Saturn},
    {UranusSlot, Uranus},   {NeptuneSlot, Neptune}, {PlutoSlot, Pluto},
};

}  // namespace

double ChartDayNumber(const BirthMoment& birth, double birthUniversalTime) {
  ChartInstant instant = InstantOfBirth(birth);
  instant.UniversalHours = birthUniversalTime;
  return ChartDayNumber(instant);
}

double ChartDayNumber(const ChartInstant& instant) {
  return DayNumberJ2000(instant.Year, instant.Month, instant.Day, 0, 0) + instant.UniversalHours / 24;
}

void DefaultBodyLongitudes(const ChartInstant& instant, LunarNode node, SlotLongitudes& at) {
  const double d = ChartDayNumber(instant);
  double rahu = NorthNodeLongitude(d), ketu = 0;
  if (node == LunarNode::True) {
    rahu = sky::TrueNodeOfDate(sky::JulianDayUt(instant.Year, instant.Month, instant.Day, instant.UniversalHours));
    ketu = rahu < 180 ? rahu + 180 : rahu - 180;
  } else {
    ketu = SouthNodeLongitude(rahu);
  }
  for (const PlanetSlot& planet : PlanetSlots) at[planet.Slot] = PlanetLongitude(planet.Body, d);
  at[NorthNodeSlot] = rahu;
  at[SouthNodeSlot] = ketu;
}

void FillSlotTexts(const SlotLongitudes& longitudes, ChartPositions& chart) {
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    const double longitude = longitudes[slot];
    std::string& text = chart[slot];
    if (longitude >= 0 && longitude < 360) {
      // The same text as below, written in place (zodiac_text.h; the tests
      // hold the two alike over the whole circle).
      text.resize(SlotTextBytes);
      text.resize(static_cast<std::size_t>(WriteSlotTextOfLongitude(text.data(), longitude) - text.data()));
    } else {
      text = FormatSlotText(FormatZodiacPosition(longitude));  // the Moon's 360 stays 360, as it always has
    }
  }
}

const ChartPositions& WriteChartTable(const SlotLongitudes& longitudes, bool isMale) {
  ChartPositions& chart = isMale ? maleChart : femaleChart;
  FillSlotTexts(longitudes, chart);
  return chart;
}

const ChartPositions& CalculateChart(const BirthMoment& birth, const ChartAngles& angles,
                                     std::string_view moonPositionText, bool isMale, LunarNode node) {
  ChartInstant instant = InstantOfBirth(birth);
  instant.UniversalHours = angles.BirthUniversalTime;
  SlotLongitudes at{};
  DefaultBodyLongitudes(instant, node, at);
  ChartPositions& chart = isMale ? maleChart : femaleChart;
  for (const std::size_t slot : {SunSlot, MercurySlot, VenusSlot, MarsSlot, JupiterSlot, SaturnSlot, UranusSlot,
                                 NeptuneSlot, PlutoSlot, NorthNodeSlot, SouthNodeSlot}) {
    chart[slot] = FormatSlotText(FormatZodiacPosition(at[slot]));
  }
  chart[MoonSlot] = FormatSlotText(moonPositionText);
  chart[AscendantSlot] = FormatSlotText(angles.AscendantText);
  chart[MidheavenSlot] = FormatSlotText(angles.MidheavenText);
  return chart;
}

const ChartPositions& MaleChartPositions() { return maleChart; }
const ChartPositions& FemaleChartPositions() { return femaleChart; }

}  // namespace zentara::modPlanetPosition_Western
