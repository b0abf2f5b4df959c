#pragma once
// Units and epochs that the core, the science libraries and the windows
// share, each named once with its meaning and unit. Constants of one area
// stay in that area's header.

namespace astro {

// Days in a Julian century: the unit of the time arguments T and t of the
// theories, time scales and rotations.
inline constexpr double kDaysPerJulianCentury = 36525.0;
// Days in a Julian year.
inline constexpr double kDaysPerJulianYear = 365.25;
// Julian Day of the epoch J2000.0 (2000 January 1, 12 h TT).
inline constexpr double kJulianDayJ2000 = 2451545.0;

// Hours in a day, seconds in a day, an hour and a minute.
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kSecondsPerMinute = 60.0;

// Arc seconds in a degree; degrees of rotation in an hour of hour angle or
// sidereal time.
inline constexpr double kArcSecondsPerDegree = 3600.0;
inline constexpr double kDegreesPerHour = 15.0;

// Equatorial radius of the Earth, m (IAU 1976), the radius of the spherical
// Earth on which the observatories stand.
inline constexpr double kEarthEquatorialRadius = 6378140.0;

// Metres in a kilometre (the windows show km and km/s, the model m and m/s).
inline constexpr double kMetresPerKilometre = 1000.0;

}  // namespace astro
