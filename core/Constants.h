#pragma once
// Constants shared by several areas of the core, each named once with its
// meaning and unit. Constants of one area stay in that area's header.

namespace astro {

// Days in a Julian century: the unit of the time arguments T and t of the
// theories, time scales and rotations.
inline constexpr double kDaysPerJulianCentury = 36525.0;

}  // namespace astro
