// The estimates behind the traced pair loops' propagation times, compiled
// as the engine compiles them, against the same roots in long double:
// √s and 1/√s to a few units in the last place over the squared distances
// a model can hold, and √(1 + u) − 1 from its series to 3e-17 of the root for
// |u| ≤ kRootSeriesLimit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "science/engine/RootEstimates.h"

namespace {

constexpr double kUlp = std::numeric_limits<double>::epsilon();

double relativeError(double estimate, long double truth) {
  return static_cast<double>(std::fabs((estimate - truth) / truth));
}

// Squared distances from 1e-30 m² to 1e36 m², 37 to a decade, each with a
// mantissa of its own.
std::vector<double> squaredDistances() {
  std::vector<double> s;
  for (int k = 0; k < 2442; ++k) s.push_back(std::pow(10.0, -30 + k / 37.0) * (1 + 0.37 * std::sin(k)));
  while (s.size() % 4 != 0) s.push_back(1);
  return s;
}

TEST(RootEstimates, RootsAndReciprocalsToAFewUlpsAlongTheVectorsAndOneByOne) {
  const std::vector<double> s = squaredDistances();
  std::vector<double> roots(s), reciprocals(s.size());
  nbody::rootEstimates(roots.data(), reciprocals.data(), static_cast<int>(s.size()));
  for (size_t i = 0; i < s.size(); ++i) {
    const long double root = std::sqrt(static_cast<long double>(s[i]));
    EXPECT_LT(relativeError(roots[i], root), 4 * kUlp) << "s = " << s[i];
    EXPECT_LT(relativeError(reciprocals[i], 1 / root), 4 * kUlp) << "s = " << s[i];
    EXPECT_LT(relativeError(nbody::reciprocalRootEstimate(s[i]), 1 / root), 4 * kUlp) << "s = " << s[i];
  }
}

// A whole table is taken eight lanes at a time where the build has the
// wide registers, four at a time otherwise and at its end: every value must
// come out the same whichever way it was taken.
TEST(RootEstimates, TheSameValuesWhateverTheWidthTheyAreTakenIn) {
  const std::vector<double> s = squaredDistances();
  std::vector<double> tableRoots(s), tableReciprocals(s.size());
  nbody::rootEstimates(tableRoots.data(), tableReciprocals.data(), static_cast<int>(s.size()));
  for (size_t i = 0; i < s.size(); i += 4) {
    double roots[4] = {s[i], s[i + 1], s[i + 2], s[i + 3]}, reciprocals[4];
    nbody::rootEstimates(roots, reciprocals, 4);
    for (int lane = 0; lane < 4; ++lane) {
      EXPECT_EQ(roots[lane], tableRoots[i + lane]) << "s = " << s[i + lane];
      EXPECT_EQ(reciprocals[lane], tableReciprocals[i + lane]) << "s = " << s[i + lane];
    }
  }
}

TEST(RootEstimates, RootOfOnePlusSmallNumbersFromTheSeries) {
  for (int k = -1000; k <= 1000; ++k) {
    const double u = nbody::kRootSeriesLimit * k / 1000.0 * (1 + 0.01 * std::sin(k));
    if (std::fabs(u) > nbody::kRootSeriesLimit) continue;
    const long double truth = std::sqrt(1.0L + u) - 1.0L;
    const double error = static_cast<double>(std::fabs(nbody::rootOfOnePlusMinusOne(u) - truth));
    EXPECT_LT(error, 3e-17 * std::sqrt(1.0 + u)) << "u = " << u;
  }
}

}  // namespace
