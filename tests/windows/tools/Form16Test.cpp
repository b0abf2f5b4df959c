// The eclipse window as a user meets it: reached from the start-up window,
// its defaults and the laws of Form17 loaded with it, the refusals of the
// start, the dates against Meeus, the step and the typed ET - UT read with
// the decimal comma, the date advanced in the window's own calendar, the
// laws of ET - UT as the run uses them, the first pass after a start, the
// closing during a run, and the shared values of other windows left alone.
#include <QCoreApplication>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Form16Fixture.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "setup/Form1.h"
#include "tools/Form17.h"
#include "windows/support/PicturePixels.h"

namespace {

constexpr int kNew0 = 1, kJPL0 = 2, kSer0Plus = 4;
// Meeus, Astronomical Algorithms, 2nd ed., ch. 7: 2000 January 1.5 is
// JD 2451545.0; 2006 March 29.4 follows 2264.9 days later (6 × 365 + 2 leap
// days + 31 + 28 + 28.9). Example 7.b: 333 January 27.5 (Julian) is
// JD 1842713.0.
constexpr double kJD2006March29Point4 = 2453823.9;
constexpr double kJD333January27Noon = 1842713.0;
constexpr double kJD1900January1Noon = 2415021.0;

using Form16WindowTest = Form16Test;

TEST_F(Form16WindowTest, StartUpButtonShowsTheWindowWithItsDefaultsAndTheLawsOfForm17) {
  Form1& start = form1();
  start.Show();
  click(start.Command19);
  ASSERT_TRUE(ui::isFormLoaded<Form16>());
  Form16& form = form16();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Text2.Text(), "29,4");
  EXPECT_EQ(form.Text26.Text(), "0,0005");
  EXPECT_EQ(form.Text24.Text(), "48,153");
  EXPECT_EQ(form.Text25.Text(), "45,874");
  EXPECT_NEAR(shown(form.Text5), kJD2006March29Point4, 1e-9);
  // The helper windows were loaded for their laws and coefficients, then
  // unloaded again.
  EXPECT_FALSE(ui::isFormLoaded<Form17>());
  EXPECT_FALSE(ui::isFormLoaded<Form21>());
  EXPECT_FALSE(ui::isFormLoaded<Form22>());
  EXPECT_DOUBLE_EQ(Main.DeltaTLaws(1, 1), 72.32);
  EXPECT_DOUBLE_EQ(Main.DeltaTLaws(2, 4), -1.0);
  EXPECT_FALSE(form.Option4[1].Enabled());
}

TEST_F(Form16WindowTest, StartRefusesWithoutATheoryAndForTheEarth) {
  Form16& form = form16();
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Выберете теорию");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");

  click(form.Option9[kJPL0]);
  type(form.Text1, "3");
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Землю не наблюдали");

  type(form.Text1, "12");
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные\n(целая часть числа отделяется запятой)");
  type(form.Text1, "11");
  type(form.Text26, "0");
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные\n(целая часть числа отделяется запятой)");
}

// A step that overflows the date or is lost in it, and a body number with
// a fraction, are refused by the start with its one message; a run that
// would step past the dates the calendars convert ends with one message
// at each press, the date standing where it was.
TEST_F(Form16WindowTest, StepsAndBodiesItCannotUseAreRefusedWithOneMessage) {
  Form16& form = form16();
  click(form.Option9[kNew0]);
  const std::string refused = "Введите правильно данные\n(целая часть числа отделяется запятой)";
  struct Case {
    ui::TextBox Form16::*box;
    const char* typed;
    const char* good;
  };
  const Case cases[] = {{&Form16::Text26, "1E+300", "0,0005"},
                        {&Form16::Text26, "1E-300", "0,0005"},
                        {&Form16::Text1, "10,5", "11"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    boxes.clear();
    type(form.*c.box, c.typed);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, refused);
    type(form.*c.box, c.good);
  }

  boxes.clear();
  typeDate(form, "22000", "1", "1");
  type(form.Text26, "1000000");
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  EXPECT_EQ(form.Text4.Text(), "22000");
  click(form.Command5);  // "Продолжить"
  EXPECT_EQ(boxes.count(), 2);
  EXPECT_EQ(form.Text4.Text(), "22000");
}

