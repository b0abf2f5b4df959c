#include <gtest/gtest.h>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "tests/core/theory/TheoryTestSupport.h"

namespace {

using theory_test::kGammaDE405;

struct PublishedRatio {
  int body;
  double sunOverBody;
  const char* source;
};

TEST(MassTables, DE405TableHoldsThePublishedMassRatios) {
  resetSharedState();
  SetMassesDE405();
  const PublishedRatio rows[] = {
      {1, 6023600.0, "DE405 GM(Sun)/GM(Mercury), Standish IOM 312.F-98-048"},
      {2, 408523.71, "DE405 GM(Sun)/GM(Venus)"},
      {3, 328900.5614, "DE405 GM(Sun)/GM(Earth+Moon)"},
      {4, 3098708.0, "DE405 GM(Sun)/GM(Mars)"},
      {5, 1047.3486, "DE405 GM(Sun)/GM(Jupiter)"},
      {6, 3497.898, "DE405 GM(Sun)/GM(Saturn)"},
      {7, 22902.98, "DE405 GM(Sun)/GM(Uranus)"},
      {8, 19412.24, "DE405 GM(Sun)/GM(Neptune)"},
      {9, 135200000.0, "DE405 GM(Sun)/GM(Pluto)"},
  };
  for (const PublishedRatio& row : rows) {
    SCOPED_TRACE(row.source);
    EXPECT_NEAR(Main.Mass[0] / Main.Mass[row.body] / row.sunOverBody, 1.0, 1e-12);
  }
  // DE405 Earth/Moon ratio (EMRAT) 81.30056; the table's 81.300585 agrees to
  // its printed precision of about 3e-7.
  EXPECT_NEAR(Main.Mass[13] / Main.Mass[11] / 81.30056, 1.0, 1e-6);
  // DE405 GM(Sun) = 132712440017.987 km³/s²; the Sun's mass is given to six
  // digits (half a unit of the last is 2.5e-6).
  EXPECT_NEAR(kGammaDE405 * Main.Mass[0] / 1.32712440017987e20, 1.0, 3e-6);
  // Geocentric gravitational constant GM(Earth) = 398600.4418 km³/s²
  // (IERS Conventions 2010) from the Earth alone.
  EXPECT_NEAR(kGammaDE405 * Main.Mass[13] / 3.986004418e14, 1.0, 1e-5);
}

TEST(MassTables, EveryTableSplitsTheEarthMoonPairByItsRatio) {
  struct Table {
    void (*fill)();
    const char* name;
    double sunMass;
    double earthOverMoon;
  };
  const Table tables[] = {{SetMassesNew0, "New0", 1.98976e30, 81.3},
                          {SetMassesDE405, "DE405", 1.98892e30, 81.300585},
                          {SetMassesSer0, "Ser0", 1.98976e30, 81.3}};
  for (const Table& table : tables) {
    SCOPED_TRACE(table.name);
    resetSharedState();
    Main.Mass[12] = 7.0;
    Main.MassRatio[12] = 8.0;
    Main.MassRatio[13] = 9.0;
    table.fill();
    EXPECT_EQ(Main.Mass[0], table.sunMass);
    // The Earth and the Moon together make the pair of slot 3.
    EXPECT_NEAR((Main.Mass[13] + Main.Mass[11]) / Main.Mass[3], 1.0, 1e-15);
    EXPECT_NEAR(Main.Mass[13] / Main.Mass[11], table.earthOverMoon, 1e-12);
    for (int body = 1; body <= 10; ++body) {
      EXPECT_NEAR(Main.Mass[body] * Main.MassRatio[body] / Main.Mass[0], 1.0, 1e-15) << body;
    }
    EXPECT_EQ(Main.LoopIndexK, 11);
    EXPECT_EQ(Main.Mass[12], 7.0);
    EXPECT_EQ(Main.MassRatio[12], 8.0);
    EXPECT_EQ(Main.MassRatio[13], 9.0);
  }
}

}  // namespace
