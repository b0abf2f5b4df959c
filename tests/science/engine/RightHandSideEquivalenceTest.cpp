// The fast pair loops of the right-hand side against a plain evaluation of
// the same equations written here pair by pair, and a short run of the
// model against a plain Runge-Kutta integration of the same system:
//   a(k) = Σ over sources i of −G·m(i)·PairIncluded(i, k)·r / R³,
// with r the vector from the source to k, from its present position or,
// with a finite speed of gravity, from its trace: two iterations of
// T = R / Vgr from the present distance, the trace T seconds back along
// the present velocity (DX1), along velocity and acceleration (DX2), or
// interpolated linearly in time in the stored positions (DX3: between the
// present position and the newest record when the moment is newer than it,
// the trace of DX2 when older than the oldest).
// Reference: Abramowitz & Stegun, Handbook of Mathematical Functions,
//   25.5.10 (the classical Runge-Kutta step).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "core/state/SharedState.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace {

constexpr int N = nbody::kBodyCount;

struct Vec {
  double x, y, z;
};

Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y, s * a.z}; }
double length(Vec a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Vec positionOf(const double* state, int b) { return {state[b], state[N + b], state[2 * N + b]}; }
Vec velocityOf(const double* state, int b) { return {state[3 * N + b], state[4 * N + b], state[5 * N + b]}; }

// The stored positions as the shared tables hold them (record 0 the newest).
Vec recordedPosition(int body, int record) {
  return {Main.PositionHistoryX(body, record), Main.PositionHistoryY(body, record),
          Main.PositionHistoryZ(body, record)};
}

// The place of source i that target k sees, T seconds back, at stageTime.
Vec tracePosition(int variant, const double* state, int i, double T, double stageTime) {
  const Vec here = positionOf(state, i);
  const Vec alongVelocity = here - T * velocityOf(state, i);
  const Vec lastAcceleration{Main.AccelerationX[i], Main.AccelerationY[i], Main.AccelerationZ[i]};
  const Vec alongAcceleration = alongVelocity + (T * T / 2) * lastAcceleration;
  if (variant == 1) return alongVelocity;
  if (variant == 2) return alongAcceleration;
  const double when = stageTime - T;
  const int last = Main.HistoryPoints;
  const double newestTime = Main.PositionHistoryTime[0];
  if (when >= newestTime) {
    const double span = stageTime - newestTime;
    const double f = span > 0 ? T / span : 0.0;
    return here - f * (here - recordedPosition(i, 0));
  }
  if (when < Main.PositionHistoryTime[last]) return alongAcceleration;
  int j = 1;
  while (Main.PositionHistoryTime[j] > when) ++j;
  const Vec later = recordedPosition(i, j - 1), earlier = recordedPosition(i, j);
  const double f = (Main.PositionHistoryTime[j - 1] - when) /
                   (Main.PositionHistoryTime[j - 1] - Main.PositionHistoryTime[j]);
  return later + f * (earlier - later);
}

// Accelerations of the eleven bodies (X block, Y block, Z block), pair by pair.
std::vector<double> plainAccelerations(const double* state, double stageTime) {
  const bool retarded = Main.FiniteVgrFlag != 0;
  std::vector<double> a(3 * N, 0.0);
  for (int k = 0; k < N; ++k) {
    for (int i = 0; i < N; ++i) {
      const double gm = i == k ? 0.0 : Main.PairIncluded(i, k) * Main.gamma * Main.Mass[i];
      if (gm == 0) continue;
      const Vec target = positionOf(state, k);
      Vec r = target - positionOf(state, i);
      if (retarded) {
        const double present = length(r);
        double R = present;
        for (int iteration = 0; iteration < 2; ++iteration)
          R = length(r = target - tracePosition(Main.kodDX, state, i, R / Main.Vgr, stageTime));
      }
      const double R = length(r);
      const double factor = -gm / (R * R * R);
      a[k] += factor * r.x;
      a[N + k] += factor * r.y;
      a[2 * N + k] += factor * r.z;
    }
  }
  return a;
}

// |a − b| per component against the size of the accelerations of that body.
void expectSameAccelerations(const double* fast, const std::vector<double>& plain) {
  for (int b = 0; b < N; ++b) {
    const double size = std::hypot(plain[b], plain[N + b], plain[2 * N + b]);
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(fast[c * N + b], plain[c * N + b], 1e-13 * size) << "body " << b << " component " << c;
  }
}

// The Sun and the planets listed, on the J2000 elements, and the spare
// body as a Moon beside the Earth when it is listed too.
void placeSystem(std::initializer_list<int> bodies) {
  solar::resetModel();
  solar::placeBodies(bodies);
  if (std::find(bodies.begin(), bodies.end(), 10) != bodies.end()) {
    Main.Mass[10] = Main.Mass[3] / 81.300585;
    Main.X0[10] = Main.X0[3] + 384.4e6;
    Main.Y0[10] = Main.Y0[3];
    Main.Z0[10] = Main.Z0[3];
    Main.VX0[10] = Main.VX0[3];
    Main.VY0[10] = Main.VY0[3] + 1022;
    Main.VZ0[10] = Main.VZ0[3];
  }
}

struct StageCase {
  const char* name;
  std::initializer_list<int> bodies;
  int finiteSpeed;   // FiniteVgrFlag
  int variant;       // kodDX
  double slowdown;   // Vgr = Vsv / slowdown once the history is filled
};

class RightHandSide : public ::testing::TestWithParam<StageCase> {};

// After some steps with uneven lengths (so that the stored positions are
// unevenly spaced and the accelerations of the last step are known), the
// right-hand side of a stage half a step ahead.
TEST_P(RightHandSide, EqualsThePlainPairSums) {
  const StageCase c = GetParam();
  placeSystem(c.bodies);
  Main.FiniteVgrFlag = static_cast<int16_t>(c.finiteSpeed);
  Main.kodDX = static_cast<int16_t>(c.variant);
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  for (const double step : {3600.0, 1300.0, 3600.0, 700.0}) {
    Main.Step = step;
    experiment.runSteps(7);
  }
  Main.Vgr = Main.Vsv / c.slowdown;
  experiment.run.readPassState(experiment.window);
  Main.StageOffset = 1800;
  const double* state = Main.StateVector.data();
  experiment.run.Diffur();

  const std::vector<double> plain = plainAccelerations(state, Main.ModelTime + Main.StageOffset);
  expectSameAccelerations(Main.StateDerivative.data() + nbody::kVelocityOffset, plain);
  for (int j = 0; j < nbody::kVelocityOffset; ++j)
    EXPECT_EQ(Main.StateDerivative[j], state[nbody::kVelocityOffset + j]);
}

constexpr std::initializer_list<int> kPlanets = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::initializer_list<int> kPlanetsAndMoon = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::initializer_list<int> kInner = {0, 1, 2, 3, 5};
// Ten bodies that are not the first ten of the state.
constexpr std::initializer_list<int> kTenWithMoon = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};

