// Delta T, terrestrial time less universal time: how far the Earth's turning
// clock (universal time, which birth times are written in) runs behind the
// uniform clock the theories of the Sun, the Moon and the planets run on.
#pragma once

namespace zentara::sky {

// Delta T in seconds at a decimal year:
//  - to 2005, from F. Espenak and J. Meeus's polynomial expressions for the
//    Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141, 2006;
//    "Polynomial Expressions for Delta T", eclipse.gsfc.nasa.gov), the pieces
//    from 1860 on;
//  - from 2005 to 2024, the values measured at the start of each year, as the
//    IERS Rapid Service/Prediction Center (US Naval Observatory) publishes
//    them ("Monthly determinations of Delta T"), read between years along a
//    straight line (the polynomials, made in 2006, run 5 s ahead of them by
//    2025);
//  - after 2024, where nothing is measured yet, on from the last value at
//    0.223 s a year, the average rate of 2000 to 2024.
double DeltaTSeconds(double decimalYear);

// The decimal year of a Julian day (in any time scale), as the expressions
// above take it.
double DecimalYear(double julianDay);

}  // namespace zentara::sky
