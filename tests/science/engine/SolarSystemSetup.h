#pragma once
// The Sun and the nine planets placed on the shared start tables from the
// published mean elements of J2000, with the DE405 masses, as the start-up
// window leaves them; and the start of a model run without the window.
//
// Reference: E. M. Standish, "Keplerian Elements for Approximate Positions
//   of the Major Planets", JPL Solar System Dynamics, table 1 (1800-2050,
//   mean ecliptic and equinox of J2000). Masses: the DE405 constants (Sun
//   1.98892e30 kg, Sun/planet mass ratios, planet 3 the Earth-Moon system).
//   Kepler's equation and the orbit-to-ecliptic rotation: Murray & Dermott,
//   Solar System Dynamics, ch. 2.
#include <cmath>
#include <functional>
#include <initializer_list>

#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "science/engine/HeadlessRunWindow.h"
#include "science/engine/ModelRun.h"

namespace solar {

constexpr double kAU = 149597870691.0;            // m
constexpr double kSunMass = 1.98892e30;           // kg
constexpr double kGravitationalConstant = 66.7259e-12;  // m³/(kg s²)
constexpr double kSpeedOfLight = 299792500.0;     // m/s, the model's Vsv
constexpr double kDegree = 3.14159265358979323846 / 180;

// Sun over planet, DE405.
constexpr double kMassRatio[10] = {1.0,       6023600.0, 408523.71,  328900.5614, 3098708.0,
                                   1047.3486, 3497.898,  22902.98,   19412.24,    135200000.0};

// a (AU), e, i, mean longitude L, longitude of perihelion, node (degrees).
struct Elements {
  double a, e, i, L, perihelion, node;
};
constexpr Elements kJ2000[10] = {
    {0, 0, 0, 0, 0, 0},
    {0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593},
    {0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255},
    {1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0},
    {1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891},
    {5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909},
    {9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448},
    {19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503},
    {30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574},
    {39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684},
};

inline double planetMass(int body) { return kSunMass / kMassRatio[body]; }

// Heliocentric ecliptic position (m) and velocity (m/s) on the Kepler orbit
// of the elements about the mass parameter mu = G (M + m).
inline void keplerState(const Elements& el, double mu, double r[3], double v[3]) {
  const double a = el.a * kAU, e = el.e;
  const double node = el.node * kDegree, inclination = el.i * kDegree;
  const double argument = (el.perihelion - el.node) * kDegree;
  const double meanAnomaly = std::remainder((el.L - el.perihelion) * kDegree, 2 * 3.14159265358979323846);
  double E = meanAnomaly + e * std::sin(meanAnomaly);
  for (int n = 0; n < 60; ++n) E -= (E - e * std::sin(E) - meanAnomaly) / (1 - e * std::cos(E));
  const double meanMotion = std::sqrt(mu / (a * a * a));
  const double cosE = std::cos(E), sinE = std::sin(E), b = std::sqrt(1 - e * e);
  const double x = a * (cosE - e), y = a * b * sinE;
  const double rate = meanMotion / (1 - e * cosE);
  const double vx = -a * sinE * rate, vy = a * b * cosE * rate;
  const double cO = std::cos(node), sO = std::sin(node), cw = std::cos(argument), sw = std::sin(argument);
  const double cI = std::cos(inclination), sI = std::sin(inclination);
  const double P[3] = {cO * cw - sO * sw * cI, sO * cw + cO * sw * cI, sw * sI};
  const double Q[3] = {-cO * sw - sO * cw * cI, -sO * sw + cO * cw * cI, cw * sI};
  for (int k = 0; k < 3; ++k) {
    r[k] = x * P[k] + y * Q[k];
    v[k] = vx * P[k] + vy * Q[k];
  }
}

// Period of the Kepler orbit of a planet about the Sun, days.
inline double keplerPeriodDays(int body) {
  const double a = kJ2000[body].a * kAU;
  return 2 * 3.14159265358979323846 * std::sqrt(a * a * a / (kGravitationalConstant * (kSunMass + planetMass(body)))) /
         86400;
}

// The constants and defaults that the start-up window and the model
// window's load set, and a model run of the classical model with an
// infinite speed of gravity, one-hour steps, Mercury followed.
inline void resetModel() {
  resetSharedState();
  Main.Pi = 3.14159265359;
  Main.kUgol = 180 / Main.Pi;
  Main.MK = 1000000;
  Main.Lae = kAU;
  Main.Vsv = kSpeedOfLight;
  Main.SecondsPerDay = 86400;
  Main.sekG = 31557600;
  Main.JD2000 = 2451545.0;
  Main.LastObjectIndex = 10;
  Main.LastStateIndex = 65;
  Main.gamma = kGravitationalConstant;
  Main.ModelMode = 1;
  Main.ForceModel = 0;
  Main.FiniteVgrFlag = 0;
  Main.kodDX = 1;
  Main.Vgr = kSpeedOfLight;
  Main.DistanceExponent = 2;
  Main.PreciseEnergyFlag = 1;
  Main.TimeDirection = 1;
  Main.P00 = 3600;
  Main.Step = 3600;
  Main.PrevStep = 3600;
  Main.StepDivisor = 1000;
  Main.NC0 = 1000;
  Main.dAlfa = 1;
  Main.SelectedObject = 1;
  Main.EndYear = 2000;
  Main.InitialDataJD = Main.SeriesStartJD = 2451545.0;
  Main.N1 = 1;
  Main.N2 = 2;
}

// The bodies listed take part and attract each other; the others (and the
// spare body 10, parked far out) keep still. Start data heliocentric,
// elements of J2000 into StartElements for the orbit tracking.
inline void placeBodies(std::initializer_list<int> included) {
  Main.Mass[0] = kSunMass;
  for (int b = 1; b <= 9; ++b) Main.Mass[b] = planetMass(b);
  Main.Mass[10] = 1e20;
  Main.X0[10] = 1000 * kAU;
  for (int b : included) Main.ObjectIncluded[b] = 1;
  Main.IncludedCount = static_cast<int16_t>(included.size());
  for (int i : included)
    for (int k : included) Main.PairIncluded(i, k) = 1;
  for (int b = 1; b <= 9; ++b) {
    double r[3], v[3];
    keplerState(kJ2000[b], Main.gamma * (kSunMass + planetMass(b)), r, v);
    Main.X0[b] = r[0];
    Main.Y0[b] = r[1];
    Main.Z0[b] = r[2];
    Main.VX0[b] = v[0];
    Main.VY0[b] = v[1];
    Main.VZ0[b] = v[2];
    Main.StartElements(1, b) = kJ2000[b].perihelion * kDegree;
    Main.StartElements(2, b) = kJ2000[b].node * kDegree;
    Main.StartElements(3, b) = kJ2000[b].i * kDegree;
    Main.StartElements(4, b) = kJ2000[b].e;
    Main.StartElements(5, b) = kJ2000[b].a * kAU;
  }
}

// The Sun and the nine planets on the JPL0 elements of JD 2451545.0 with
// the DE405 masses, as the start-up window leaves them for "JPL0 (J2000)",
// and the spare body standing in for the Moon beside the Earth, so that the
// right-hand side meets all eleven bodies: the start of workload W of the
// benchmarks.
inline void placePlanetsByJPL0() {
  resetModel();
  Main.JD = 2451545.0;
  Main.kodBary = 1;
  SetMassesDE405();
  for (int b = 0; b <= 9; ++b) {
    Main.ObjectIncluded[b] = 1;
    for (int k = 0; k <= 9; ++k) Main.PairIncluded(b, k) = 1;
  }
  Main.IncludedCount = 10;
  for (int16_t b = 1; b <= 9; ++b) {
    Main.CurrentObject = b;
    SetElementsJPL0();
    PositionFromElements();
    VelocityFromElements();
    setStartState(b, currentState(b));
    Main.StartElements(1, b) = Main.AlfaP[b];
    Main.StartElements(2, b) = Main.AlfaU[b];
    Main.StartElements(3, b) = Main.Betta[b];
    Main.StartElements(4, b) = Main.Eks[b];
    Main.StartElements(5, b) = Main.Rsr[b];
  }
  Main.Mass[10] = Main.Mass[3] / 81.300585;
  Main.X0[10] = Main.X0[3] + 384.4e6;
  Main.Y0[10] = Main.Y0[3];
  Main.VX0[10] = Main.VX0[3];
  Main.VY0[10] = Main.VY0[3] + 1022;
  Main.InitialDataJD = Main.SeriesStartJD = 2451545.0;
}

// The start of a run as "Начать" makes it, without the window: the clocks
// and counters, the followed orbit, the bodies and the state vector.
inline void startRun(ModelRun& run, HeadlessRunWindow& window) {
  Main.StopFlag = 0;
  Main.NodeMeasuredFlag = 0;
  Main.InPerihelionWindow = 0;
  Main.StepReductionState = 2;
  Main.Step = Main.PrevStep = Main.P00;
  Main.RevolutionCount = 0;
  Main.StepCounter = 0;
  Main.JD = Main.EphemerisJD = Main.InitialDataJD;
  DateFromJulianDay(Main.JD);
  Main.StartYear = Main.CalendarYear;
  Main.StartMonth = Main.CalendarMonth;
  Main.StartDay = Main.CalendarDay;
  Main.PrevRevolutionTime = Main.ModelTime = Main.ElapsedTime = Main.LastHistoryTime = 0;
  if (window.controls.trackOrbit) run.prepareOrbitTracking(window.controls.sunAtOrigin, window.controls.earthAtOrigin);
  run.setUpBodies(window, window.controls.energyBalance);
  Main.BodyNumber = Main.SelectedObject;
  Main.Period = keplerPeriodDays(Main.SelectedObject);
}

// A run without its window: the model, a headless window whose end-year
// test is off, and runs of a given length.
struct Experiment {
  ModelRun run;
  HeadlessRunWindow window;

  Experiment() { window.controls.endAtYear = false; }
  void start() { startRun(run, window); }

  // Runs until the model time has passed `years` Julian years, with an
  // output pass every `stepsPerOutput` steps at which `sample` runs.
  void runYears(double years, int stepsPerOutput, const std::function<void()>& sample = {}) {
    const double end = years * 365.25 * 86400;
    window.onEvents = [&] {
      if (sample) sample();
      if (Main.ModelTime >= end) Main.StopFlag = 1;
    };
    Main.NC0 = static_cast<int16_t>(stepsPerOutput);
    run.RunExperiment(window);
    window.onEvents = nullptr;
  }

  // Runs exactly `steps` passes and one output pass, as "NC0 шагов" does.
  void runSteps(int steps) {
    Main.StopFlag = 1;
    Main.StepCounter = 0;
    Main.NC0 = static_cast<int16_t>(steps);
    run.RunExperiment(window);
  }
};

}  // namespace solar
