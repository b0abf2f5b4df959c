// Constants of the regression formulas: the rotatable ones computed from the
// plan moments, the tabulated ones and their printed line.
#include <gtest/gtest.h>

#include "core/runtime/RuntimeError.h"
#include "StatTestSupport.h"

using namespace stat_test;

namespace {
constexpr int kOrthogonal = 1, kRotatable = 2, kUniform = 3, kDOptimal = 4;
}

// Rotatable plan, k = 2, three centre points: la2 = 8/11, la4 = 4/11, so
// A = 1331/384 and the constants are exact fractions.
TEST(ComputeRotatableCoefficients, TwoFactorRotatablePlan) {
  resetSharedState();
  buildPlan(kRotatable, 2);
  EXPECT_EQ(Stat.RunCount, 11);
  EXPECT_NEAR(Stat.Azimuth, 3.466146, 5e-7);
  EXPECT_NEAR(Stat.PlanK1, 1.0 / 3.0, 1e-14);
  EXPECT_NEAR(Stat.PlanK2, 1.0 / 6.0, 1e-14);
  EXPECT_NEAR(Stat.PlanK3, 0.125, 1e-14);
  EXPECT_NEAR(Stat.PlanK4, 0.25, 1e-14);
  EXPECT_NEAR(Stat.PlanK5, 0.125, 1e-14);
  EXPECT_NEAR(Stat.PlanK6, 0.052083, 5e-7);
  EXPECT_NEAR(Stat.PlanK7, 1.0 / 6.0, 1e-14);
}

// Uniform-rotatable plan, k = 2: the computed constants (k5 = 1/8 and
// k6 = 3/160 exactly) replace the tabulated 0.1251 and 0.0187, while the
// printed line keeps the tabulated values.
TEST(ComputeRotatableCoefficients, UniformPlanReplacesTheTabulatedConstants) {
  resetSharedState();
  buildPlan(kUniform, 2);
  EXPECT_EQ(Main.ScratchText4,
            "табличные коэффициенты  k1= 0,2  k2= 0,1  k3= 0,125  k4= 0,25  k5= 0,1251  k6= "
            "0,0187  k7= 0,1");
  const double computed[] = {0.2, 0.1, 0.125, 0.25, 0.125, 0.01875, 0.1};
  const double actual[] = {Stat.PlanK1, Stat.PlanK2, Stat.PlanK3, Stat.PlanK4,
                           Stat.PlanK5, Stat.PlanK6, Stat.PlanK7};
  for (int c = 0; c < 7; ++c) EXPECT_NEAR(actual[c], computed[c], 1e-14) << "k" << c + 1;
}

// Computed and tabulated uniform-rotatable constants agree to the table's
// four decimals (the table rounds or cuts them there: k5 of k = 2 is 0.1251
// against 1/8) for every k.
TEST(ComputeRotatableCoefficients, UniformConstantsAgreeWithTheTable) {
  const double table[5][7] = {
      {0.2, 0.1, 0.125, 0.25, 0.1251, 0.0187, 0.1},
      {0.1663, 0.0568, 0.0732, 0.125, 0.0625, 0.0069, 0.0568},
      {0.1428, 0.0357, 0.0417, 0.0625, 0.0312, 0.0037, 0.0357},
      {0.0988, 0.0191, 0.0231, 0.0312, 0.0156, 0.0015, 0.0191},
      {0.0625, 0.0098, 0.0125, 0.0156, 0.0078, 0.0005, 0.0098},
  };
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    buildPlan(kUniform, k);
    const double actual[] = {Stat.PlanK1, Stat.PlanK2, Stat.PlanK3, Stat.PlanK4,
                             Stat.PlanK5, Stat.PlanK6, Stat.PlanK7};
    for (int c = 0; c < 7; ++c) EXPECT_NEAR(actual[c], table[k - 2][c], 1.5e-4) << "k" << c + 1;
    EXPECT_EQ(Stat.PlanK2, Stat.PlanK7);
  }
}

// Orthogonal, D-optimal and Box plans keep whatever constants they had; the
// D-optimal plan of 4 and 5 factors takes its table (k7 unchanged), and the
// printed line shows the constants as they stand.
TEST(BuildPlanMatrix, TabulatedConstantsOfTheDOptimalPlan) {
  resetSharedState();
  Stat.PlanK7 = 0.75;
  buildPlan(kDOptimal, 4);
  EXPECT_EQ(Stat.PlanK1, 0.22917);
  EXPECT_EQ(Stat.PlanK6, 0.10417);
  EXPECT_EQ(Stat.PlanK7, 0.75);
  EXPECT_EQ(Main.ScratchText4,
            "табличные коэффициенты  k1= 0,22917  k2= 0,0625  k3= 0,0555556  k4= 0,0625  k5= 0,5  "
            "k6= 0,10417  k7= 0,75");
  buildPlan(kDOptimal, 3);  // no table for three factors
  EXPECT_EQ(Stat.PlanK1, 0.22917);
  buildPlan(kOrthogonal, 2);
  EXPECT_EQ(Stat.PlanK1, 0.22917);
  EXPECT_EQ(Stat.PlanK7, 0.75);
}

// A rotatable plan of 2 or 4 factors without centre points puts every run on
// one sphere (x1^2 + x2^2 = 2 in every run of k = 2): the free term and the
// squares cannot be told apart. Refused as a division by zero, not answered
// with huge constants.
TEST(ComputeRotatableCoefficients, SingularPlanWithoutCentrePointsIsADivisionByZero) {
  for (int type : {kRotatable, kUniform})
    for (int k : {2, 4}) {
      SCOPED_TRACE("type " + std::to_string(type) + " k " + std::to_string(k));
      resetSharedState();
      fillDesignColumns();
      Stat.PlanType = static_cast<int16_t>(type);
      Stat.Nf = static_cast<int16_t>(k);
      Stat.N0 = 0;
      BuildPlanMatrix();
      try {
        ComputeRotatableCoefficients();
        FAIL() << "no error";
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::DivisionByZero);
      }
    }
}

TEST(ComputeRotatableCoefficients, WithoutAPlanIsADivisionByZero) {
  resetSharedState();
  Stat.PlanType = kRotatable;
  Stat.Nf = 3;
  EXPECT_THROW(ComputeRotatableCoefficients(), RuntimeError);
}
