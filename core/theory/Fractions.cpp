// FractionPositive and FractionSigned: the fractional part of a number.
#include <cmath>

#include "core/theory/Theory.h"

// FractionPositive: fractional part of x in [0, 1).
// Given:    x, any finite number (a number of turns, mostly)
// Returns:  x - Fix(x), plus 1 when that is negative; the result is stored
//           back into x as well.
// Notes:    -0.25 gives 0.75, 2.5 gives 0.5. A negative x whose fraction is
//           below the rounding of 1 (x = -1e-20) gives 1 - tiny = 1.0 exactly
//           in double precision, so such an x yields 0 instead: the result
//           stays in [0, 1).
double FractionPositive(double& x) {
  double fraction = x - std::trunc(x);
  if (fraction < 0.0) {
    fraction += 1.0;
    if (fraction >= 1.0) fraction = 0.0;
  }
  x = fraction;
  return x;
}

// FractionSigned: fractional part of x with the sign of x.
// Given:    x, any finite number
// Returns:  x - Fix(x), in (-1, 1); -2.25 gives -0.25. x is not changed.
double FractionSigned(double x) { return x - std::trunc(x); }