TEST_F(Form16WindowTest, DateConversionsFollowTheCalendarAndCarryExtraDays) {
  Form16& form = form16();
  click(form.Option6);  // "Юлианский "
  typeDate(form, "333", "1", "27,5");
  click(form.Command2);
  EXPECT_NEAR(shown(form.Text5), kJD333January27Noon, 1e-9);

  click(form.Option5);  // "Григорианский"
  typeDate(form, "2006", "1", "32");
  click(form.Command2);
  EXPECT_EQ(form.Text3.Text(), "2");
  EXPECT_EQ(form.Text2.Text(), "1");

  type(form.Text5, Str(kJD2006March29Point4));
  click(form.Command3);
  EXPECT_EQ(form.Text4.Text(), "2006");
  EXPECT_EQ(form.Text3.Text(), "3");
  EXPECT_NEAR(shown(form.Text2), 29.4, 1e-6);
}

// The step is read as the user's locale writes it, and the date advances by
// the step in the window's own calendar and day start: a Julian date of 333
// counted from noon stays a Julian date counted from noon.
TEST_F(Form16WindowTest, OnePassAdvancesTheJulianDayByTheStepInTheWindowsCalendar) {
  Form16& form = form16();
  click(form.Option9[kSer0Plus]);
  click(form.Option6);   // "Юлианский "
  click(form.Option16);  // "от 12"
  typeDate(form, "333", "1", "27");
  type(form.Text26, "0,25");
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  // Day 27 from noon is 27.5 from midnight.
  EXPECT_NEAR(passDay(form), kJD333January27Noon, 1e-9);
  EXPECT_EQ(form.Text4.Text(), "333");
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_NEAR(shown(form.Text2), 27.25, 1e-9);

  nextPass(form);
  EXPECT_NEAR(passDay(form), kJD333January27Noon + 0.25, 1e-9);
  EXPECT_NEAR(shown(form.Text2), 27.5, 1e-9);

  click(form.Command18);  // "JD = JD0"
  EXPECT_EQ(form.Text2.Text(), "27");
}

TEST_F(Form16WindowTest, TypedEtMinusUtIsReadWithTheDecimalComma) {
  Form16& form = form16();
  click(form.Option9[kNew0]);
  setTicked(form.Check5, true);
  type(form.Text14, "1,5");
  setTicked(form.Check6, true);
  type(form.Text15, "-0,25");
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NEAR((Main.JDet1 - Main.JDut) * kSecondsPerDay, 90.0, 1e-5);
  EXPECT_NEAR((Main.JDet2 - Main.JDut) * kSecondsPerDay, -15.0, 1e-5);
}

// The laws of Form17 as the run uses them: Spencer Jones's parabola
// 24.35 + 72.32 T + 29.95 T² (T Julian centuries from 1900 January 1.5;
// Meeus ch. 10) for ET1 at the default date, and the piecewise law for ET2
// in 1990, where the observed ΔT was 56.86 s (IERS).
TEST_F(Form16WindowTest, TheRunShowsEtMinusUtByTheLawsOfForm17) {
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  setTicked(form.Check6, false);
  startOnePass(form);
  const double t = (kJD2006March29Point4 - kJD1900January1Noon) / 36525.0;
  EXPECT_NEAR(shown(form.Text14), (24.35 + 72.32 * t + 29.95 * t * t) / 60.0, 2e-6);
  EXPECT_NEAR((Main.JDet1 - Main.JDut) * kSecondsPerDay, 24.35 + 72.32 * t + 29.95 * t * t, 1e-3);

  Form17& laws = form17();
  click(laws.Option9[5]);  // ET2: "кусочная аппроксимация ..."
  click(laws.Option3);     // ET2 added to UT
  click(laws.Command1);
  typeDate(form, "1990", "1", "1");
  startOnePass(form);
  EXPECT_NEAR(shown(form.Text15) * 60.0, 56.86, 1.0);
}

