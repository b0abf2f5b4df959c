// What the model window shows when a run ends: it draws fewer output passes
// than the run makes, but always the pass where the run stopped and one
// within the last output interval before the end year.
#include <QTimer>

#include <cmath>

#include "tests/windows/model/Form2Fixture.h"

namespace {

constexpr double kOutputPassDays = 10 * 3600.0 / 86400;  // NC0 = 10 one-hour steps

TEST_F(Form2Test, AtTheEndYearTheWindowShowsAPassOfTheLastOutputInterval) {
  Form2& form = openModelWindow();
  endInStartYear(form);
  type(form.Text37, "10");
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_EQ(Main.CalendarYear, 1802);
  EXPECT_LE(std::fabs(CDbl(form.Text14.Text()) - Main.JD), kOutputPassDays) << form.Text14.Text();
  EXPECT_EQ(form.Text44.Text(), "1801");
  EXPECT_EQ(form.Text43.Text(), "12");
}

TEST_F(Form2Test, AStoppedRunShowsThePassWhereItStopped) {
  Form2& form = openModelWindow();
  click(form.Check14);  // no end year
  type(form.Text37, "10");
  // Stopped once some hundreds of output passes have gone by.
  QTimer::singleShot(300, [&] { ui::clickAsUser(form.Command4); });
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text14.Text(), Str(Main.JD));
  EXPECT_EQ(form.Text44.Text(), Str(Main.CalendarYear));
}

}  // namespace
