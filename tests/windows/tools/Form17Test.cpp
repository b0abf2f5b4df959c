// The ET-UT settings window: its laws against the ΔT values tabulated by
// Meeus (Astronomical Algorithms, 2nd ed., ch. 10, table 10.A), the epochs
// against the Julian Days of Meeus ch. 7, the sign options, the items that
// preset the same law, typed laws and epochs, the trigger box, and the
// refusal of a box that holds no number.
#include <string>
#include <vector>

#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "ToolWindowFixture.h"
#include "tools/Form17.h"

namespace {

// Julian Days of 1 January, noon (Meeus ch. 7: 1900 January 0.5 is
// JD 2415020.0, 1800 January 0.0 is 2378495.5, 1950 January 0.0 is
// 2433281.5).
constexpr double kJD1900January1Noon = 2415021.0;
constexpr double kJD1800January1Noon = 2378497.0;
constexpr double kJD1950January1Noon = 2433283.0;
constexpr double kDaysPerJulianCentury = 36525.0;

struct Law {
  double a, b, c, selector;
};

Law storedLaw(int kind) {
  return {Main.DeltaTLaws(kind, 0), Main.DeltaTLaws(kind, 1), Main.DeltaTLaws(kind, 2),
          Main.DeltaTLaws(kind, 4)};
}

void expectLaw(int kind, const Law& expected) {
  const Law law = storedLaw(kind);
  EXPECT_DOUBLE_EQ(law.a, expected.a) << "law " << kind;
  EXPECT_DOUBLE_EQ(law.b, expected.b) << "law " << kind;
  EXPECT_DOUBLE_EQ(law.c, expected.c) << "law " << kind;
  EXPECT_DOUBLE_EQ(law.selector, expected.selector) << "law " << kind;
}

// Julian Day of the start of a year (to within a day), where the ΔT values
// of table 10.A apply.
double startOfYear(int year) { return kJD1900January1Noon + (year - 1900) * 365.25; }

using Form17Test = ToolWindowTest;

TEST_F(Form17Test, LoadAppliesTheDesignLawsEpochsAndDiameters) {
  // The eclipse window may have left another calendar; the load resets it.
  Main.CalendarMode = 2;
  Main.DayStartHour = 12;
  Form17& form = form17();

  expectLaw(1, {24.35, 72.32, 29.95, 1});
  expectLaw(2, {0, 0, 31.5, -1});
  EXPECT_DOUBLE_EQ(Main.ET1Epoch, kJD1900January1Noon);
  EXPECT_DOUBLE_EQ(Main.ET2Epoch, kJD1800January1Noon);
  EXPECT_DOUBLE_EQ(Main.Diameter[0], 1392000000.0);
  EXPECT_DOUBLE_EQ(Main.Diameter[3], 12756280.0);
  EXPECT_DOUBLE_EQ(Main.Diameter[11], 3475000.0);
  EXPECT_EQ(Main.CalendarMode, 0);
  EXPECT_EQ(Main.DayStartHour, 0);
  EXPECT_EQ(boxes.count(), 0);

  // The boxes show the coefficients with the decimal comma.
  EXPECT_EQ(form.Text1.Text(), "24,35");
  EXPECT_EQ(form.Text2.Text(), "72,32");
  EXPECT_EQ(form.Text3.Text(), "29,95");
  EXPECT_EQ(form.Text13.Text(), "31,5");
  EXPECT_EQ(form.Text10.Text(), "1900");
  EXPECT_EQ(form.Text20.Text(), "1800");

  // ET1 is the parabola of 1939 about 1900: 24.35 s at its epoch and
  // 24.35 + 72.32 + 29.95 s a Julian century later; ET2 is -31.5 s a
  // century after 1800 and is subtracted.
  EXPECT_NEAR(DeltaTForDependency(1, kJD1900January1Noon), 24.35, 1e-9);
  EXPECT_NEAR(DeltaTForDependency(1, kJD1900January1Noon + kDaysPerJulianCentury), 126.62, 1e-9);
  EXPECT_NEAR(DeltaTForDependency(2, kJD1800January1Noon + kDaysPerJulianCentury), -31.5, 1e-9);
}

// The piecewise law follows the observed ΔT of Meeus's table 10.A to about
// a second from 1850 to 2000; "--" turns its sign.
TEST_F(Form17Test, PiecewiseItemFollowsTheObservedDeltaTWithTheChosenSign) {
  struct Observed {
    int year;
    double deltaT;  // seconds, Meeus table 10.A
  };
  const std::vector<Observed> table = {{1850, 7.1},  {1900, -2.7}, {1910, 10.4}, {1920, 21.2},
                                       {1930, 24.0}, {1940, 24.3}, {1950, 29.1}, {1960, 33.1},
                                       {1970, 40.2}, {1980, 50.5}, {1990, 56.9}, {1998, 63.0}};
  Form17& form = form17();
  form.Show();
  click(form.Option8[5]);
  click(form.Option9[5]);
  click(form.Option3);  // ET2 added
  click(form.Option2);  // ET1 subtracted
  click(form.Command1);

  expectLaw(1, {0, 0, 0, -2});
  expectLaw(2, {0, 0, 0, 2});
  for (ui::TextBox* box : {&form.Text1, &form.Text2, &form.Text3, &form.Text11, &form.Text12,
                           &form.Text13})
    EXPECT_EQ(box->Text(), "0");
  EXPECT_EQ(form.Text10.Text(), "1900");
  EXPECT_EQ(form.Text20.Text(), "1900");
  for (const Observed& row : table) {
    SCOPED_TRACE(row.year);
    EXPECT_NEAR(DeltaTForDependency(2, startOfYear(row.year)), row.deltaT, 1.0);
    EXPECT_NEAR(DeltaTForDependency(1, startOfYear(row.year)), -row.deltaT, 1.0);
  }
}

// Three captions, one law: the items 2, 3 and 4 store the same coefficients,
// epoch and selector for either law.
TEST_F(Form17Test, ItemsTwoThreeAndFourGiveTheSameLaw) {
  Form17& form = form17();
  form.Show();
  for (int item : {2, 3, 4}) {
    SCOPED_TRACE(item);
    click(form.Option8[item]);
    click(form.Option9[item]);
    click(form.Command1);
    expectLaw(1, {0, 0, 31.5, 1});
    expectLaw(2, {0, 0, 31.5, -1});
    EXPECT_DOUBLE_EQ(Main.ET1Epoch, kJD1800January1Noon);
    EXPECT_DOUBLE_EQ(Main.ET2Epoch, kJD1800January1Noon);
  }
}

// "задать вручную" keeps what was typed: here the parabola of Meeus
// (10.2), ΔT = 102 + 102 t + 25.3 t², t in centuries from 2000, which gives
// 102 - 1020 + 2530 = 1612 s for the year 1000. The epoch year typed moves
// the epoch to 1 January, noon, of that year.
TEST_F(Form17Test, TypedLawAndEpochStayAsTyped) {
  Form17& form = form17();
  form.Show();
  click(form.Option8[0]);
  type(form.Text1, "102");
  type(form.Text2, "102");
  type(form.Text3, "25,3");
  type(form.Text10, "2000");
  click(form.Command1);

  expectLaw(1, {102, 102, 25.3, 1});
  EXPECT_EQ(form.Text3.Text(), "25,3");
  EXPECT_EQ(form.Text10.Text(), "2000");
  EXPECT_NEAR(DeltaTForDependency(1, Main.ET1Epoch - 10 * kDaysPerJulianCentury), 1612.0, 1e-6);

  type(form.Text10, "1950");
  click(form.Command1);
  EXPECT_DOUBLE_EQ(Main.ET1Epoch, kJD1950January1Noon);
}

// A box that holds no number, or a year the calendar refuses, shows a
// message and changes none of the laws, epochs or diameters.
TEST_F(Form17Test, BadBoxChangesNothing) {
  struct Case {
    const char* name;
    ui::TextBox Form17::*box;
    const char* text;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"coefficient", &Form17::Text2, "abc", "Введите правильно данные"},
      {"point instead of comma", &Form17::Text3, "0.5", "Введите правильно данные"},
      {"empty year", &Form17::Text10, "", "Введите правильно данные"},
      {"year beyond the calendar", &Form17::Text10, "100000", "Введите правильно дату"},
      {"diameter", &Form17::Text7, "x", "Введите правильно данные"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    Form17& form = form17();
    form.Show();
    click(form.Option8[0]);
    boxes.clear();
    type(form.*test.box, test.text);
    click(form.Command1);

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, test.message);
    expectLaw(1, {24.35, 72.32, 29.95, 1});
    expectLaw(2, {0, 0, 31.5, -1});
    EXPECT_DOUBLE_EQ(Main.ET1Epoch, kJD1900January1Noon);
    EXPECT_DOUBLE_EQ(Main.ET2Epoch, kJD1800January1Noon);
    EXPECT_DOUBLE_EQ(Main.Diameter[3], 12756280.0);
    form.Unload();
  }
}

// The eclipse window presets the options and writes the time of day into
// the trigger box: both laws are applied at once. Closing the window keeps
// them.
TEST_F(Form17Test, TriggerBoxAppliesTheOptionsAndClosingKeepsThem) {
  Form17& form = form17();
  form.Option8[5].setValue(true);
  form.Option1.setValue(true);
  form.Option9[1].setValue(true);
  form.Option3.setValue(true);
  form.Text5.setText("12:00:00");

  expectLaw(1, {0, 0, 0, 2});
  expectLaw(2, {24.35, 72.32, 29.95, 1});
  EXPECT_DOUBLE_EQ(Main.ET2Epoch, kJD1900January1Noon);

  form.Show();
  click(form.Command2);
  EXPECT_FALSE(ui::isFormLoaded<Form17>());
  expectLaw(1, {0, 0, 0, 2});
  expectLaw(2, {24.35, 72.32, 29.95, 1});
}

}  // namespace
