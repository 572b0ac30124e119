// The lunar engine: the Moon's geocentric tropical longitude at a birth, from
// the mean lunar elements (linear in time) and the 25 largest periodic terms of
// the longitude series. Low precision; no latitude, distance or parallax.
#pragma once
#include <string>

#include "astro/engine/birth_moment.h"
#include "astro/engine/chart_instant.h"

namespace zentara::modEphemeris_Western {

// Julian centuries from 2000 January 1.5 to the birth's universal time, counted
// from the local date's day number at noon.
double CenturiesSince2000(const BirthMoment& birth);

// The Moon's longitude in degrees, measured from the mean equinox of date and
// reduced to 0 to 360 (exactly 360 stays 360). The latitude fields of the birth
// are not used.
double MoonLongitude(const BirthMoment& birth);
// The same at any instant (its date's day number and universal hours).
double MoonLongitude(const ChartInstant& instant);

// The Moon's zodiac position text (FormatZodiacPosition of MoonLongitude) for
// the birth; the chart assembly puts it into the Moon's slot.
std::string CalculateMoonPosition(const BirthMoment& birth);

}  // namespace zentara::modEphemeris_Western
