// An imitator run started on the model window through its controls: the
// positions come from the theory JPL0, the orbit tracking measures them as
// it measures a model run, and the series goes to the imitator's file.
#include <filesystem>

#include "tests/windows/model/Form2Fixture.h"

namespace {

// Mercury's sidereal period from the rate of its mean longitude in the
// theory JPL0, 149472.67411175 degrees per Julian century: 87.9691 days.
// Reference: E. M. Standish, "Keplerian Elements for Approximate Positions
//   of the Major Planets", JPL Solar System Dynamics, table 1.
constexpr double kMercuryPeriodDays = 36525 * 360 / 149472.67411175;

TEST_F(Form2Test, JPL0ImitatorRunMeasuresTheTheorysPeriodAndWritesItsSeries) {
  std::filesystem::create_directory(ProgramFolder() + "/JPL");
  Form2& form = openModelWindow();
  click(form.Option4);  // "имитатор"
  ASSERT_TRUE(form.Option9.Value());  // "JPL0"
  endInStartYear(form);
  click(form.Check20);
  click(form.Command1);

  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.ModelMode, 0);
  EXPECT_EQ(Main.CalendarYear, 1802);
  EXPECT_EQ(Main.TheoryName, "JPL_0");
  // The Sun stands at the origin of the theory's positions.
  EXPECT_EQ(Main.X[0], 0);
  // Two crossings of longitude 0, each found to the reduced step (3.6 s).
  EXPECT_NEAR(CDbl(form.Text49.Text()), kMercuryPeriodDays, 2e-4);
  const std::string series = fileBytes("JPL/Celvan1Nab.txt");
  EXPECT_FALSE(series.empty());
}

}  // namespace