// The first pass after a start only records the Sun's altitude: a Sun deep
// below the horizon at the first pass is no sunset.
TEST_F(Form16WindowTest, FirstPassReportsNoSunriseOrSunset) {
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  typeDate(form, "2006", "3", "29,9");  // 21:36 UT: night on the Volga
  startOnePass(form);
  nextPass(form);
  EXPECT_EQ(form.Text28.Text(), "");
  EXPECT_EQ(form.Text29.Text(), "");
}

// Closing the window during its run ends the run with it, and Form17 and
// Form21 go with the window.
TEST_F(Form16WindowTest, ClosingDuringTheRunEndsTheRun) {
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  click(form.Command9);  // "dLl*" shows Form21
  ASSERT_TRUE(ui::isFormLoaded<Form21>());
  int passesAfterClose = -1;
  QTimer::singleShot(0, [&] {
    click(form.Command14);
    passesAfterClose = 0;
  });
  const double typedStart = shown(form.Text5);
  click(form.Command1);  // returns only when the loop has ended
  EXPECT_EQ(passesAfterClose, 0);
  EXPECT_FALSE(ui::isFormLoaded<Form16>());
  EXPECT_FALSE(ui::isFormLoaded<Form21>());
  EXPECT_FALSE(ui::isFormLoaded<Form17>());
  EXPECT_NEAR(Main.JDut, typedStart, 0.01);
}

// An eclipse run with DE405 and with a theory leaves the model window's
// speed of gravity, force model and step, the Moon's options of the element
// procedures and the sample state of the statistics window as it found them.
TEST_F(Form16WindowTest, RunLeavesTheValuesOfOtherWindowsAsItFoundThem) {
  Main.FiniteVgrFlag = 1;
  Main.Vgr = 2.5e8;
  Main.ForceModel = 1;
  Main.P00 = 3600;
  Main.kodMoon = 0;
  Main.kodBary = 2;
  Main.FileState = 5;  // an observed series held by the statistics window
  Main.SelectedObject = 4;
  Main.Step = 3600;
  Main.TimeDirection = 1;
  Main.ObsL = -70.0;
  Main.ObsB = -30.0;

  Form16& form = windowWithDE405();
  click(form.Option6);   // a calendar and day start of the window's own
  click(form.Option16);
  click(form.Option19);  // "назад"
  typeDate(form, "2006", "3", "29");
  startOnePass(form);
  nextPass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.FileState, 5);
  click(form.Option9[kSer0Plus]);
  startOnePass(form);
  click(form.Command14);

  EXPECT_EQ(Main.FiniteVgrFlag, 1);
  EXPECT_EQ(Main.Vgr, 2.5e8);
  EXPECT_EQ(Main.ForceModel, 1);
  EXPECT_EQ(Main.P00, 3600);
  EXPECT_EQ(Main.kodMoon, 0);
  EXPECT_EQ(Main.kodBary, 2);
  EXPECT_EQ(Main.FileState, 5);
  EXPECT_EQ(Main.SelectedObject, 4);
  EXPECT_EQ(Main.Step, 3600);
  EXPECT_EQ(Main.TimeDirection, 1);
  EXPECT_EQ(Main.ObsL, -70.0);
  EXPECT_EQ(Main.ObsB, -30.0);
}

}  // namespace

