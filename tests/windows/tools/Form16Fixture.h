#pragma once
// What the tests of the eclipse window share: a program folder with "Dat"
// and "JPL" (the DE405 blocks of 2004 and 2006 installed when asked), the
// window's controls driven as a user drives them, and the events of the
// independent computation in tests/fixtures/eclipse.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "ToolWindowFixture.h"
#include "tools/Form16.h"

class Form16Test : public ToolWindowTest {
 protected:
  static constexpr int kJPL2 = 3;
  static constexpr double kSecondsPerDay = 86400.0;

  void SetUp() override {
    ToolWindowTest::SetUp();
    useTemporaryProgramFolder({"Dat", "JPL"});
    // The planets' perturbation coefficients that Form22 reads as the window
    // loads, as the program folder holds them.
    std::filesystem::copy_file(
        std::filesystem::path(CELVAN_FIXTURES_DIR) / ".." / ".." / "data" / "Dat" / "dL1.dat",
        folder_ / "Dat" / "dL1.dat");
  }

  // The DE405 blocks of 2004-05-11..06-12 and 2006-03-14..04-15.
  void installDE405Blocks() const {
    std::filesystem::copy_file(std::filesystem::path(CELVAN_FIXTURES_DIR) / "de405-2004-2006" /
                                   "JPL" / "ascp2000.405",
                               folder_ / "JPL" / "ascp2000.405");
  }

  // The window with DE405 chosen and the times of the bodies' motion taken
  // as UT + 64.8 s (ET1 - UT typed in minutes), the Earth's rotation by UT.
  Form16& windowWithDE405() {
    installDE405Blocks();
    Form16& form = form16();
    click(form.Option9[kJPL2]);
    setTicked(form.Check5, true);
    type(form.Text14, "1,08");
    setTicked(form.Check6, true);
    type(form.Text15, "0");
    return form;
  }

  static void typeDate(Form16& form, const std::string& year, const std::string& month,
                       const std::string& day) {
    type(form.Text4, year);
    type(form.Text3, month);
    type(form.Text2, day);
  }
  static void typeObserver(Form16& form, const std::string& east, const std::string& north) {
    type(form.Text24, east);
    type(form.Text25, north);
  }

  // "Начать" with "Start+Stop": the first pass at the date of the boxes.
  static void startOnePass(Form16& form) {
    setTicked(form.Check1, true);
    click(form.Command1);
  }
  // "+ 1 шаг": the next pass.
  static void nextPass(Form16& form) { click(form.Command6); }
  // The Julian Day (UT) of the pass just run.
  static double passDay(const Form16& form) { return shown(form.Text5); }

  // The lines of a report file below its header.
  int reportRecords(const std::string& file, int headerLines) const {
    std::istringstream in(fileBytes(file));
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines - headerLines;
  }
  static constexpr int kContactHeaderLines = 6;
  int contactRecords() const { return reportRecords("Dat/Param_data.txt", kContactHeaderLines); }

  // Starting at the date of the boxes, the first pass (Julian Day UT) at
  // which the contact report gains a line (the disks touch) or, with
  // `touching` false, does not.
  double firstPassWhere(Form16& form, bool touching, int passes) {
    startOnePass(form);  // the report starts anew
    int records = 0;  // lines before the first pass
    for (int pass = 0; pass < passes; ++pass) {
      if (pass > 0) nextPass(form);
      const int now = contactRecords();
      if ((now > records) == touching) return passDay(form);
      records = now;
    }
    ADD_FAILURE() << "no change of contact in " << passes << " passes";
    return 0;
  }

  // An event of the independent computation: its Julian Day (UT).
  static double independentEvent(const std::string& name) {
    std::ifstream in(std::filesystem::path(CELVAN_FIXTURES_DIR) / "eclipse" / "EclipseEvents.txt");
    std::map<std::string, double> events;
    std::string key;
    double day = 0;
    while (in >> key >> day) events[key] = day;
    EXPECT_TRUE(events.count(name)) << name;
    return events[name];
  }
};
