// A whole chart at any instant, as longitudes: the one path every chart takes,
// a partner's birth, the Davison chart of a couple and the batch alike. The
// slot texts are these longitudes cut to the minute (FillSlotTexts).
#pragma once
#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_instant.h"
#include "astro/engine/chart_options.h"
#include "astro/engine/houses/chart_houses.h"

namespace zentara {

struct ChartLongitudes {
  // Degrees, 0 to 360, in slot order: what the slot texts are cut from.
  SlotLongitudes Longitudes{};
  // What the chart's houses are cast from: its sky and the angles it shows.
  ChartHouseBasis Houses;
};

// With the equinox of J2000 (the default), the angles of CalculateAngles, the
// Sun to Pluto and the node of the planetary engine and the Moon of the lunar
// engine; of date, every point true to the sky (sky/sky_positions.h), the
// ascendant the point rising in the east. The node is the one chosen.
ChartLongitudes CalculateChartLongitudes(const ChartInstant& instant, const ChartOptions& options);

}  // namespace zentara
