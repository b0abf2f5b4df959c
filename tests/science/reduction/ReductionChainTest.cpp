// The reduction chain against Meeus (Astronomical Algorithms, 2nd ed.):
// the apparent place of Venus of example 33.a by the mean-element theory,
// the topocentric place of Mars of example 40.a, the refraction of ch. 16,
// and the Earth and the Moon about their barycentre.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "core/theory/Theory.h"
#include "science/reduction/Reduction.h"

namespace {

constexpr int kEarth = 3;
constexpr int kMoon = 11;
constexpr int kObserver = 12;
constexpr double kAstronomicalUnit = 1.495978707e11;
constexpr double kJ2000 = 2451545;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }
double hoursToDegrees(double h, double m, double s) { return 15 * (h + m / 60 + s / 3600); }
double dms(double d, double m, double s) { return d + m / 60 + s / 3600; }

class ReductionChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startWithStartUpState();
    // The constant of gravitation as a loaded theory leaves it.
    Main.gamma = 6.67259e-11;
  }

  // Puts an object straight into the J2000 copies that the second half of
  // the chain starts from: the Earth at the origin and the object at a
  // right ascension, declination (of J2000) and distance. With the epoch
  // J2000 itself precession does nothing and the equator is that of J2000.
  static void placeGeocentricAtJ2000(int object, double ra, double dec, double metres) {
    Main.JDut = kJ2000;
    Main.SelectedObject = object;
    Main.CurrentObject = static_cast<int16_t>(object);
    SphericalToRectangular(static_cast<int16_t>(object), ra, dec, metres);
    EquatorialToEcliptic(0);
    for (double* slot : {&Main.X[23], &Main.Y[23], &Main.Z[23]}) *slot = 0;
    Main.X[object + 20] = Main.X[object];
    Main.Y[object + 20] = Main.Y[object];
    Main.Z[object + 20] = Main.Z[object];
  }

  // The whole chain for one object at one epoch (Julian Day, TD).
  static ReductionStages reduceAt(double julianDay, int object, const ReductionChoices& choices) {
    Main.JD = julianDay;
    Main.SelectedObject = object;
    ReductionStages stages;
    PlaceBodiesForEpoch(choices, stages);
    ReduceToApparentPlace(choices, stages);
    return stages;
  }

  // Light time, the Earth's aberration and nutation: the apparent place.
  static ReductionChoices apparentPlaceChoices() {
    ReductionChoices choices;
    choices.lightTime = true;
    choices.receiverAberration = true;
    choices.nutation = true;
    return choices;
  }
};

// Meeus example 33.a: Venus on 1992 December 20 at 0h TD, apparent
// α = 21h04m41.454s, δ = -18°53'16.84" (with light time, aberration and
// nutation). The mean elements of the JPL0 theory place the Earth and
// Venus to some tens of arc seconds, which sets the tolerance.
TEST_F(ReductionChainTest, VenusApparentPlaceOfMeeus33a) {
  const ReductionStages stages = reduceAt(2448976.5, 2, apparentPlaceChoices());

  EXPECT_NEAR(stages.result.first, hoursToDegrees(21, 4, 41.454), 0.02);
  EXPECT_NEAR(stages.result.second, -dms(18, 53, 16.84), 0.02);
  // Distance Δ = 0.910845 AU (Meeus), and the light time Δ/c.
  EXPECT_NEAR(Main.StartDistance / kAstronomicalUnit, 0.910845, 0.0005);
  // The shift by the Earth's motion, Meeus (23.2) with κ = 20.49552", the
  // Sun at 268.35704° (the Earth's L0 + 180°), λ = 313.08102°,
  // β = -2.08474°, e = 0.016709 and the perihelion π = 102.80°.
  const double kappa = 20.49552;
  const double lambda = radians(313.08102);
  const double expectedShift =
      (-kappa * std::cos(radians(268.35704) - lambda) +
       0.016709 * kappa * std::cos(radians(102.80) - lambda)) /
      std::cos(radians(-2.08474));
  EXPECT_NEAR(-stages.receiverShiftArcSeconds, expectedShift, 0.5);
}

// A table source compares ecliptic coordinates of the date: Meeus 33.a gives
// Venus after the light time, before aberration and nutation, at
// λ = 313.08102°, β = -2.08474°.
TEST_F(ReductionChainTest, VenusEclipticOfTheDateForATableSource) {
  ReductionChoices choices;
  choices.lightTime = true;
  choices.tableSource = true;
  const ReductionStages stages = reduceAt(2448976.5, 2, choices);
  EXPECT_NEAR(stages.result.first, 313.08102, 0.02);
  EXPECT_NEAR(stages.result.second, -2.08474, 0.02);
}

