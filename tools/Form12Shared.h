#pragma once
#include "core/state/Tables.h"

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

// The internal-frame places (m) of the Sun, the Earth, the Moon and the
// chosen body that the converter finds or is given, by object slot (0..11).
// The converter keeps them itself; the model's start data stay untouched.
struct Form12Places {
  Table1<double, 11> X, Y, Z;
};

// An angle or a time as the boxes show it: cut toward zero to six decimals.
double form12ShownAngle(double degrees);
// A length as the boxes show it: thousands of km, cut to the metre.
double form12ShownLength(double metres);
// Julian centuries from J2000 to a Julian Day.
double centuriesFromJ2000(double julianDay);
