#include <gtest/gtest.h>

#include "core/theory/Theory.h"

namespace {

struct FractionCase {
  double x;
  double positive;  // fraction in [0, 1)
  double signed_;   // fraction with the sign of x
};

TEST(Fractions, PositiveFractionIsInUnitIntervalAndSignedKeepsTheSign) {
  const FractionCase cases[] = {
      {-0.25, 0.75, -0.25},
      {2.5, 0.5, 0.5},
      {-2.25, 0.75, -0.25},
      {3.0, 0.0, 0.0},
      {-3.0, 0.0, 0.0},
      {0.0, 0.0, 0.0},
      // A negative number whose fraction is below the rounding of 1: 1 - tiny
      // would round to 1.0, outside [0, 1).
      {-1e-20, 0.0, -1e-20},
  };
  for (const FractionCase& c : cases) {
    SCOPED_TRACE(c.x);
    double x = c.x;
    EXPECT_DOUBLE_EQ(FractionSigned(x), c.signed_);
    EXPECT_EQ(x, c.x) << "FractionSigned leaves its argument alone";
    const double result = FractionPositive(x);
    EXPECT_DOUBLE_EQ(result, c.positive);
    EXPECT_EQ(x, result) << "FractionPositive stores the fraction back";
    EXPECT_GE(result, 0.0);
    EXPECT_LT(result, 1.0);
  }
}

TEST(Fractions, PositiveFractionOfAnExpressionNeedsNoVariable) {
  EXPECT_DOUBLE_EQ(FractionPositive(-7.5 / 2.0), 0.25);
}

}  // namespace