INSTANTIATE_TEST_SUITE_P(
    RetardationAndBodies, RightHandSide,
    ::testing::Values(StageCase{"InstantTen", kPlanets, 0, 1, 1}, StageCase{"InstantEleven", kPlanetsAndMoon, 0, 1, 1},
                      StageCase{"InstantFive", kInner, 0, 1, 1}, StageCase{"VelocityTen", kPlanets, 1, 1, 1},
                      StageCase{"VelocityEleven", kPlanetsAndMoon, 1, 1, 1}, StageCase{"VelocityFive", kInner, 1, 1, 1},
                      StageCase{"AccelerationTen", kPlanets, 1, 2, 1},
                      StageCase{"AccelerationEleven", kPlanetsAndMoon, 1, 2, 1},
                      StageCase{"AccelerationFive", kInner, 1, 2, 1},
                      StageCase{"VelocityTenAmongEleven", kTenWithMoon, 1, 1, 1},
                      StageCase{"AccelerationTenAmongEleven", kTenWithMoon, 1, 2, 1},
                      // Gravity ten times slower: Mercury's traces lie too far from
                      // its present place for the estimated propagation times.
                      StageCase{"VelocitySlowGravity", kPlanetsAndMoon, 1, 1, 10},
                      StageCase{"AccelerationSlowGravity", kPlanetsAndMoon, 1, 2, 10},
                      StageCase{"StoredTen", kPlanets, 1, 3, 1},
                      StageCase{"StoredTenAmongEleven", kTenWithMoon, 1, 3, 1},
                      StageCase{"StoredEleven", kPlanetsAndMoon, 1, 3, 1}, StageCase{"StoredFive", kInner, 1, 3, 1},
                      // Gravity ten times slower than the history was made for: the far
                      // pairs' moments lie before the oldest record.
                      StageCase{"StoredBeyondTheHistory", kPlanetsAndMoon, 1, 3, 10}),
    [](const ::testing::TestParamInfo<StageCase>& info) { return std::string(info.param.name); });

