#pragma once
// What the files of Form12 share: the object slots of the converter and how
// its boxes show lengths and angles.
namespace form12slot {

inline constexpr int kSun = 0;
inline constexpr int kEarth = 3;
inline constexpr int kMoon = 10;
inline constexpr int kTyped = 11;
// The zero vector: the origin of the topocentric frames.
inline constexpr int kObserverOrigin = 15;

}  // namespace form12slot

// An angle or a time as the boxes show it: cut toward zero to six decimals.
double form12ShownAngle(double degrees);
// A length as the boxes show it: thousands of km, cut to the metre.
double form12ShownLength(double metres);
// Julian centuries from J2000 to a Julian Day.
double centuriesFromJ2000(double julianDay);
