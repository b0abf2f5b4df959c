#pragma once
// rungeKuttaStep: the classical fourth-order Runge-Kutta step of h over the
// shared state vector, the one step of the model run, the two-body window
// and the orbit check.
// Reads:    StateVector(first .. end-1); StateDerivative after each
//           evaluation
// Writes:   StepStartState (the state at the start of the step),
//           RungeKuttaK1 .. K4 (h times the derivative of each stage),
//           StateVector (the state of each stage, then the new state)
// Given:    h, the step; first, end: the range of the state; evaluate(n),
//           called for the stages n = 1 .. 4 with StateVector at the stage's
//           state, leaves the derivative there in StateDerivative (and sets
//           what the caller's right-hand side reads besides, e.g. the stage's
//           time)
// Notes:    Stages 2 and 3 lie at the middle of the step, stage 4 at its
//           end. The new state is start + (K1 + 2 K2 + 2 K3 + K4) / 6,
//           summed in that order.
// Reference: Abramowitz & Stegun, Handbook of Mathematical Functions, 25.5.10.
#include <algorithm>

#include "core/state/SharedState.h"

template <class Evaluate>
inline void rungeKuttaStep(double h, int first, int end, Evaluate&& evaluate) {
  double* const y = Main.StateVector.data();
  double* const start = Main.StepStartState.data();
  const double* const derivative = Main.StateDerivative.data();
  double* const k[4] = {Main.RungeKuttaK1.data(), Main.RungeKuttaK2.data(), Main.RungeKuttaK3.data(),
                        Main.RungeKuttaK4.data()};
  // The state of the next stage: start + K of this stage times its weight.
  constexpr double kNextStageWeight[3] = {0.5, 0.5, 1.0};

  std::copy(y + first, y + end, start + first);
  for (int stage = 0; stage < 3; ++stage) {
    evaluate(stage + 1);
    double* const ks = k[stage];
    const double weight = kNextStageWeight[stage];
    for (int j = first; j < end; ++j) {
      ks[j] = h * derivative[j];
      y[j] = start[j] + ks[j] * weight;
    }
  }
  evaluate(4);
  for (int j = first; j < end; ++j) {
    k[3][j] = h * derivative[j];
    y[j] = start[j] + (k[0][j] + 2 * k[1][j] + 2 * k[2][j] + k[3][j]) / 6;
  }
}
