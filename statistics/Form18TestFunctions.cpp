// The nine test functions of Form8, by which the plan designer tries a plan
// on experiments whose shape is known.
#include "core/state/SharedState.h"
#include "statistics/Form18.h"
#include "statistics/Form8.h"

// EvaluateTestFunction: the experiment of the current run by the test
// function chosen on Form8 (loaded hidden when it is not loaded).
// Reads:    Stat.RunIndex (u), Stat.RunValues(1..4, u) (X1..X4, natural)
// Writes:   Stat.Criterion(u) = Y(u); Stat.Yopt = the function's reference
//           value: 10 for Y = u, else its value at X1 = X2 = X3 = X4 = 1
// Notes:    Nothing is written when no option is chosen. X4 = 0 in test 5
//           is a division by zero (the caller refuses it first).
void Form18::EvaluateTestFunction() {
  const int u = Stat.RunIndex;
  const double x1 = Stat.RunValues(1, u);
  const double x2 = Stat.RunValues(2, u);
  const double x3 = Stat.RunValues(3, u);
  const double x4 = Stat.RunValues(4, u);
  double y = 0;
  double reference = 0;
  switch (form8().chosenTest()) {
    case 1: y = u; reference = 10; break;
    case 2: y = x1 * x1 + x1; reference = 2; break;
    case 3: y = x1 + x2 + x3 + x4; reference = 4; break;
    case 4: y = x1 * x2 * x3 * x4; reference = 1; break;
    case 5: y = x1 * x2 * x3 / (x4 * x4); reference = 1; break;
    case 6: y = x1 * x2 + x1 * x3 + x1 * x4 + x2 * x3 + x2 * x4 + x3 * x4; reference = 6; break;
    case 7: y = x1 * x1 * x2 * x2; reference = 1; break;
    case 8: y = x1 * x1 + x2 * x2 + x3 * x3 + x4 * x4; reference = 4; break;
    case 9: y = x1 + x2 + x3 + x4 + x1 * x4 + x2 * x4 + x3 * x4 + x4 * x4; reference = 8; break;
    default: return;
  }
  Stat.Criterion[u] = y;
  Stat.Yopt = reference;
}
