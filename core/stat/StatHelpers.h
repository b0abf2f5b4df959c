#pragma once
// Helpers shared by the statistics procedures: the numbering of the model
// terms, divisions that refuse a zero divisor, and the truncated number text
// of the optimum transcript.
#include <string>

namespace stat_detail {

// The plan types as PlanType holds them.
enum PlanKind : int {
  kOrthogonal = 1,
  kRotatable = 2,
  kUniformRotatable = 3,  // rotatable with uniform precision
  kDOptimal = 4,          // face-centred, no zero points
  kBoxComposite = 5,      // face-centred, short formulas
};

// Number of pair terms k(k-1)/2 and of all model terms 2k + k(k-1)/2.
constexpr int pairTermCount(int k) { return k * (k - 1) / 2; }
constexpr int modelTermCount(int k) { return 2 * k + pairTermCount(k); }

// Term number of the pair product x_a*x_b (1 <= a < b <= k): the pairs follow
// (1,2), (1,3) .. (1,k), (2,3) .. (k-1,k) after the k linear terms.
constexpr int pairTerm(int k, int a, int b) {
  return k + (a - 1) * (2 * k - a) / 2 + (b - a);
}

// Term number of the square x_i^2 (1 <= i <= k).
constexpr int squareTerm(int k, int i) { return k + pairTermCount(k) + i; }

// numerator / denominator; a zero denominator raises
// RuntimeError(DivisionByZero) instead of giving an infinity or a NaN that
// would run on through the rest of the chain.
double divideOrThrow(double numerator, double denominator);

// The difference of two sums that cancel, set to exactly 0 when it is no
// larger than the rounding of sums of the given scale (1e-12 relative), so
// that a singular plan gives a division by zero rather than huge constants.
double cancelRoundOff(double difference, double scale);

// The value truncated toward zero to the given decimals, as default number
// text with the decimal comma ("0,123", "-2"); a truncated zero shows as "0".
std::string truncatedText(double value, int decimals);

}  // namespace stat_detail
