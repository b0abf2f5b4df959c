// Experiment plans: the design strings, the coded plan matrices against the
// published central-composite plans, their arms, run counts and moments, and
// the refusal of a plan that the design strings cannot hold.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/runtime/RuntimeError.h"
#include "StatTestSupport.h"

using namespace stat_test;

namespace {

constexpr int kOrthogonal = 1, kRotatable = 2, kUniform = 3, kDOptimal = 4, kBox = 5;

void expectPlanEquals(const std::vector<Point>& expected, double tolerance) {
  const std::vector<Point> actual = planPoints();
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r)
    for (std::size_t i = 0; i < expected[r].size(); ++i)
      EXPECT_NEAR(actual[r][i], expected[r][i], tolerance) << "run " << r + 1 << " factor " << i + 1;
}

}  // namespace

TEST(DesignColumns, TwoFactorStringsAreTheFixedOnes) {
  resetSharedState();
  fillDesignColumns();
  EXPECT_EQ(Stat.DesignColumns(2, 1), "+1+1-1-1+1-1+0+0+0+0+0+0+0+0+0+0+0+0+0+0");
  EXPECT_EQ(Stat.DesignColumns(2, 2), "+1-1+1-1+0+0+1-1+0+0+0+0+0+0+0+0+0+0+0+0");
  const int fields[] = {20, 24, 34, 52, 91};
  for (int k = 2; k <= 6; ++k)
    for (int i = 1; i <= k; ++i)
      EXPECT_EQ(Stat.DesignColumns(k, i).size(), 2u * fields[k - 2]) << "k=" << k << " i=" << i;
}

// Two-factor plans as the textbooks print them (Adler et al., The Design of
// Experiments to Find Optimal Conditions, ch. 7): the 2^2 core, the star at
// +-arm, the centre.
TEST(BuildPlanMatrix, TwoFactorPlansMatchThePublishedMatrices) {
  const double a = 1.414214;  // rotatable arm, printed to six decimals
  const std::vector<Point> orthogonal = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}, {1, 0},
                                         {-1, 0}, {0, 1}, {0, -1}, {0, 0}};
  const std::vector<Point> rotatable = {{1, 1},  {1, -1}, {-1, 1}, {-1, -1}, {a, 0}, {-a, 0},
                                        {0, a},  {0, -a}, {0, 0},  {0, 0},   {0, 0}};
  resetSharedState();
  buildPlan(kOrthogonal, 2);
  expectPlanEquals(orthogonal, 0.0);
  buildPlan(kRotatable, 2);
  expectPlanEquals(rotatable, 5e-7);
}

// Every plan type and factor count against a central-composite plan built from
// its definition, with the published arms: orthogonal 1, 1.215, 1.414, 1.596,
// 1.761; rotatable 2^(k/4) = 1.414, 1.682, 2, 2.378, 2.828; face-centred 1.
// Zero points: orthogonal and Box 1; rotatable 3, 2, 2, 3, 3; uniform
// precision (Box & Hunter 1957) 5, 6, 7, 10, 15; D-optimal none.
TEST(BuildPlanMatrix, PlansMatchCentralCompositeDesignsWithPublishedArmsAndRuns) {
  struct Row { int type; int k; double arm; int zeroPoints; int runs; };
  const Row rows[] = {
      {kOrthogonal, 2, 1.000, 1, 9},  {kOrthogonal, 3, 1.215, 1, 15}, {kOrthogonal, 4, 1.414, 1, 25},
      {kOrthogonal, 5, 1.596, 1, 43}, {kOrthogonal, 6, 1.761, 1, 77},
      {kRotatable, 2, 1.414, 3, 11},  {kRotatable, 3, 1.682, 2, 16},  {kRotatable, 4, 2.000, 2, 26},
      {kRotatable, 5, 2.378, 3, 45},  {kRotatable, 6, 2.828, 3, 79},
      {kUniform, 2, 1.414, 5, 13},    {kUniform, 3, 1.682, 6, 20},    {kUniform, 4, 2.000, 7, 31},
      {kUniform, 5, 2.378, 10, 52},   {kUniform, 6, 2.828, 15, 91},
      {kDOptimal, 4, 1.0, 0, 24},     {kDOptimal, 5, 1.0, 0, 42},
      {kBox, 2, 1.0, 1, 9},           {kBox, 3, 1.0, 1, 15},          {kBox, 6, 1.0, 1, 77},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("type " + std::to_string(row.type) + " k " + std::to_string(row.k));
    resetSharedState();
    buildPlan(row.type, row.k);
    EXPECT_EQ(Stat.N0, row.zeroPoints);
    EXPECT_EQ(Stat.RunCount, row.runs);
    EXPECT_EQ(Stat.CorePoints, 1 << row.k);
    EXPECT_EQ(Stat.StarPoints, 2 * row.k);
    EXPECT_EQ(Stat.InteractionCount, row.k * (row.k - 1) / 2);
    EXPECT_NEAR(Stat.StarArm, row.arm, 5e-4);  // arms printed to three decimals
    expectPlanEquals(centralCompositePlan(row.k, Stat.StarArm, row.zeroPoints), 0.0);
  }
}

