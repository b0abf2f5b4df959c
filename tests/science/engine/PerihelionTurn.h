#pragma once
// The turn of a planet's orbit measured by the tests themselves: the angle
// of its eccentricity vector (relative to the Sun) in its orbit plane,
// sampled once a day, and the slope of a least-squares line through it.
#include <gtest/gtest.h>

#include <vector>

#include "tests/science/engine/OrbitMeasures.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace orbit {

// Runs the started model for `years` without orbit tracking (one-hour steps
// throughout) and returns the turn of the planet's eccentricity vector in
// its orbit plane, arc seconds per Julian century.
inline double perihelionTurnPerCentury(int body, double years) {
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  const double mu = Main.gamma * (Main.Mass[0] + Main.Mass[body]);
  const Vector e0 = eccentricityVector(body, 0, mu);
  const Vector normal = angularMomentumDirection(body, 0);
  std::vector<double> times, angles;
  experiment.runYears(years, 24, [&] {
    times.push_back(Main.ModelTime);
    angles.push_back(angleInPlane(e0, eccentricityVector(body, 0, mu), normal));
  });
  EXPECT_GT(times.size(), years * 365);
  return slope(times, angles) * kSecondsPerCentury * kArcsecondsPerRadian;
}

}  // namespace orbit