// Observing the Moon: its velocity for the light time is its own about the
// Earth (about 1.02 km/s) plus the Earth's about the Sun (about 29.8 km/s).
TEST_F(ReductionChainTest, MoonVelocityIncludesTheEarths) {
  Main.JD = 2448724.5;
  Main.SelectedObject = kMoon;
  ReductionChoices choices;
  choices.lightTime = true;
  ReductionStages stages;
  PlaceBodiesForEpoch(choices, stages);
  const double earthSpeed = std::hypot(Main.VX[kEarth], Main.VY[kEarth], Main.VZ[kEarth]);
  const double moonAboutEarth = std::hypot(Main.VX[kMoon] - Main.VX[kEarth],
                                           Main.VY[kMoon] - Main.VY[kEarth],
                                           Main.VZ[kMoon] - Main.VZ[kEarth]);
  EXPECT_NEAR(earthSpeed / 1e3, 29.8, 0.6);
  EXPECT_NEAR(moonAboutEarth / 1e3, 1.02, 0.08);
  ReduceToApparentPlace(choices, stages);
  EXPECT_NEAR(Main.StartDistance / 1e3, 384400, 25000);
}

// Meeus example 25.a: the Sun on 1992 October 13 at 0h TD, apparent
// α = 13h13m31.4s, δ = -7°47'06", distance 0.99766 AU. Observing the Sun
// it stands at minus the Earth's vector; its light time moves nothing (the
// system velocity is zero), the Earth's motion shifts it by about 20.5".
TEST_F(ReductionChainTest, SunApparentPlaceOfMeeus25a) {
  const ReductionStages stages = reduceAt(2448908.5, 0, apparentPlaceChoices());
  EXPECT_NEAR(stages.result.first, hoursToDegrees(13, 13, 31.4), 0.01);
  EXPECT_NEAR(stages.result.second, -dms(7, 47, 6), 0.01);
  EXPECT_NEAR(Main.StartDistance / kAstronomicalUnit, 0.99766, 0.0002);
  EXPECT_EQ(stages.lightTimeShiftArcSeconds, 0);
  EXPECT_NEAR(stages.receiverShiftArcSeconds, 20.5, 0.5);
}

// With every correction off the apparent place is the geometric one of the
// date, and the stage boxes repeat the stage before them.
TEST_F(ReductionChainTest, StagesSwitchedOffRepeatThePreviousStage) {
  Main.JD = 2448976.5;
  Main.SelectedObject = 2;
  ReductionChoices choices;
  ReductionStages stages;
  PlaceBodiesForEpoch(choices, stages);
  ReduceToApparentPlace(choices, stages);
  for (const Direction* d : {&stages.afterLightTime, &stages.afterAberration}) {
    EXPECT_DOUBLE_EQ(d->first, stages.geometricJ2000.first);
    EXPECT_DOUBLE_EQ(d->second, stages.geometricJ2000.second);
  }
  for (const Direction* d : {&stages.afterParallax, &stages.afterRefraction,
                             &stages.afterNutation, &stages.result}) {
    EXPECT_DOUBLE_EQ(d->first, stages.equatorOfDate.first);
    EXPECT_DOUBLE_EQ(d->second, stages.equatorOfDate.second);
  }
}

// Meeus example 40.a: Mars at α = 22h38m07.25s, δ = -15°46'15.9",
// Δ = 0.37276 AU, seen from Palomar (ρ sin φ' = 0.546861, ρ cos φ' =
// 0.836339, hour angle 288.7958°): topocentric α' = 22h38m08.54s,
// δ' = -15°46'30.0".
TEST_F(ReductionChainTest, TopocentricMarsOfMeeus40a) {
  const int mars = 4;
  const double ra = hoursToDegrees(22, 38, 7.25);
  placeGeocentricAtJ2000(mars, ra, -dms(15, 46, 15.9), 0.37276 * kAstronomicalUnit);
  const double localSidereal = radians(ra + 288.7958);
  const double earthRadius = 6378140;
  Main.X[kObserver] = earthRadius * 0.836339 * std::cos(localSidereal);
  Main.Y[kObserver] = earthRadius * 0.836339 * std::sin(localSidereal);
  Main.Z[kObserver] = earthRadius * 0.546861;

  ReductionChoices choices;
  choices.parallax = true;
  ReductionStages stages;
  ReduceToApparentPlace(choices, stages);
  EXPECT_NEAR(stages.result.first, hoursToDegrees(22, 38, 8.54), 0.01 * 15 / 3600);
  EXPECT_NEAR(stages.result.second, -dms(15, 46, 30.0), 0.1 / 3600);
}

// Refraction lifts an object on the meridian toward the zenith by the
// refraction of its altitude; Meeus (16.4), Saemundsson's formula for the
// true altitude h, R = 1.02' / tan(h + 10.3/(h + 5.11)), which Meeus gives
// as agreeing with the other formulae to about 0.1'.
TEST_F(ReductionChainTest, RefractionRaisesAnObjectOnTheMeridian) {
  const double latitude = 50;
  for (double altitude : {10.0, 30.0, 45.0, 70.0}) {
    SCOPED_TRACE(altitude);
    SetUp();
    const double ra = 120;
    const double dec = latitude + altitude - 90;  // culminating south of the zenith
    placeGeocentricAtJ2000(5, ra, dec, 6e11);
    Main.ObsB = latitude;
    Main.LocalSiderealTime = ra;
    ReductionChoices choices;
    choices.refraction = true;
    ReductionStages stages;
    ReduceToApparentPlace(choices, stages);

    const double expectedArcMinutes = 1.02 / std::tan(radians(altitude + 10.3 / (altitude + 5.11)));
    const double liftArcMinutes = (stages.result.second - dec) * 60;
    EXPECT_NEAR(liftArcMinutes, expectedArcMinutes, 0.1);
    EXPECT_NEAR(std::fmod(stages.result.first - ra + 540, 360) - 180, 0, 1e-7);
    EXPECT_NEAR(Main.Altitude, altitude + expectedArcMinutes / 60, 0.1 / 60);
  }
}

