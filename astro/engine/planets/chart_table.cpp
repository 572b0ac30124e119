#include "astro/engine/planets/chart_table.h"

#include "astro/engine/planets/calendar.h"
#include "astro/engine/planets/lunar_nodes.h"
#include "astro/engine/planets/planet_elements.h"
#include "astro/engine/planets/planet_longitude.h"
#include "astro/engine/planets/precession.h"
#include "astro/engine/planets/zodiac_text.h"

namespace zentara::modPlanetPosition_Western {

namespace {

// One pair of tables for each thread: the desktop's one thread sees the two
// process-wide tables it always had, and threads computing charts side by side
// (zentara-cli match --batch --jobs) never write each other's.
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
  return DayNumberJ2000(birth.Year, birth.Month, birth.Day, 0, 0) + birthUniversalTime / 24;
}

const ChartPositions& CalculateChart(const BirthMoment& birth, const ChartAngles& angles,
                                     std::string_view moonPositionText, bool isMale, Equinox equinox) {
  const double d = ChartDayNumber(birth, angles.BirthUniversalTime);
  const double rahu = NorthNodeLongitude(d);
  const double ketu = SouthNodeLongitude(rahu);

  ChartPositions& chart = isMale ? maleChart : femaleChart;
  for (const PlanetSlot& planet : PlanetSlots) {
    double longitude = PlanetLongitude(planet.Body, d);
    if (equinox == Equinox::OfDate) longitude = PrecessToDate(longitude, d);
    chart[planet.Slot] = FormatSlotText(FormatZodiacPosition(longitude));
  }
  chart[MoonSlot] = FormatSlotText(moonPositionText);
  chart[NorthNodeSlot] = FormatSlotText(FormatZodiacPosition(rahu));
  chart[SouthNodeSlot] = FormatSlotText(FormatZodiacPosition(ketu));
  chart[AscendantSlot] = FormatSlotText(angles.AscendantText);
  chart[MidheavenSlot] = FormatSlotText(angles.MidheavenText);
  return chart;
}

const ChartPositions& MaleChartPositions() { return maleChart; }
const ChartPositions& FemaleChartPositions() { return femaleChart; }

}  // namespace zentara::modPlanetPosition_Western