// An orthogonal plan makes every model column (squares taken less MeanX2)
// orthogonal to the free term and to each other: X'X is diagonal.
TEST(BuildPlanMatrix, OrthogonalPlanColumnsAreMutuallyOrthogonal) {
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    buildPlan(kOrthogonal, k);
    const int terms = 2 * k + k * (k - 1) / 2;
    for (int t = 1; t <= terms; ++t) {
      double sum = 0.0;
      for (int r = 1; r <= Stat.RunCount; ++r) sum += Stat.PlanMatrix(t, r);
      EXPECT_NEAR(sum, 0.0, 1e-12) << "term " << t;
      for (int u = t + 1; u <= terms; ++u) {
        double product = 0.0;
        for (int r = 1; r <= Stat.RunCount; ++r) product += Stat.PlanMatrix(t, r) * Stat.PlanMatrix(u, r);
        EXPECT_NEAR(product, 0.0, 1e-12) << "terms " << t << ", " << u;
      }
    }
  }
}

// Rotatable plans (Box & Hunter 1957): sum x_i^4 = 3 sum x_i^2 x_j^2, so the
// moment la4 = sum x_i^4 / 3n equals sum x_i^2 x_j^2 / n.
TEST(BuildPlanMatrix, RotatablePlansHaveTheRotatableFourthMoments) {
  for (int type : {kRotatable, kUniform})
    for (int k = 2; k <= 6; ++k) {
      SCOPED_TRACE("type " + std::to_string(type) + " k " + std::to_string(k));
      resetSharedState();
      buildPlan(type, k);
      double mixed = 0.0;
      for (int r = 1; r <= Stat.RunCount; ++r)
        mixed += std::pow(Stat.PlanMatrix(1, r) * Stat.PlanMatrix(2, r), 2);
      EXPECT_NEAR(Stat.la4, mixed / Stat.RunCount, 1e-12);
    }
}

TEST(BuildPlanMatrix, MomentsAndSquareColumnsOfTheListedPlans) {
  resetSharedState();
  buildPlan(kOrthogonal, 2);
  EXPECT_EQ(Stat.RunCount, 9);
  EXPECT_EQ(Stat.StarArm, 1.0);
  EXPECT_NEAR(Stat.MeanX2, 2.0 / 3.0, 1e-15);
  EXPECT_NEAR(Stat.la2, 0.666667, 5e-7);
  EXPECT_NEAR(Stat.la4, 0.222222, 5e-7);
  EXPECT_NEAR(Stat.la4z, 0.5, 1e-15);
  // The square column of a core run is 1 - 2/3, of the centre 0 - 2/3.
  EXPECT_NEAR(Stat.PlanMatrix(4, 1), 1.0 / 3.0, 1e-15);
  EXPECT_NEAR(Stat.PlanMatrix(4, 9), -2.0 / 3.0, 1e-15);

  buildPlan(kOrthogonal, 3);
  EXPECT_EQ(Stat.RunCount, 15);
  EXPECT_NEAR(Stat.StarArm, 1.215412, 5e-7);
  EXPECT_NEAR(Stat.MeanX2, 0.730297, 5e-7);

  buildPlan(kRotatable, 2);
  EXPECT_NEAR(Stat.StarArm, 1.414214, 5e-7);
  EXPECT_NEAR(Stat.la2, 0.727273, 5e-7);
  EXPECT_NEAR(Stat.la4, 0.363636, 5e-7);
  EXPECT_NEAR(Stat.la4z, 0.6875, 1e-12);

  buildPlan(kUniform, 6);
  EXPECT_EQ(Stat.RunCount, 91);
  EXPECT_NEAR(Stat.StarArm, 2.828427, 5e-7);

  // Box composite, k = 3: arm 1 and plain squares.
  buildPlan(kBox, 3);
  EXPECT_EQ(Stat.RunCount, 15);
  EXPECT_EQ(Stat.MeanX2, 0.0);
  EXPECT_EQ(Stat.PlanMatrix(1, 9), 1.0);
  EXPECT_EQ(Stat.PlanMatrix(1, 10), -1.0);
  EXPECT_EQ(Stat.PlanMatrix(7, 10), 1.0);  // x1^2 in the star run at -1
  EXPECT_EQ(Stat.PlanMatrix(7, 15), 0.0);
}

TEST(BuildPlanMatrix, ColumnSumsAreThoseOfThePlan) {
  resetSharedState();
  buildPlan(kRotatable, 3);  // 8 core, 6 star at 2^(3/4), 2 centre
  const double arm2 = std::sqrt(8.0);  // arm^2 = 2^(3/2)
  EXPECT_NEAR(Stat.EXi[1], 0.0, 1e-14);
  EXPECT_NEAR(Stat.EXi2[1], 8 + 2 * arm2, 1e-13);
  EXPECT_NEAR(Stat.EXi4[1], 8 + 2 * arm2 * arm2, 1e-12);
  EXPECT_NEAR(Stat.EXi2[4], 8.0, 1e-14);                   // x1 x2
  EXPECT_NEAR(Stat.EXi[7], 8 + 2 * arm2, 1e-13);            // x1^2
  EXPECT_NEAR(Stat.EXi2[7], 8 + 2 * arm2 * arm2, 1e-12);    // x1^4
}