// dY/dt of the whole state at stageTime: velocities, then the plain
// accelerations.
std::vector<double> plainDerivative(const std::vector<double>& y, double stageTime) {
  std::vector<double> d(y.begin() + nbody::kVelocityOffset, y.end());
  const std::vector<double> a = plainAccelerations(y.data(), stageTime);
  d.insert(d.end(), a.begin(), a.end());
  return d;
}

// The traces a plain integration keeps as the model does: the mean
// acceleration of the last step (DX2) and the stored positions (DX3), a new
// newest record once P00 seconds have passed since the last one. They live
// in the shared tables, where the plain accelerations read them.
struct PlainTraces {
  double lastRecordTime = 0;

  void afterStep(const std::vector<double>& y, double t, const std::vector<double>& meanAcceleration) {
    for (int b = 0; b < N; ++b) {
      Main.AccelerationX[b] = meanAcceleration[b];
      Main.AccelerationY[b] = meanAcceleration[N + b];
      Main.AccelerationZ[b] = meanAcceleration[2 * N + b];
    }
    if (Main.kodDX != 3 || t < lastRecordTime + Main.P00) return;
    for (int j = Main.HistoryPoints; j > 0; --j) {
      Main.PositionHistoryTime[j] = Main.PositionHistoryTime[j - 1];
      for (int b = 0; b < N; ++b) {
        Main.PositionHistoryX(b, j) = Main.PositionHistoryX(b, j - 1);
        Main.PositionHistoryY(b, j) = Main.PositionHistoryY(b, j - 1);
        Main.PositionHistoryZ(b, j) = Main.PositionHistoryZ(b, j - 1);
      }
    }
    Main.PositionHistoryTime[0] = t;
    for (int b = 0; b < N; ++b) {
      Main.PositionHistoryX(b, 0) = y[b];
      Main.PositionHistoryY(b, 0) = y[N + b];
      Main.PositionHistoryZ(b, 0) = y[2 * N + b];
    }
    lastRecordTime = t;
  }
};

// A plain classical Runge-Kutta step from time t, with k = h·f(y) as the
// reference writes it (the second and third stages at t + h/2); the mean
// of the four stages' accelerations goes to the traces.
void plainStep(std::vector<double>& y, double h, double t, PlainTraces& traces) {
  const auto scaled = [&](const std::vector<double>& d) {
    std::vector<double> k(d);
    for (double& v : k) v *= h;
    return k;
  };
  const auto along = [&](const std::vector<double>& kn, double w) {
    std::vector<double> r(y);
    for (size_t j = 0; j < y.size(); ++j) r[j] += kn[j] * w;
    return r;
  };
  const std::vector<double> d1 = plainDerivative(y, t), k1 = scaled(d1);
  const std::vector<double> d2 = plainDerivative(along(k1, 0.5), t + h / 2), k2 = scaled(d2);
  const std::vector<double> d3 = plainDerivative(along(k2, 0.5), t + h / 2), k3 = scaled(d3);
  const std::vector<double> d4 = plainDerivative(along(k3, 1.0), t + h), k4 = scaled(d4);
  for (size_t j = 0; j < y.size(); ++j) y[j] += (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]) / 6;
  std::vector<double> mean(3 * N);
  for (int j = 0; j < 3 * N; ++j) {
    const int v = nbody::kVelocityOffset + j;
    mean[j] = (d1[v] + 2 * d2[v] + 2 * d3[v] + d4[v]) / 6;
  }
  traces.afterStep(y, t + h, mean);
}