// With the parallax off the refraction works on the geocentric direction
// and adds no parallax of its own: the Moon on the meridian at 45 degrees,
// with the observer's vector in its slot (a shift of 6378 km at 384400 km
// would move it by about 0.7 degrees), is lifted by the refraction alone.
TEST_F(ReductionChainTest, RefractionWithoutParallaxMovesTheMoonByTheRefractionOnly) {
  const double latitude = 50;
  const double altitude = 45;
  const double ra = 120;
  const double dec = latitude + altitude - 90;
  placeGeocentricAtJ2000(kMoon, ra, dec, 3.844e8);
  Main.ObsB = latitude;
  Main.LocalSiderealTime = ra;
  SphericalToRectangular(kObserver, ra, latitude, 6378140);
  ReductionChoices choices;
  choices.refraction = true;
  ReductionStages stages;
  ReduceToApparentPlace(choices, stages);

  const double expectedArcMinutes = 1.02 / std::tan(radians(altitude + 10.3 / (altitude + 5.11)));
  EXPECT_NEAR((stages.result.second - dec) * 60, expectedArcMinutes, 0.1);
  EXPECT_NEAR(std::fmod(stages.result.first - ra + 540, 360) - 180, 0, 1e-7);
  EXPECT_NEAR(std::hypot(stages.x, stages.y, stages.z), 3.844e8, 1.0);
}

// West of Greenwich the local sidereal time can fall below zero and is
// raised by a day. At JD 2451545.25 the Greenwich mean sidereal time is
// 280.46061837 + 360.98564736629 * 0.25 = 370.707 degrees (Meeus 12.4),
// that is 10.707; 120 degrees west gives -109.293, raised to 250.707.
TEST_F(ReductionChainTest, LocalSiderealTimeWestOfGreenwichIsRaisedByADay) {
  Main.JD = 2451545.25;
  Main.SelectedObject = 4;
  Main.ObsL = -120;
  Main.ObsB = 40;
  ReductionStages stages;
  PlaceBodiesForEpoch(ReductionChoices{}, stages);
  EXPECT_NEAR(Main.LocalSiderealTime, 250.707, 0.001);
  EXPECT_NEAR(std::atan2(Main.Y[kObserver], Main.X[kObserver]) * 180 / std::numbers::pi + 360, 250.707, 0.001);
}

// The theory gives the Earth-Moon barycentre: the Earth and the Moon placed
// by the chain keep it as their mass-weighted mean, and the Earth lies on
// the far side of it from the Moon.
TEST_F(ReductionChainTest, EarthAndMoonAboutTheirBarycentre) {
  for (EarthMoonTheory theory : {EarthMoonTheory::JPL0, EarthMoonTheory::Ser0}) {
    SetUp();
    Main.JD = 2451545.5;
    Main.SelectedObject = 2;
    ReductionChoices choices;
    choices.earthMoon = theory;
    choices.planet = theory == EarthMoonTheory::JPL0 ? PlanetTheory::JPL0 : PlanetTheory::Ser0;
    ReductionStages stages;
    PlaceBodiesForEpoch(choices, stages);
    const double earth[3] = {Main.X[23], Main.Y[23], Main.Z[23]};
    // The Moon's J2000 heliocentric position before the pictures precessed
    // nothing of it: slot 11 is still J2000.
    const double moon[3] = {Main.X[kMoon], Main.Y[kMoon], Main.Z[kMoon]};
    const double earthMass = Main.Mass[13];
    const double moonMass = Main.Mass[kMoon];

    Main.CurrentObject = kEarth;
    Main.kodMoon = 0;
    if (theory == EarthMoonTheory::JPL0)
      EarthMoonFromJPL0();
    else
      EarthMoonFromSer0(Ser0Variant::Ser0);
    const double barycentre[3] = {Main.X[kEarth], Main.Y[kEarth], Main.Z[kEarth]};
    for (int axis = 0; axis < 3; ++axis) {
      const double mean = (earthMass * earth[axis] + moonMass * moon[axis]) / (earthMass + moonMass);
      EXPECT_NEAR(mean, barycentre[axis], 1.0) << axis;  // metres
    }
    const double earthMoon = std::hypot(moon[0] - earth[0], moon[1] - earth[1], moon[2] - earth[2]);
    EXPECT_NEAR(earthMoon / 1e3, 384400, 25000);  // km, the Moon's distance
  }
}

}  // namespace
