#include "astro/engine/planets/chart_table.h"

#include "astro/engine/birth_coordinates.h"
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
  return DayNumberJ2000(birth.Year, birth.Month, birth.Day, 0, 0) + birthUniversalTime / 24;
}

const ChartPositions& CalculateChart(const BirthMoment& birth, const ChartAngles& angles,
                                     std::string_view moonPositionText, bool isMale, LunarNode node) {
  const double d = ChartDayNumber(birth, angles.BirthUniversalTime);
  double rahu = NorthNodeLongitude(d), ketu = 0;
  if (node == LunarNode::True) {
    rahu = sky::TrueNodeOfDate(sky::MomentOfBirth(birth, angles.BirthUniversalTime).julianDayUt);
    ketu = rahu < 180 ? rahu + 180 : rahu - 180;
  } else {
    ketu = SouthNodeLongitude(rahu);
  }

  ChartPositions& chart = isMale ? maleChart : femaleChart;
  for (const PlanetSlot& planet : PlanetSlots) {
    chart[planet.Slot] = FormatSlotText(FormatZodiacPosition(PlanetLongitude(planet.Body, d)));
  }
  chart[MoonSlot] = FormatSlotText(moonPositionText);
  chart[NorthNodeSlot] = FormatSlotText(FormatZodiacPosition(rahu));
  chart[SouthNodeSlot] = FormatSlotText(FormatZodiacPosition(ketu));
  chart[AscendantSlot] = FormatSlotText(angles.AscendantText);
  chart[MidheavenSlot] = FormatSlotText(angles.MidheavenText);
  return chart;
}

const ChartPositions& CalculateChartOfDate(const BirthMoment& birth, double birthUniversalTime, bool isMale,
                                           LunarNode node, ChartHouseBasis* houses) {
  const sky::SkyMoment moment = sky::MomentOfBirth(birth, birthUniversalTime);
  const sky::SkyChart sky = sky::ComputeSkyChart(moment, node);
  ChartPositions& chart = isMale ? maleChart : femaleChart;
  for (std::size_t slot = 0; slot < FilledChartSlotCount; ++slot) {
    chart[slot] = FormatSlotText(FormatZodiacPosition(sky.longitudes[slot]));
  }
  if (houses != nullptr) {
    *houses = {{sky.localSiderealTime, sky.trueObliquity, moment.latitude},
               {sky.longitudes[AscendantSlot], sky.longitudes[MidheavenSlot]}};
  }
  return chart;
}

ChartHouseBasis HouseBasisOf(const BirthMoment& birth, const ChartAngles& angles) {
  return {{angles.SiderealTime, angles.Obliquity, SignedLatitude(birth)},
          {NormalizeDegrees(angles.Ascendant), NormalizeDegrees(angles.Midheaven)}};
}

const ChartPositions& MaleChartPositions() { return maleChart; }
const ChartPositions& FemaleChartPositions() { return femaleChart; }

}  // namespace zentara::modPlanetPosition_Western
