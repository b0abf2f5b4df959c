#pragma once
// What the apparent-place steps share: the direction of one slot seen from
// another, kept as that slot's spherical coordinates.
#include <cstdint>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

namespace eclipse {

// LonL(to) and LatB(to) = the direction that RelativeEclipticPosition left
// for slot `to`, degrees.
inline void keepDirection(int16_t to) {
  Main.LonL[to] = Main.RelativeLongitude[to];
  Main.LatB[to] = Main.RelativeLatitude;
}

// RelativeEclipticPosition(from, to), then keepDirection(to); Main.Rpl keeps
// the distance.
inline void takeDirectionFrom(int16_t from, int16_t to) {
  RelativeEclipticPosition(from, to);
  keepDirection(to);
}

}  // namespace eclipse
