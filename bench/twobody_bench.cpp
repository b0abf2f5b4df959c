// Speed of the two-body right-hand side Diffur11: one Runge-Kutta step of a
// Moon-like pair (four calls) with Newton's law alone, and with the
// finite-speed interval open: drag, the analytical tangential force on both
// bodies, and the retardation of the attracting body.
#include <benchmark/benchmark.h>

#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "science/twobody/TwoBody.h"

namespace {

void placeMoonLikePair() {
  startWithStartUpState();
  Main.gamma = 66.7259e-12;
  Main.Vgr = 299792458;
  Main.SelectedObject = 11;
  Main.SecondObject = 13;
  Main.Mass[11] = 7.35e22;
  Main.Mass[13] = 5.97e24;
  const double state[12] = {-4.9e6, 0, 0, 4.05e8, 0, 0, 0, -11.7, 0.1, 0, 952.3, -8};
  for (int j = 0; j < 12; ++j) Main.StateVector[j + 1] = state[j];
}

void BM_TwoBodyStepNewton(benchmark::State& state) {
  placeMoonLikePair();
  const twobody::ForceOptions options{};
  Main.FiniteVgrFlag = 0;
  for (auto _ : state) {
    twobody::rungeKuttaStep(60, options);
    benchmark::DoNotOptimize(Main.StateVector[4]);
  }
}
BENCHMARK(BM_TwoBodyStepNewton);

void BM_TwoBodyStepInterval(benchmark::State& state) {
  placeMoonLikePair();
  const twobody::ForceOptions options{true, twobody::FtMode::Analytically, false, true, 0};
  Main.FiniteVgrFlag = 1;
  Main.kPgr1 = 1e9;
  for (auto _ : state) {
    twobody::rungeKuttaStep(60, options);
    benchmark::DoNotOptimize(Main.StateVector[4]);
  }
}
BENCHMARK(BM_TwoBodyStepInterval);

}  // namespace

BENCHMARK_MAIN();
