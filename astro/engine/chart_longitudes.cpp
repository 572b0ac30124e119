#include "astro/engine/chart_longitudes.h"

#include "astro/engine/moon/moon_position.h"
#include "astro/engine/planets/angles.h"
#include "astro/engine/planets/chart_angles.h"
#include "astro/engine/planets/chart_table.h"
#include "astro/engine/sky/sky_positions.h"

namespace zentara {

ChartLongitudes CalculateChartLongitudes(const ChartInstant& instant, const ChartOptions& options) {
  namespace planets = modPlanetPosition_Western;
  ChartLongitudes chart;
  SlotLongitudes& at = chart.Longitudes;
  if (options.PositionsEquinox == Equinox::OfDate) {
    const sky::SkyMoment moment{sky::JulianDayUt(instant.Year, instant.Month, instant.Day, instant.UniversalHours),
                                instant.Latitude, instant.Longitude};
    const sky::SkyChart sky = sky::ComputeSkyChart(moment, options.Node);
    at = sky.longitudes;
    chart.Houses = {{sky.localSiderealTime, sky.trueObliquity, instant.Latitude},
                    {at[AscendantSlot], at[MidheavenSlot]}};
    return chart;
  }
  const planets::ChartAngles angles = planets::CalculateAngleLongitudes(instant);
  planets::DefaultBodyLongitudes(instant, options.Node, at);
  at[MoonSlot] = modEphemeris_Western::MoonLongitude(instant);
  at[AscendantSlot] = planets::NormalizeDegrees(angles.Ascendant);
  at[MidheavenSlot] = planets::NormalizeDegrees(angles.Midheaven);
  chart.Houses = {{angles.SiderealTime, angles.Obliquity, instant.Latitude}, {at[AscendantSlot], at[MidheavenSlot]}};
  return chart;
}

}  // namespace zentara
