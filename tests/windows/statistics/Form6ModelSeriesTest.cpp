// A series written by the model run itself, read back by the statistics
// window: Mercury alone with the Sun, so every record must carry the
// elements of the Kepler orbit it started on, and the records follow each
// other at half its period.
#include "tests/science/engine/SolarSystemSetup.h"
#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

TEST_F(Form6Test, SeriesWrittenByAModelRunLoadsWithTheElementsOfItsOrbit) {
  solar::resetModel();
  solar::placeBodies({0, 1});
  Main.FileNumber = 1;
  Main.TheoryName = "КЛАССИКА   JPL0";
  solar::Experiment experiment;
  experiment.window.controls.writeOrbitRecords = true;
  experiment.start();
  Main.RecordFilePath = "\\Plan1\\Txt1\\Celvan1Ras1.txt";
  Main.RecordCount = ModelRun::expectedRecordCount(false);
  experiment.run.writeOrbitSampleHeader(false);
  experiment.runYears(2, 1000);

  Form6& form = openStatistics();
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_GE(Main.RecordCount, 10);
  EXPECT_EQ(Main.SeriesStartJD, 2451545.0);

  const solar::Elements& mercury = solar::kJ2000[1];
  const double a = mercury.a * solar::kAU;
  const double meanMotionPerCentury =
      std::sqrt(Main.gamma * (Main.Mass[0] + Main.Mass[1]) / (a * a * a)) * 36525 * 86400;
  const double halfPeriod = solar::keplerPeriodDays(1) / 2;
  for (int32_t i = 1; i <= Main.RecordCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(Main.SampleValues(sample::kAlfaP, i), mercury.perihelion, 1e-3);
    EXPECT_NEAR(Main.SampleValues(sample::kAlfaU, i), mercury.node, 1e-2);
    EXPECT_NEAR(Main.SampleValues(sample::kBetta, i), mercury.i, 1e-4);
    EXPECT_NEAR(Main.SampleValues(sample::kEks, i), mercury.e, 1e-6);
    EXPECT_NEAR(Main.SampleValues(sample::kRsr, i) * 1e9 / a, 1, 1e-6) << "millions of km";
    EXPECT_NEAR(Main.SampleValues(sample::kW0, i) / meanMotionPerCentury, 1, 1e-5);
    if (i > 1) {
      EXPECT_NEAR(Main.dT[i] - Main.dT[i - 1], halfPeriod, 0.05);
    }
  }
  EXPECT_EQ(form.Text3.Text(), Str(Main.RecordCount));
}

}  // namespace
}  // namespace form6test