class ModelRunAgainstPlainIntegration : public ::testing::TestWithParam<int> {};

// A hundred days of one-hour steps of the Sun, the planets and the Moon,
// with the sources acting from their present positions (0) or from their
// traces (kodDX 1, 2, 3): the model's positions stay with the plain
// integration's to 1e-12 of the distance from the Sun.
TEST_P(ModelRunAgainstPlainIntegration, PositionsAgreeAfterAHundredDays) {
  const int variant = GetParam();
  placeSystem(kPlanetsAndMoon);
  Main.FiniteVgrFlag = variant == 0 ? 0 : 1;
  Main.kodDX = static_cast<int16_t>(variant == 0 ? 1 : variant);
  solar::Experiment experiment;
  experiment.window.controls.trackOrbit = false;
  experiment.start();
  std::vector<double> plain(Main.StateVector.data(), Main.StateVector.data() + nbody::kStateSize);
  const double startTime = Main.ModelTime;
  std::vector<double> startAcceleration(3 * N);
  for (int b = 0; b < N; ++b) {
    startAcceleration[b] = Main.AccelerationX[b];
    startAcceleration[N + b] = Main.AccelerationY[b];
    startAcceleration[2 * N + b] = Main.AccelerationZ[b];
  }
  // The stored positions as the start filled them.
  struct Record {
    double time;
    std::vector<double> x, y, z;
  };
  std::vector<Record> startHistory;
  for (int j = 0; variant == 3 && j <= Main.HistoryPoints; ++j) {
    Record r{Main.PositionHistoryTime[j], {}, {}, {}};
    for (int b = 0; b < N; ++b) {
      r.x.push_back(Main.PositionHistoryX(b, j));
      r.y.push_back(Main.PositionHistoryY(b, j));
      r.z.push_back(Main.PositionHistoryZ(b, j));
    }
    startHistory.push_back(r);
  }
  constexpr int kSteps = 2400;
  experiment.runSteps(kSteps);
  const std::vector<double> model(Main.StateVector.data(), Main.StateVector.data() + nbody::kStateSize);

  PlainTraces traces;
  traces.lastRecordTime = startTime;
  for (int j = 0; j < static_cast<int>(startHistory.size()); ++j) {
    Main.PositionHistoryTime[j] = startHistory[j].time;
    for (int b = 0; b < N; ++b) {
      Main.PositionHistoryX(b, j) = startHistory[j].x[b];
      Main.PositionHistoryY(b, j) = startHistory[j].y[b];
      Main.PositionHistoryZ(b, j) = startHistory[j].z[b];
    }
  }
  for (int b = 0; b < N; ++b) {
    Main.AccelerationX[b] = startAcceleration[b];
    Main.AccelerationY[b] = startAcceleration[N + b];
    Main.AccelerationZ[b] = startAcceleration[2 * N + b];
  }
  for (int n = 0; n < kSteps; ++n) plainStep(plain, 3600, startTime + n * 3600.0, traces);

  for (int b = 1; b < N; ++b) {
    const double distance = length(positionOf(plain.data(), b) - positionOf(plain.data(), 0));
    const Vec difference = positionOf(model.data(), b) - positionOf(plain.data(), b);
    EXPECT_LT(length(difference), 1e-12 * distance) << "body " << b;
  }
}

std::string retardationName(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"Instant", "Velocity", "Acceleration", "Stored"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Retardation, ModelRunAgainstPlainIntegration, ::testing::Values(0, 1, 2, 3),
                         retardationName);

}  // namespace
