// Atmospheric refraction: the magnitude against Bennett's standard formula
// (J. Navigation 35, 1982: R = cot(h + 7.31/(h + 4.4)) arc minutes), the
// horizon value, and the join of the series with the table.
#include <gtest/gtest.h>

#include <cmath>

#include "core/coordinates/Coordinates.h"

namespace {

double bennettArcSeconds(double altitude) {
  return 60.0 / std::tan((altitude + 7.31 / (altitude + 4.4)) * M_PI / 180.0);
}

// Above 10° of altitude the refraction is 57.1" tan z, a few per cent below
// Bennett's 10 °C standard atmosphere (58.3" tan z): within 5 %.
TEST(AtmosphericRefraction, MagnitudeOfTheStandardRefraction) {
  for (double altitude : {10.0, 20.0, 30.0, 45.0, 60.0, 80.0}) {
    SCOPED_TRACE(altitude);
    const double arcSeconds = AtmosphericRefraction(90.0 - altitude) * 3600.0;
    EXPECT_NEAR(arcSeconds, bennettArcSeconds(altitude), 0.05 * bennettArcSeconds(altitude));
  }
  // Near the horizon the atmospheres differ more: within 1.5'.
  for (double altitude : {0.0, 0.5, 1.0, 2.0, 5.0}) {
    SCOPED_TRACE(altitude);
    EXPECT_NEAR(AtmosphericRefraction(90.0 - altitude) * 60.0, bennettArcSeconds(altitude) / 60.0, 1.5);
  }
}

TEST(AtmosphericRefraction, SeriesHorizonAndBelow) {
  EXPECT_NEAR(AtmosphericRefraction(45.0), (57.1 - 0.0208) / 3600.0, 1e-12);
  EXPECT_NEAR(AtmosphericRefraction(90.0), 2040.0 / 3600.0, 1e-12);
  EXPECT_NEAR(AtmosphericRefraction(95.0), 2040.0 / 3600.0, 1e-12);
  EXPECT_NEAR(AtmosphericRefraction(0.0), 0.0, 1e-15);
}

// From the zenith to below the horizon the refraction grows without a jump:
// the table joins the series at 86° (755.74" against 755.736") and its lines
// meet at every half degree.
TEST(AtmosphericRefraction, GrowsContinuouslyDownToTheHorizon) {
  double previous = AtmosphericRefraction(0.0);
  for (double z = 0.01; z <= 95.0; z += 0.01) {
    const double r = AtmosphericRefraction(z);
    EXPECT_GE(r, previous) << "z " << z;
    previous = r;
  }
  const double step = 1e-9;
  for (double node = 86.0; node <= 90.0; node += 0.5) {
    SCOPED_TRACE(node);
    EXPECT_NEAR(AtmosphericRefraction(node - step) * 3600.0, AtmosphericRefraction(node + step) * 3600.0,
                0.01);
  }
}

}  // namespace
