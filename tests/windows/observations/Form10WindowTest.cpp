// The observation window as it comes up and goes: its load with the plan
// and perturbation windows, the choice of an observatory and its file, the
// date conversion against Meeus, the other windows and closing.
#include <cmath>

#include "model/Form2.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "statistics/Form6.h"
#include "windows/observations/Form10Fixture.h"

namespace {

TEST_F(Form10Test, LoadOpensThePlanWindowAndLoadsThePerturbationWindowsOnce) {
  Main.PlanetPerturbationCoefficients(1, 41) = 99;  // Mars, first term: file 1 replaces it
  Form10& form = openWindow();
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(ui::isFormLoaded<Form13>());
  EXPECT_TRUE(form13().Visible());
  EXPECT_FALSE(ui::isFormLoaded<Form21>());
  EXPECT_FALSE(ui::isFormLoaded<Form22>());
  EXPECT_NE(Main.PlanetPerturbationCoefficients(1, 41), 99);
  EXPECT_TRUE(form.Option1.Value());
  EXPECT_EQ(Main.SourceKind, "Tab");
  for (int i = 0; i <= 7; ++i) EXPECT_FALSE(form.Option9[i].Enabled()) << i;
  EXPECT_EQ(form.Label4.Caption(), "Масштаб = 60 млн.км/см");
  EXPECT_DOUBLE_EQ(Main.ImageScale, 3e10);
  EXPECT_EQ(form.Text5.Text(), "2451545");
  EXPECT_EQ(boxes.count(), 0);
}

// Choosing GREN opens \Obs\GREN4_G_100.txt, presets the observer, the date
// boxes (1,5 January of the file's first year) and the corrections.
TEST_F(Form10Test, ChoosingAnObservatoryOpensItsFile) {
  Form10& form = chooseGreenwich();
  EXPECT_EQ(Main.FilePath, programFile(kMarsFile).string());
  EXPECT_EQ(form.ObsFileState, 9);
  EXPECT_EQ(Main.TheoryName, "GREN");
  EXPECT_EQ(form.Text24.Text(), "0");
  EXPECT_EQ(form.Text25.Text(), "51,477");
  EXPECT_EQ(form.Text57.Text(), "100");
  EXPECT_EQ(form.Text4.Text(), "2003");
  EXPECT_EQ(form.Text16.Text(), "2003");
  EXPECT_EQ(form.Text14.Text(), "2004");
  EXPECT_EQ(form.Text5.Text(), "2452641");  // 2003 January 1.5
  EXPECT_EQ(form.Check15.Value() + form.Check16.Value() + form.Check17.Value(), 3);
  EXPECT_EQ(Main.StopFlag, 0);
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form10Test, AMissingObservatoryFileIsNamed) {
  Form10& form = chooseGreenwich(9);
  ASSERT_EQ(boxes.count(), 1);
  const std::string file = programFile("Obs/GREN9_G_100.txt").string();
  EXPECT_EQ(boxes.last().text, file + "\r\nНе найден файл\r\n" + file + ": нет такого файла или папки");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_NE(form.ObsFileState, 9);
}

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7: the Julian Day of dates
// in the Gregorian calendar (from 1582 October 15) and in the Julian one,
// both ways through the window's boxes.
TEST_F(Form10Test, DateConversionOfMeeusChapter7) {
  struct Row {
    const char* source;
    bool julianOnly;
    int year, month;
    double day, julianDay;
  };
  const Row rows[] = {
      {"Meeus ex. 7.a, Sputnik 1", false, 1957, 10, 4.81, 2436116.31},
      {"Meeus table 7, 2000 Jan 1.5", false, 2000, 1, 1.5, 2451545.0},
      {"Meeus table 7, 1987 Jun 19.5", false, 1987, 6, 19.5, 2446966.0},
      {"Meeus table 7, 1600 Dec 31", false, 1600, 12, 31.0, 2305812.5},
      {"Meeus ex. 7.b, 333 Jan 27.5", true, 333, 1, 27.5, 1842713.0},
      {"Meeus table 7, 837 Apr 10.3", true, 837, 4, 10.3, 2026871.8},
      {"Meeus table 7, -1000 Jul 12.5", true, -1000, 7, 12.5, 1356001.0},
      {"Meeus table 7, -4712 Jan 1.5", true, -4712, 1, 1.5, 0.0},
      {"Meeus ch. 7, last Julian day 1582 Oct 4", true, 1582, 10, 4.0, 2299159.5},
      {"Meeus ch. 7, first Gregorian day 1582 Oct 15", false, 1582, 10, 15.0, 2299160.5},
  };
  Form10& form = openWindow();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.source);
    click(row.julianOnly ? form.Option6 : form.Option5);
    type(form.Text4, std::to_string(row.year));
    type(form.Text3, std::to_string(row.month));
    type(form.Text2, Str(row.day));
    click(form.Command2);
    EXPECT_NEAR(shown(form.Text5), row.julianDay, 1e-4);
    type(form.Text4, "1");
    type(form.Text2, "1");
    click(form.Command3);
    EXPECT_EQ(form.Text4.Text(), std::to_string(row.year));
    EXPECT_EQ(form.Text3.Text(), std::to_string(row.month));
    EXPECT_NEAR(shown(form.Text2), row.day, 1e-6);
  }
  EXPECT_EQ(boxes.count(), 0);
}

