// The planetary engine's angle constants and its angle routines.
//
// The constants are written out to the digit as the engine's definition gives
// them: the printed positions depend on these truncated values (a more precise
// pi moves some minutes), so they stay exactly as they are.
#pragma once

namespace zentara::modPlanetPosition_Western {

inline constexpr double Pi = 3.14159265358979;
// Used only to turn the mean lunar node from radians back into degrees.
inline constexpr double ShortPi = 3.1416;
inline constexpr double FullTurn = 6.28318530717958;
inline constexpr double DegToRad = 0.0174532925199433;
// Used for the ascendant and the midheaven; the planets use 180 / Pi.
inline constexpr double RadToDeg = 57.2957795130823;

// The engine's own two-argument arctangent, in radians from -Pi to Pi. Unlike
// atan2 it gives 0, not Pi, for y = 0 with x < 0, and 0 for y = x = 0.
double QuadrantArcTangent(double y, double x);

// One correction each way: below 0 gains 360, then above 360 loses 360.
// 360 itself stays 360, and an angle more than a turn out stays out.
double NormalizeDegrees(double degrees);

// The same angle in radians from 0 to under one full turn. The whole number of
// turns is taken toward zero (not the floor, not fmod), then a negative rest
// gains one turn.
double ReduceRadians(double radians);

// What subtracting 360 while the angle is above 360 leaves: (0, 360] for an
// angle above 360, the angle itself otherwise. Computed with one exact fmod
// instead of the repeated subtraction, which gives the same double (each
// subtraction of 360 is exact below 2^55) but takes over a thousand steps for
// the Moon's mean longitude a century from 2000.
double SubtractTurnsWhileAbove360(double degrees);

// The same while the angle is 360 or more: [0, 360).
double SubtractTurnsWhileAtLeast360(double degrees);

// What adding 360 while the angle is below 0 leaves: [0, 360) for a negative
// angle, the angle itself otherwise; the last addition is made as the repeated
// addition makes it, so the result is the same double.
double AddTurnsWhileBelow0(double degrees);

}  // namespace zentara::modPlanetPosition_Western