TEST(BuildPlanMatrix, LeavesTheFreeCellsOfTheDeltaTLawsAlone) {
  resetSharedState();
  Stat.PlanMatrix(1, 0) = 24.35;
  Stat.PlanMatrix(2, 0) = -15.0;
  for (int type = kOrthogonal; type <= kBox; ++type) {
    buildPlan(type, type == kDOptimal ? 4 : 2);
    EXPECT_EQ(Stat.PlanMatrix(1, 0), 24.35);
    EXPECT_EQ(Stat.PlanMatrix(2, 0), -15.0);
  }
}

// More zero points than the design strings hold (12, 10, 10, 10, 15), fewer
// than none, or a factor count outside 2..6: refused before anything is
// written, so the previous plan stays whole. The largest count still builds.
TEST(BuildPlanMatrix, RefusesAPlanTheStringsCannotHoldAndKeepsThePreviousOne) {
  const int most[] = {12, 10, 10, 10, 15};
  for (int k = 2; k <= 6; ++k) {
    SCOPED_TRACE("k " + std::to_string(k));
    resetSharedState();
    buildPlan(kRotatable, k, most[k - 2]);
    EXPECT_EQ(Stat.RunCount, (1 << k) + 2 * k + most[k - 2]);

    buildPlan(kOrthogonal, 2);
    Stat.PlanMatrix(1, 10) = 77.0;  // a cell the refused plan would write
    Stat.PlanMatrix(1, 0) = 24.35;
    for (int zeroPoints : {most[k - 2] + 1, -1}) {
      Stat.PlanType = kRotatable;
      Stat.Nf = static_cast<int16_t>(k);
      Stat.N0 = static_cast<int16_t>(zeroPoints);
      try {
        BuildPlanMatrix();
        FAIL() << "N0 " << zeroPoints << " built";
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidCall);
        EXPECT_NE(std::string(e.what()).find(std::to_string(most[k - 2])), std::string::npos);
      }
      EXPECT_EQ(Stat.RunCount, 9);
      EXPECT_EQ(Stat.CorePoints, 4);
      EXPECT_EQ(Stat.StarArm, 1.0);
      EXPECT_EQ(Stat.PlanMatrix(1, 10), 77.0);
      EXPECT_EQ(Stat.PlanMatrix(1, 1), 1.0);
      EXPECT_NEAR(Stat.la4z, 0.5, 1e-15);
    }
  }
  for (int k : {0, 1, 7}) {
    Stat.Nf = static_cast<int16_t>(k);
    Stat.N0 = 1;
    EXPECT_THROW(BuildPlanMatrix(), RuntimeError) << "k=" << k;
    EXPECT_EQ(Stat.RunCount, 9);
  }
}

TEST(BuildPlanMatrix, RefusesDesignStringsWithoutAFieldForARun) {
  resetSharedState();
  buildPlan(kOrthogonal, 2);
  Stat.DesignColumns(3, 2) = "+1-1";  // cut short
  Stat.PlanType = kOrthogonal;
  Stat.Nf = 3;
  Stat.N0 = 1;
  EXPECT_THROW(BuildPlanMatrix(), RuntimeError);
  EXPECT_EQ(Stat.RunCount, 9);
  Stat.DesignColumns(3, 2).clear();  // never filled
  EXPECT_THROW(BuildPlanMatrix(), RuntimeError);
  EXPECT_EQ(Stat.Nf, 3);
  EXPECT_EQ(Stat.RunCount, 9);
}

TEST(SetZeroPointCount, DefaultsByPlanTypeAndFactors) {
  struct Row { int type; int counts[5]; };
  const Row rows[] = {{kOrthogonal, {1, 1, 1, 1, 1}}, {kRotatable, {3, 2, 2, 3, 3}},
                      {kUniform, {5, 6, 7, 10, 15}},  {kDOptimal, {0, 0, 0, 0, 0}},
                      {kBox, {1, 1, 1, 1, 1}}};
  resetSharedState();
  for (const Row& row : rows)
    for (int k = 2; k <= 6; ++k) {
      Stat.PlanType = static_cast<int16_t>(row.type);
      Stat.Nf = static_cast<int16_t>(k);
      SetZeroPointCount();
      EXPECT_EQ(Stat.N0, row.counts[k - 2]) << "type " << row.type << " k " << k;
    }
  Stat.PlanType = 6;
  Stat.Nf = 3;
  SetZeroPointCount();
  EXPECT_EQ(Stat.N0, 1);
  Stat.PlanType = kUniform;
  Stat.Nf = 7;
  SetZeroPointCount();
  EXPECT_EQ(Stat.N0, 1);
}
