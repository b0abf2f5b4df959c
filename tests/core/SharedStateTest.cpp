#include <gtest/gtest.h>

#include "core/state/SharedState.h"

TEST(SharedState, TablesHoldTheirDeclaredBoundsAndRefuseOthers) {
  resetSharedState();
  Main.ObjectIncluded[12] = 1;  // "0 To 12" holds thirteen values
  EXPECT_EQ(Main.ObjectIncluded[12], 1);
  EXPECT_THROW(Main.ObjectIncluded[13], RuntimeError);
  EXPECT_THROW(Main.PairIncluded(0, -1), RuntimeError);
  Main.PairDX(15, 39) = 2.5;
  EXPECT_EQ(Main.PairDX(15, 39), 2.5);
}

TEST(SharedState, ResetBringsEverythingBackToZeroAndEmpty) {
  Main.JD = 2451545.0;
  Main.ScratchText = "x";
  Stat.PlanMatrix(27, 91) = 1.0;
  Main.DE405Buffer.redim(1019);
  resetSharedState();
  EXPECT_EQ(Main.JD, 0.0);
  EXPECT_TRUE(Main.ScratchText.empty());
  EXPECT_EQ(Stat.PlanMatrix(27, 91), 0.0);
  EXPECT_EQ(Main.DE405Buffer.upper(), -1);
}
