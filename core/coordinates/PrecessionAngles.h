#pragma once
// Helpers shared by the two precession builders: arc seconds and degrees to
// radians with the program's degrees per radian (Main.kUgol), and writing a
// 3 x 3 rotation into Main.PrecessionMatrix (rows and columns 1..3).
#include "core/state/SharedState.h"

namespace precession {

inline double arcSecondsToRadians(double arcSeconds) { return arcSeconds / 3600.0 / Main.kUgol; }
inline double degreesToRadians(double degrees) { return degrees / Main.kUgol; }

// Element (row, column) of a rotation, rows and columns 1..3.
using Rotation = double[4][4];

inline void storeMatrix(const Rotation& m) {
  for (long row = 1; row <= 3; ++row)
    for (long column = 1; column <= 3; ++column) Main.PrecessionMatrix(row, column) = m[row][column];
}

}  // namespace precession
