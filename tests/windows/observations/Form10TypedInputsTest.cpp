// Typed values the observation window refuses before anything runs or is
// written: numbers it cannot use (a step that never moves the date or
// overflows it, a pause beyond reason, a fraction of an object, a date
// whose year runs past 32 bits) and names that would lead out of the
// program folder or name no file.
#include <filesystem>
#include <string>
#include <vector>

#include "windows/observations/Form10Fixture.h"

namespace {

using Form10TypedInputsTest = Form10Test;

// Each value is refused by "Начать" with the window's one message, and no
// epoch is reduced: a step of zero, backwards or below anything the dates
// can show (the run would never end), a step or a pause that overflows,
// a pause that would hold the program for minutes, and an object number
// with a fraction (it would round to another body).
TEST_F(Form10TypedInputsTest, StartRefusesValuesItCannotUse) {
  Form10& form = prepareMarsRun();
  struct Case {
    ui::TextBox Form10::*box;
    const char* typed;
    const char* good;
  };
  const Case cases[] = {
      {&Form10::Text18, "0", "1,28"},      {&Form10::Text18, "-1", "1,28"},
      {&Form10::Text18, "1E-300", "1,28"}, {&Form10::Text18, "1E+308", "1,28"},
      {&Form10::Text18, "-1E+308", "1,28"}, {&Form10::Text17, "1E+12", "1000"},
      {&Form10::Text17, "1000000", "1000"}, {&Form10::Text17, "-5", "1000"},
      {&Form10::Text1, "4,5", "4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    form.Option9[1].setValue(true);  // the file opened at its first record
    boxes.clear();
    type(form.*c.box, c.typed);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_EQ(boxes.last().title, "Celvan7.0");
    EXPECT_EQ(form.statistics.N, 0);
    type(form.*c.box, c.good);
  }
}

// A day that carries a date past the last year a 32-bit number holds is
// refused with the date message; the boxes keep what was typed.
TEST_F(Form10TypedInputsTest, DateWhoseYearOverflowsIsRefused) {
  Form10& form = openWindow();
  type(form.Text2, "32");
  type(form.Text3, "12");
  type(form.Text4, "2147483647");
  click(form.Command2);  // "DMY->JD"
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно дату");
  EXPECT_EQ(form.Text4.Text(), "2147483647");
  EXPECT_EQ(form.Text3.Text(), "12");
  EXPECT_EQ(form.Text2.Text(), "32");
}

// A typed observatory code with a path separator or ".." is refused: the
// file open before is closed and no observatory is chosen, so nothing is
// read or written outside the program folder.
TEST_F(Form10TypedInputsTest, ObservatoryCodeLeadingOutOfTheFolderIsRefused) {
  Form10& form = chooseGreenwich();
  for (const char* code : {"../../celvan-outside/X", "a/b", "a\\b", ".."}) {
    SCOPED_TRACE(code);
    click(form.Option9[1]);
    ASSERT_EQ(form.ObsFileState, 9);
    boxes.clear();
    type(form.Text59, code);
    click(form.Option9[7]);  // "иное"
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_TRUE(form.Option9[0].Value());
    EXPECT_EQ(Main.TheoryName, "");
    EXPECT_EQ(form.ObsFileState, 0);
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.parent_path() / "celvan-outside"));
}

// The number of the observatory file and that of the kept-records copy
// name files: text, a fraction, zero or a negative number is refused, and
// no file is written.
TEST_F(Form10TypedInputsTest, FileNumbersTakeOnlyWholePositiveNumbers) {
  Form10& form = openWindow();
  click(form.Option2);
  type(form.Text1, "4");
  type(form.Text56, "abc");
  click(form.Option9[1]);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные");

  type(form.Text56, "100");
  form.Option9[1].setValue(true);
  ASSERT_EQ(boxes.count(), 1);
  type(form.Text65, "2004");
  setTicked(form.Check22, true);  // "++File Bad, Good №"
  for (const char* number : {"abc", "1,5", "0", "-1"}) {
    SCOPED_TRACE(number);
    form.Option9[1].setValue(true);
    boxes.clear();
    type(form.Text57, number);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Введите правильно данные");
    EXPECT_EQ(form.statistics.N, 0);
  }
  EXPECT_FALSE(programFileExists("Dat/Bad_dataGREN4_100.txt"));
  const std::vector<std::string> copies = [&] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(programFile("Obs")))
      names.push_back(entry.path().filename().string());
    return names;
  }();
  EXPECT_EQ(copies, std::vector<std::string>{"GREN4_G_100.txt"});
}

}  // namespace
