#include "core/stat/Stat.h"
#include "core/state/SharedState.h"

namespace {

// Default zero-point runs for k = 2..6 by plan type 1..5: orthogonal,
// rotatable, uniform-rotatable (uniform precision), D-optimal, Box composite.
constexpr int16_t kDefaultZeroPoints[5][5] = {
    {1, 1, 1, 1, 1},
    {3, 2, 2, 3, 3},
    {5, 6, 7, 10, 15},
    {0, 0, 0, 0, 0},
    {1, 1, 1, 1, 1},
};

}  // namespace

void SetZeroPointCount() {
  const int type = Stat.PlanType;
  const int k = Stat.Nf;
  const bool known = type >= 1 && type <= 5 && k >= 2 && k <= 6;
  Stat.N0 = known ? kDefaultZeroPoints[type - 1][k - 2] : 1;
}
