// The Sun and the nine planets under Newton's law: the run's own energy and
// angular-momentum balance, and the return of the motion when time is
// reversed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/science/engine/SolarSystemSetup.h"

namespace {

// With every pair attracting and the bodies acting from their present
// positions the total energy and the angular momentum about the centre of
// mass are integrals of the motion: over three years of one-hour steps
// (with the reduced steps near Mercury's passages) the balances "dEsys,
// dMsys" stay at the round-off level of the fourth-order Runge-Kutta
// method, far below 1e-9 of their start values.
TEST(SolarSystemBalance, EnergyAndAngularMomentumStayAtTheStartValues) {
  solar::resetModel();
  solar::placeBodies({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  solar::Experiment experiment;
  experiment.window.controls.energyBalance = true;
  experiment.start();
  ASSERT_NE(Main.E0sys, 0);
  ASSERT_NE(Main.M0sys, 0);

  double worstEnergy = 0, worstMomentum = 0;
  int balances = 0;
  experiment.runYears(3, 720, [&] {
    worstEnergy = std::max(worstEnergy, std::fabs((Main.Esys - Main.E0sys) / Main.E0sys));
    worstMomentum = std::max(worstMomentum, std::fabs((Main.MKDsys - Main.M0sys) / Main.M0sys));
    ++balances;
  });

  EXPECT_GT(balances, 30);
  EXPECT_LT(worstEnergy, 1e-9);
  EXPECT_LT(worstMomentum, 1e-9);
}

// A run forward for two years and then, with the velocities reversed as
// "Продолжить" with "Назад" reverses them, back for as many steps brings
// every body to within a kilometre of its start.
TEST(SolarSystemBalance, RunForwardAndBackReturnsTheBodiesWithinOneKilometre) {
  solar::resetModel();
  solar::placeBodies({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  const int steps = 17532;  // two Julian years of one-hour steps

  experiment.runSteps(steps);
  ASSERT_NEAR(Main.ElapsedTime, steps * 3600.0, 1e-3);
  double travelled = 0;
  for (int b = 1; b <= 9; ++b) travelled = std::max(travelled, std::fabs(Main.StateVector[b] - Main.X0[b]));
  ASSERT_GT(travelled, 1e10);

  experiment.run.chooseTimeDirection(-1);
  experiment.runSteps(steps);
  EXPECT_NEAR(Main.ElapsedTime, 0.0, 1e-3);
  for (int b = 0; b <= 9; ++b) {
    SCOPED_TRACE(b);
    const double start[3] = {Main.X0[b], Main.Y0[b], Main.Z0[b]};
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(Main.StateVector[nbody::coordinateIndex(c, b)], start[c], 1000.0);
  }
}

}  // namespace