// With the day starting at noon the same date is half a day later; day 32
// of January is shown back as 1 February; a box without a number is named.
TEST_F(Form10Test, DateBoxesCarryTheDayAndRefuseText) {
  Form10& form = openWindow();
  click(form.Option16);
  click(form.Command2);
  EXPECT_EQ(form.Text5.Text(), "2451545,5");
  click(form.Option15);
  type(form.Text2, "32");
  click(form.Command2);
  EXPECT_EQ(form.Text3.Text(), "2");
  EXPECT_EQ(form.Text2.Text(), "1");
  type(form.Text3, "январь");
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно дату");
  EXPECT_EQ(boxes.last().title, "Celvan7");
}

TEST_F(Form10Test, ButtonsShowTheOtherWindowsAndCloseTakesTheHelpersAlong) {
  Form10& form = chooseGreenwich();
  const struct {
    ui::CommandButton& button;
    int window;
  } cases[] = {{form.Command9, 13}, {form.Command16, 21}, {form.Command17, 22}, {form.Command11, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button.Caption());
    click(c.button);
    ASSERT_NE(ui::activeForm(), nullptr);
    EXPECT_EQ(ui::activeForm()->Number(), c.window);
  }
  const int file = Main.DataFileHandle;
  click(form.Command14);
  EXPECT_FALSE(ui::isFormLoaded<Form10>());
  EXPECT_FALSE(ui::isFormLoaded<Form13>());
  EXPECT_FALSE(ui::isFormLoaded<Form21>());
  EXPECT_FALSE(ui::isFormLoaded<Form22>());
  EXPECT_TRUE(ui::isFormLoaded<Form6>());
  EXPECT_THROW(EndOfFile(file), RuntimeError);  // the observatory file is closed
}

// A start without a source, or for the Earth, is refused with its message
// and runs nothing.
TEST_F(Form10Test, StartIsRefusedWithoutASourceOrForTheEarth) {
  Form10& form = openWindow();
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Выберете имитатор");
  click(form.Option2);
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Надо открыть файл снова");  // the refusal left the run gate shut
  Main.StopFlag = 0;
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Выберете обсерваторию");
  std::filesystem::copy_file(programFile(kMarsFile), programFile("Obs/GREN3_G_100.txt"));
  type(form.Text1, "3");
  click(form.Option9[1]);
  click(form.Command1);
  EXPECT_EQ(boxes.last().text, "Землю не наблюдали");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(form.statistics.N, 0);
}

TEST_F(Form10Test, ExitUnloadsEveryWindow) {
  Form10& form = openWindow();
  form2();
  click(form.Command13);
  EXPECT_TRUE(ui::loadedForms().empty());
}

}  // namespace
