// The geometry of the orbit check's measurement: search windows that wrap
// past 360 degrees, the longitude between two samples across 0/360, the
// perihelion carried from the ecliptic into the orbit plane (spherical
// trigonometry) and deviations counted across 0.
#include <gtest/gtest.h>

#include <cmath>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/twobody/TwoBodyOrbitCheck.h"

namespace {

struct WindowCase {
  const char* source;
  double centre, halfWidth;
  double inside[3];
  double outside[3];
};

// Whether a longitude lies within halfWidth of the centre along the circle.
TEST(SearchWindow, HoldsTheLongitudesWithinItsHalfWidthAlongTheCircle) {
  const WindowCase cases[] = {
      {"an ordinary window", 100, 1, {99, 100.5, 101}, {98.9, 101.1, 280}},
      {"around 0.5: 359.5 .. 1.5", 0.5, 1, {359.6, 0, 1.4}, {359.4, 1.6, 180}},
      {"around 359.5: 358.5 .. 0.5", 359.5, 1, {358.6, 359.99, 0.4}, {358.4, 0.6, 180}},
      {"a given longitude beyond one turn", 370.5, 1, {9.6, 10.5, 11.4}, {9.4, 11.6, 190}},
      {"a negative given longitude", -0.5, 1, {358.6, 359.99, 0.4}, {358.4, 0.6, 180}},
      {"a wide window", 20, 30, {350.5, 0, 49}, {349, 51, 200}},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.source);
    double low = 0, high = 0;
    orbitcheck::setSearchWindow(c.centre, c.halfWidth, low, high);
    for (double l : c.inside) EXPECT_TRUE(orbitcheck::isInsideSearchWindow(l, low, high, c.halfWidth)) << l;
    for (double l : c.outside) EXPECT_FALSE(orbitcheck::isInsideSearchWindow(l, low, high, c.halfWidth)) << l;
  }
}

// The mean of two samples; across 0/360 it is the same direction less a
// half turn, which may be just below 0.
TEST(MidLongitude, LiesBetweenTheSamplesAlongTheCircle) {
  struct Row {
    double previous, current, expected;
  };
  for (const Row& row : {Row{10, 11, 10.5}, Row{359.8, 0.1, -0.05}, Row{0.1, 359.8, -0.05},
                         Row{179, 181, 180}}) {
    SCOPED_TRACE(row.previous);
    EXPECT_NEAR(orbitcheck::midLongitude(row.previous, row.current), row.expected, 1e-12);
  }
}

// A deviation of a measured from a given longitude is the short way round.
TEST(AngleDeviation, IsTheShortWayRound) {
  struct Row {
    double measured, given, expected;
  };
  for (const Row& row : {Row{-0.05, 359.95, 0}, Row{0.01, 359.99, 0.02}, Row{359.99, 0.01, -0.02},
                         Row{10, 350, 20}, Row{350, 10, -20}, Row{100.5, 100, 0.5}}) {
    SCOPED_TRACE(row.measured);
    EXPECT_NEAR(orbitcheck::angleDeviation(row.measured, row.given), row.expected, 1e-9);
  }
}

// A point of an orbit inclined by i, at angle w from the node in the orbit
// plane, is seen in the ecliptic at angle atan2(sin w cos i, cos w) from
// the node (the right spherical triangle node-point-ecliptic). Carried back
// into the orbit plane it must be w again.
TEST(OrbitPlaneAngle, UndoesTheProjectionOntoTheEcliptic) {
  startWithStartUpState();  // the degree factor
  const double pi = std::acos(-1.0);
  for (double inclination : {1.8, 23.4, 60.0, 89.0}) {
    for (double w : {30.0, 89.0, 91.0, 150.0, -20.0, -100.0, -179.0}) {
      SCOPED_TRACE(std::to_string(inclination) + " " + std::to_string(w));
      const double i = inclination * pi / 180;
      const double wr = w * pi / 180;
      const double ecliptic = std::atan2(std::sin(wr) * std::cos(i), std::cos(wr)) * 180 / pi;
      EXPECT_NEAR(orbitcheck::orbitPlaneAngle(ecliptic, i), w, 1e-9);
    }
  }
  // Exactly a quarter turn from the node stays a quarter turn.
  EXPECT_EQ(orbitcheck::orbitPlaneAngle(90, 0.5), 90);
  EXPECT_EQ(orbitcheck::orbitPlaneAngle(-90, 0.5), -90);
}

}  // namespace
