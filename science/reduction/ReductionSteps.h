#pragma once
// Small steps shared by the two halves of the reduction chain.
#include <string>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "science/reduction/Reduction.h"

namespace reduction {

constexpr int kSun = 0;
constexpr int kEarth = 3;
constexpr int kMoon = 11;
constexpr int kObserver = 12;
// Slots that keep the heliocentric J2000 positions of the Earth and of the
// observed object p (at p + 20) while the pictures use precessed ones.
constexpr int kEarthCopy = 23;
constexpr int kObjectCopyOffset = 20;

// Julian centuries from J2000 of the universal time of the epoch.
inline double centuriesOfEpoch() { return (Main.JDut - astro::kJulianDayJ2000) / astro::kDaysPerJulianCentury; }

// Direction of `to` seen from `from`, kept as the object's current
// coordinates in Main.LonL and Main.LatB.
inline void lookFrom(int from, int to) {
  RelativeEclipticPosition(static_cast<int16_t>(from), static_cast<int16_t>(to));
  Main.LonL[to] = Main.RelativeLongitude[to];
  Main.LatB[to] = Main.RelativeLatitude;
}

inline Direction currentDirection(int object) { return {Main.LonL[object], Main.LatB[object]}; }

// Hands the stage label to the trace with Main.CurrentObject on its object.
inline void traceStage(const ReductionChoices& choices, int object, const std::string& label) {
  if (!choices.trace) return;
  Main.CurrentObject = static_cast<int16_t>(object);
  choices.trace(label);
}

// Moves the object by a vector of another slot times a factor.
inline void addScaledPosition(int object, int other, double factor) {
  Main.X[object] += factor * Main.X[other];
  Main.Y[object] += factor * Main.Y[other];
  Main.Z[object] += factor * Main.Z[other];
}

}  // namespace reduction