namespace {

// Choosing a theory has Form17 apply its laws again through its trigger
// box: a law another window left in the shared cells gives way.
TEST_F(Form16WindowTest, ChoosingATheoryReappliesTheLawsOfForm17) {
  Form16& form = form16();
  setDeltaTLaw(1, 1, 2, 3, 1);  // as a plan might leave the cells
  click(form.Option9[kJPL0]);
  EXPECT_EQ(form.sourceName(), "JPL0");
  EXPECT_DOUBLE_EQ(Main.DeltaTLaws(1, 0), 24.35);
  EXPECT_DOUBLE_EQ(Main.DeltaTLaws(1, 1), 72.32);
  click(form.Option9[kSer0Plus]);
  EXPECT_EQ(form.sourceName(), "Ser0");
}

// The switch to tables closes the theory, starts the day at noon and blanks
// the rows that do not apply to tables; the switch back restores the rows
// with the captions of theories and the day from midnight.
TEST_F(Form16WindowTest, SwitchBetweenTheoriesAndTables) {
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  startOnePass(form);
  ASSERT_NE(form.Text32.Text(), "");
  click(form.Option2);  // already theories: nothing changes
  EXPECT_EQ(form.Label13.Caption(), "+Аберр. источн.");

  click(form.Option1);  // "таблиц"
  EXPECT_TRUE(form.sourceName().empty());
  EXPECT_TRUE(form.Option9[0].Value());
  EXPECT_TRUE(form.Option16.Value());
  EXPECT_TRUE(form.Option4[1].Enabled());
  EXPECT_FALSE(form.Option9[1].Enabled());
  EXPECT_EQ(form.Label18.Caption(), "ГЕО ЭКЛ JD");
  EXPECT_EQ(form.Text32.Text(), "");
  EXPECT_EQ(form.Text67.Text(), "");
  EXPECT_TRUE(form17().Option8[3].Value());
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Выберете имитатор");

  click(form.Option2);  // "теорий"
  EXPECT_TRUE(form.Option15.Value());
  EXPECT_FALSE(form.Option4[1].Enabled());
  EXPECT_EQ(form.Label13.Caption(), "+Аберр. планетн.");
  EXPECT_EQ(form.Label17.Caption(), "+Аберр. звездн.");
  EXPECT_TRUE(form17().Option8[1].Value());
}

// While a run goes, the run buttons do what they do between runs, the loop
// they call running inside the running one, which then goes on from where
// the inner one left the date: "+ 1 шаг" takes the direction chosen now and
// makes one pass, and its stop ends the running loop after its own next
// pass; "Продолжить" goes on until "Остановить"; "Начать" starts afresh
// from the date typed. A stop pressed after each keeps a button that does
// nothing from leaving the run going.
TEST_F(Form16WindowTest, RunButtonsWorkWhileARunGoes) {
  constexpr double kStep = 0.0005;  // days, the default step
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  const auto pressDuringRun = [&](const std::function<void()>& press) {
    click(form.Option18);  // "вперед"
    setTicked(form.Check1, false);
    typeDate(form, "2006", "3", "29,4");
    QTimer::singleShot(0, form.window(), [&form, press] {
      press();
      QTimer::singleShot(0, form.window(), [&form] { click(form.Command4); });
    });
    click(form.Command1);  // the first pass, then the press
    QCoreApplication::processEvents();  // the stop, when the run ended without it
  };

  pressDuringRun([&] {
    click(form.Option19);  // "назад"
    click(form.Command6);  // "+ 1 шаг": the second pass, back to the start
  });
  EXPECT_NEAR(passDay(form), kJD2006March29Point4, 1e-9);  // the third pass

  pressDuringRun([&] {
    QTimer::singleShot(0, form.window(), [&form] { click(form.Command4); });
    click(form.Command5);  // "Продолжить": the second and third passes
  });
  EXPECT_NEAR(passDay(form), kJD2006March29Point4 + 3 * kStep, 1e-9);  // the fourth

  pressDuringRun([&] {
    typeDate(form, "2006", "3", "30,4");
    setTicked(form.Check1, true);  // "Start+Stop"
    click(form.Command1);          // "Начать": one pass at the date typed
  });
  EXPECT_NEAR(passDay(form), kJD2006March29Point4 + 1 + kStep, 1e-9);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
}

// The grid of the picture "dAlfa" is drawn again after the disks of every
// pass, so the Sun's disk at its centre does not hide its middle lines.
TEST_F(Form16WindowTest, TheDisksOfARunLeaveTheGridOfDAlfaInView) {
  Form16& form = form16();
  click(form.Option9[kJPL0]);
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const double m = form.OffsetScale;
  ASSERT_GT(form.AngularSemidiameter[0], 0.5 * m);
  const int32_t grey = RGB(200, 200, 200);
  EXPECT_GT(picturepixels::pixelsNear(form.Picture3, 0, 0.4 * m, 1, grey), 0);
  EXPECT_GT(picturepixels::pixelsNear(form.Picture3, -0.4 * m, 0, 1, grey), 0);
}

// The DE405 walk finds the block of the date in either direction: a step of
// 655 days from the transit of 2004 to March 2006 and back gives the places
// of a fresh start at those dates.
TEST_F(Form16WindowTest, DE405WalkFindsTheBlockForwardAndBackward) {
  Form16& form = windowWithDE405();
  const auto sunAndMoon = [&] {
    return std::vector<std::string>{form.Text36.Text(), form.Text46.Text(), form.Text56.Text(),
                                    form.Text66.Text()};
  };
  type(form.Text26, "655");
  typeDate(form, "2006", "3", "25");
  startOnePass(form);
  const std::vector<std::string> march2006 = sunAndMoon();
  typeDate(form, "2004", "6", "8");
  startOnePass(form);
  const std::vector<std::string> june2004 = sunAndMoon();
  ASSERT_NE(march2006, june2004);

  nextPass(form);  // 2006-03-25, 655 days on
  EXPECT_EQ(sunAndMoon(), march2006);
  click(form.Option19);  // "назад"
  typeDate(form, "2006", "3", "25");
  startOnePass(form);
  nextPass(form);  // 2004-06-08, 655 days back
  EXPECT_EQ(sunAndMoon(), june2004);

  // Within one run (stopped after its second pass) the walk reads on
  // through the open file.
  click(form.Option18);  // "вперед"
  setTicked(form.Check1, false);
  typeDate(form, "2004", "6", "8");
  QTimer::singleShot(0, [&] { click(form.Command4); });
  click(form.Command1);
  EXPECT_EQ(sunAndMoon(), march2006);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
}

// The report headers of "Начать" go into new files of their own: a link
// put where a new file goes is not written through, so the file it points
// to keeps its bytes and the report is a file of its own. A header that
// cannot be written keeps the start's message and names the file and the
// reason; nothing starts then.
TEST_F(Form16WindowTest, ReportHeadersAreWrittenWholeAndARefusalNamesTheFile) {
  namespace fs = std::filesystem;
  Form16& form = form16();
  click(form.Option9[kNew0]);
  setTicked(form.Check13, true);  // "+File TimeYer"
  setTicked(form.Check30, true);  // the contact report
  writeFileBytes("Dat/other.txt", "other");
  const std::vector<std::string> reports = {"Dat/TimeYer_data.txt", "Dat/Param_data.txt"};
  for (const std::string& report : reports)
    fs::create_symlink(programFile("Dat/other.txt"), programFile(report + ".tmp"));
  startOnePass(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(fileBytes("Dat/other.txt"), "other");
  for (const std::string& report : reports) {
    SCOPED_TRACE(report);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(programFile(report))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(programFile(report + ".tmp"))));
  }
  EXPECT_TRUE(fileBytes("Dat/Param_data.txt").starts_with("\r\n" + utf8ToCp1251("планета  № 11")));

  const double passed = passDay(form);
  type(form.Text2, "30,4");
  setDiskFullForTesting(true);
  click(form.Command1);
  setDiskFullForTesting(false);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные\n(целая часть числа отделяется запятой)\r\n" +
                                   programFile("Dat/TimeYer_data.txt").string() + ": нет места на диске");
  EXPECT_EQ(passDay(form), passed);  // no pass was run
}

}  // namespace
