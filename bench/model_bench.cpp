// Speed of the model run, headless: (a) one right-hand-side call of the
// eleven-body model, classical with the retardation variants DX1 and DX3 and
// relativistic; (b) workload W: the JPL0 theory at JD 2451545.0, the Sun
// and all planets, one-hour steps without step reduction, 100 Julian years,
// Mercury followed, no files; (c) one year of the default run: step
// reduction near Mercury's passages (step divisor 1000, window 1 degree);
// (d) the cost of a law of gravity pressure: one right-hand-side call under
// Weber's and the Л-В law, and a year of workload W under Weber's law with
// the run loop's bookkeeping of the pair kinematics.
//
// (e) workload W for 20 years, Newtonian and under each retardation
// variant (kodDX 1, 2, 3), for the cost of the traces per step; (f) a year
// of retardation 2 under the Л-В law and without a law.
//
// Compare (b) with ../shared/bench/nbody_rk4_reference.cpp built with the
// same compiler flags, run one after the other on the same machine.
#include <benchmark/benchmark.h>

#include "core/state/SharedState.h"
#include "science/engine/HeadlessRunWindow.h"
#include "science/engine/ModelRun.h"
#include "tests/science/engine/SolarSystemSetup.h"

namespace {

using solar::placePlanetsByJPL0;

// One right-hand-side call at the start of a run of the eleven bodies,
// under the law of gravity pressure `law` (kodPgr, 0 none) with its
// kinematics recomputed at every stage.
void rightHandSide(benchmark::State& state, int forceModel, int finiteSpeed, int variant, int law = 0) {
  placePlanetsByJPL0();
  Main.kodPgr = static_cast<int16_t>(law);
  Main.kPgr1 = 0.5;
  Main.kPgr2 = 1;
  Main.EveryStageKinematicsFlag = 1;
  for (int b = 0; b <= 10; ++b)
    for (int k = 0; k <= 10; ++k) Main.PairIncluded(b, k) = 1;
  Main.ObjectIncluded[10] = 1;
  Main.ForceModel = static_cast<int16_t>(forceModel);
  Main.FiniteVgrFlag = static_cast<int16_t>(finiteSpeed);
  Main.kodDX = static_cast<int16_t>(variant);
  solar::Experiment experiment;
  experiment.start();
  experiment.run.readPassState(experiment.window);
  Main.StageOffset = 1800;
  for (auto _ : state) {
    if (law != 0) Main.StageCounter = 1;  // the second stage: its differences are taken
    if (forceModel == 1)
      experiment.run.DiffurOTO();
    else
      experiment.run.Diffur();
    benchmark::DoNotOptimize(Main.StateDerivative.data());
  }
}

BENCHMARK_CAPTURE(rightHandSide, classical_instant, 0, 0, 1);
BENCHMARK_CAPTURE(rightHandSide, classical_DX1, 0, 1, 1);
BENCHMARK_CAPTURE(rightHandSide, classical_DX3, 0, 1, 3);
BENCHMARK_CAPTURE(rightHandSide, relativistic, 1, 1, 1);
BENCHMARK_CAPTURE(rightHandSide, classical_DX1_Weber, 0, 1, 1, 2);
BENCHMARK_CAPTURE(rightHandSide, classical_DX1_LienardWiechert, 0, 1, 1, 5);

// A run of the Sun and the planets, Mercury followed, for the years given,
// with or without the step reduction near its passages, and under the law
// of gravity pressure `law` (kodPgr, 0 none; the sources then act from
// their traces, DX1, with the speed of gravity Vsv).
void modelRun(benchmark::State& state, double years, int stepDivisor, int law = 0, int retardation = 0) {
  for (auto _ : state) {
    state.PauseTiming();
    placePlanetsByJPL0();
    Main.StepDivisor = static_cast<int16_t>(stepDivisor);
    if (retardation != 0) {
      Main.FiniteVgrFlag = 1;
      Main.kodDX = static_cast<int16_t>(retardation);
    }
    if (law != 0) {
      Main.FiniteVgrFlag = 1;
      Main.kodPgr = static_cast<int16_t>(law);
      Main.kPgr1 = 0.5;
      Main.kPgr2 = 1;
      Main.EveryStageKinematicsFlag = 1;
    }
    solar::Experiment experiment;
    experiment.start();
    state.ResumeTiming();
    experiment.runYears(years, 1000);
    benchmark::DoNotOptimize(Main.StateVector.data());
    // Steps of the run: one output pass every 1000 steps.
    state.counters["steps"] = experiment.window.eventPumps * 1000.0;
    state.counters["ns_per_step"] = benchmark::Counter(experiment.window.eventPumps * 1000.0,
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
  }
}

void workloadW(benchmark::State& state) { modelRun(state, 100, 1); }
// Workload W for 20 years, Newtonian and with the sources acting from
// their traces (kodDX 1, 2, 3 with Vgr = Vsv): compare ns_per_step.
void workloadW20(benchmark::State& state) { modelRun(state, 20, 1); }
void workloadW20Retarded(benchmark::State& state, int variant) { modelRun(state, 20, 1, 0, variant); }
void defaultRunOneYear(benchmark::State& state) { modelRun(state, 1, 1000); }
void weberRunOneYear(benchmark::State& state) { modelRun(state, 1, 1, 2); }
// A year of workload W as the plans over the model run it when the factor
// of the law plays a part: retardation 2 under the Л-В law (kodPgr 5),
// beside retardation 2 alone; compare ns_per_step.
void lienardWiechertRunOneYear(benchmark::State& state) { modelRun(state, 1, 1, 5, 2); }
void retardedRunOneYear(benchmark::State& state) { modelRun(state, 1, 1, 0, 2); }

BENCHMARK(workloadW)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(workloadW20)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(workloadW20Retarded, DX1, 1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(workloadW20Retarded, DX2, 2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(workloadW20Retarded, DX3, 3)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(defaultRunOneYear)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(weberRunOneYear)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(lienardWiechertRunOneYear)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(retardedRunOneYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
