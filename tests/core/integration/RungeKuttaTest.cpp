// The classical Runge-Kutta step on the linear equations y' = λ y, whose
// stages and step are known in closed form with z = λ h: the stages see
// y0, y0 (1 + z/2), y0 (1 + z/2 + z²/4) and y0 (1 + z + z²/2 + z³/4), and the
// step multiplies y0 by the Taylor polynomial of e^z to the fourth power.
// Reference: Butcher, Numerical Methods for Ordinary Differential
//   Equations, 2nd ed. (2008), 232 (the classical method) and 238
//   (its stability function).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/integration/RungeKutta.h"
#include "core/state/SharedState.h"

namespace {

TEST(RungeKuttaStep, StagesAndStepOfTheLinearEquation) {
  resetSharedState();
  constexpr int kFirst = 3, kEnd = 5;
  const double lambda[kEnd] = {0, 0, 0, -0.5, 2.0};
  const double y0[kEnd] = {0, 0, 0, 1.5, -0.25};
  constexpr double h = 0.1;
  for (int j = 0; j < kEnd; ++j) Main.StateVector[j] = y0[j];
  Main.StateVector[kEnd] = 7;  // outside the range: stays

  std::vector<int> stages;
  std::vector<double> seen[kEnd];
  rungeKuttaStep(h, kFirst, kEnd, [&](int stage) {
    stages.push_back(stage);
    for (int j = kFirst; j < kEnd; ++j) {
      seen[j].push_back(Main.StateVector[j]);
      Main.StateDerivative[j] = lambda[j] * Main.StateVector[j];
    }
  });

  EXPECT_EQ(stages, (std::vector<int>{1, 2, 3, 4}));
  for (int j = kFirst; j < kEnd; ++j) {
    SCOPED_TRACE(j);
    const double z = lambda[j] * h;
    const double expectedStages[4] = {1, 1 + z / 2, 1 + z / 2 + z * z / 4, 1 + z + z * z / 2 + z * z * z / 4};
    for (int n = 0; n < 4; ++n) EXPECT_NEAR(seen[j][n], y0[j] * expectedStages[n], 1e-15) << "stage " << n + 1;
    const double taylor = 1 + z + z * z / 2 + z * z * z / 6 + z * z * z * z / 24;
    EXPECT_NEAR(Main.StateVector[j], y0[j] * taylor, 1e-15);
    EXPECT_EQ(Main.StepStartState[j], y0[j]);
  }
  EXPECT_EQ(Main.StateVector[kEnd], 7);
}

}  // namespace
