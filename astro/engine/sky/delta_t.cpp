#include "astro/engine/sky/delta_t.h"

#include <cmath>
#include <iterator>

namespace zentara::sky {

namespace {

// Delta T at the start of each year from 2005 to 2024, seconds (IERS Rapid
// Service/Prediction Center, deltat.data: TT - UT1).
constexpr int FirstMeasuredYear = 2005;
constexpr double Measured[] = {
    64.69, 64.85, 65.15, 65.46, 65.78,  // 2005 to 2009
    66.07, 66.32, 66.60, 66.91, 67.28,  // 2010 to 2014
    67.64, 68.10, 68.59, 68.97, 69.22,  // 2015 to 2019
    69.36, 69.36, 69.29, 69.20, 69.18,  // 2020 to 2024
};
constexpr int LastMeasuredYear = FirstMeasuredYear + static_cast<int>(std::size(Measured)) - 1;
// Seconds a year after the last measured year: (69.18 - 63.83) / 24, the
// average over 2000 to 2024.
constexpr double RateAfterMeasured = 0.223;

}  // namespace

double DeltaTSeconds(double y) {
  if (y >= LastMeasuredYear) return Measured[std::size(Measured) - 1] + RateAfterMeasured * (y - LastMeasuredYear);
  if (y >= FirstMeasuredYear) {
    const double at = y - FirstMeasuredYear;
    const auto year = static_cast<std::size_t>(std::floor(at));
    return Measured[year] + (Measured[year + 1] - Measured[year]) * (at - static_cast<double>(year));
  }
  // Each piece as the source writes it, in t years from its own origin.
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t +
           t * t * t * t * t / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  const double t = y - 2000;
  return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
         0.00002373599 * t * t * t * t * t;
}

double DecimalYear(double julianDay) {
  // Julian years of 365.25 days from J2000.0 (2000 January 1.5), which is
  // year 2000.0 within a day: the expressions change by under 0.003 s a day.
  return 2000.0 + (julianDay - 2451545.0) / 365.25;
}

}  // namespace zentara::sky
