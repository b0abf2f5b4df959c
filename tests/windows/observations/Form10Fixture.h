#pragma once
// What the tests of the observation window share: the shared state as the
// start-up window's load leaves it, a program folder of their own with "Obs" and "Dat"
// (the planets' perturbation coefficients of file 1 in it, which the window
// loads through Form22), the synthetic observatory file of Mars made from
// ERFA's apparent places (tests/fixtures/observations/make_mars_greenwich.py),
// and the user's way to a chosen observatory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "setup/Form1.h"
#include "windows/support/WindowTest.h"

class Form10Test : public WindowTest {
 protected:
  static constexpr int kMars = 4;
  static constexpr int kMarsRecords = 146;
  static constexpr const char* kMarsFile = "Obs/GREN4_G_100.txt";

  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Obs", "Dat"});
    form1();  // the start-up window's load prepares the shared state
    const std::filesystem::path fixtures(CELVAN_FIXTURES_DIR);
    std::filesystem::copy_file(fixtures / ".." / ".." / "data" / "Dat" / "dL1.dat", programFile("Dat/dL1.dat"));
    std::filesystem::copy_file(fixtures / "observations" / "GREN4_G_100.txt", programFile(kMarsFile));
  }

  // The window shown, as "К наблюдениям" shows it.
  Form10& openWindow() {
    Form10& form = form10();
    form.Show();
    return form;
  }

  // "Obs", the object, then the observatory GREN: its file opened.
  Form10& chooseGreenwich(int object = kMars) {
    Form10& form = openWindow();
    click(form.Option2);
    type(form.Text1, std::to_string(object));
    click(form.Option9[1]);
    return form;
  }
  // GREN chosen for Mars, the last year that of the file's last records.
  Form10& prepareMarsRun() {
    Form10& form = chooseGreenwich();
    type(form.Text65, "2004");
    return form;
  }

  // The lines of a file below the program folder (Windows-1251 to UTF-8),
  // without their CR LF.
  std::vector<std::string> fileLines(const std::string& relative) const {
    const std::string text = cp1251ToUtf8(fileBytes(relative));
    std::vector<std::string> lines;
    std::string::size_type start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
  }
};
