#pragma once
// What the tests of the optimisation window Form15 and the weights window
// Form19 share: the shared state as after the program's start, a program
// folder of their own with the plan, imitator and sound folders, no pauses,
// a message-box recorder, and writers of the plan and shift files as the
// layouts of those files describe them (Windows-1251, CR LF).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "statistics/Form15.h"
#include "statistics/Form19.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

// Rows of the files as the tests write them: a factor row of the plan file
// (X0, dX, Xopt, XoptNatural in whole millionths), a weight row (six weights
// as written), a shift row (six shifts in whole millionths).
using FactorRow = std::array<long long, 4>;
using WeightRow = std::array<std::string, 6>;
using ShiftRowMillionths = std::array<long long, 6>;

class Form15Test : public WindowTest {
 protected:
  void SetUp() override {
    startWithStartUpState();
    useTemporaryProgramFolder({"Dat", "Arhiv", "Ser", "JPL", "NEW", "Plan2"});
    addPlanFolders(1);
    fillDesignColumns();
    previousSleep_ = setSleepHandler([](int) {});
  }

  void TearDown() override {
    setSleepHandler(previousSleep_);
    WindowTest::TearDown();
  }

  static Form15& openOptimisationWindow() {
    Form15& form = form15();
    form.Show();
    return form;
  }

  // Ticks exactly the factors given (1..7) and presses "1-Создать план".
  static void createPlan(Form15& form, const std::vector<int>& factors, bool rotatable = false) {
    click(rotatable ? form.Option2 : form.Option1);
    for (int i = 1; i <= 7; ++i) {
      const bool wanted = std::find(factors.begin(), factors.end(), i) != factors.end();
      if ((form.Check3[i].Value() == 1) != wanted) click(form.Check3[i]);
    }
    click(form.Command5);
  }

  // --- Files below the program folder ---

  // Lines written in Windows-1251 with CR LF.
  void writeLines(const std::string& relative, const std::vector<std::string>& lines) const {
    std::ofstream out(folder_ / relative, std::ios::binary);
    for (const std::string& line : lines) out << utf8ToCp1251(line) << "\r\n";
  }

  // The lines of a file, read back from Windows-1251, without their CR LF.
  std::vector<std::string> readLines(const std::string& relative) const {
    std::ifstream in(folder_ / relative, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < bytes.size()) {
      const std::string::size_type end = bytes.find("\r\n", start);
      if (end == std::string::npos) break;
      lines.push_back(cp1251ToUtf8(bytes.substr(start, end - start)));
      start = end + 2;
    }
    return lines;
  }

  // A plan file in its layout: the seven factor rows (X0, dX, Xopt,
  // XoptNatural, whole millionths) and the ten weight rows (per cent).
  void writePlanFile(int plan, const std::array<FactorRow, 7>& factors, const std::array<WeightRow, 10>& weights) const {
    std::vector<std::string> lines{"Уровни варьирования плана № " + std::to_string(plan), "Orto - для  2  факторов "};
    for (const FactorRow& row : factors)
      lines.push_back(" " + std::to_string(row[0]) + "  " + std::to_string(row[1]) + "  " + std::to_string(row[2]) +
                      "  " + std::to_string(row[3]) + " ");
    lines.push_back("весовые коэффициенты смещений параметров орбит планет");
    for (const WeightRow& row : weights) {
      std::string line;
      for (const std::string& w : row) line += " " + w + " ";
      lines.push_back(line);
    }
    writeLines("Plan" + std::to_string(plan) + "/CelvanPlan" + std::to_string(plan) + ".dat", lines);
  }

  // Factor rows with every level 0 and interval 1, and weights of 100 for
  // every planet and parameter.
  static std::array<FactorRow, 7> unitFactors() {
    std::array<FactorRow, 7> rows{};
    for (FactorRow& row : rows) row = {0, 1000000, 0, 0};
    return rows;
  }
  static std::array<WeightRow, 10> uniformWeights(const std::string& weight) {
    std::array<WeightRow, 10> rows;  // strings start empty
    for (WeightRow& row : rows) row.fill(weight);
    return rows;
  }

  // A shift row: its number and six shifts in millionths.
  static std::string shiftRowLine(int number, const ShiftRowMillionths& shifts) {
    std::string line = " " + std::to_string(number) + " ";
    for (long long s : shifts) line += (s < 0 ? "" : " ") + std::to_string(s) + " ";
    return line;
  }

  // The model shift file of a plan and a body: title, count, column titles,
  // one row per experiment.
  void writeModelShiftFile(int plan, int body, const std::vector<ShiftRowMillionths>& rows,
                           int declaredCount = -1) const {
    std::vector<std::string> lines{"Обработанные данные расчета для плана № " + std::to_string(plan) +
                                       "  по планете № " + std::to_string(body),
                                   " " + std::to_string(declaredCount < 0 ? rows.size() : declaredCount) + " ",
                                   "№ эксперимента  перигелий   восхождение     наклон    эксцентриситет    полуось        "
                                   "угл. скорость"};
    for (std::size_t e = 0; e < rows.size(); ++e) lines.push_back(shiftRowLine(static_cast<int>(e) + 1, rows[e]));
    writeLines("Plan" + std::to_string(plan) + "/Celvan" + std::to_string(body) + "Ras.dat", lines);
  }

  // The observed shift file of an imitator folder ("Ser", "JPL", "NEW"):
  // title, column titles, rows of bodies 1..11.
  void writeObservedShiftFile(const std::string& folder, const std::array<ShiftRowMillionths, 11>& rows) const {
    std::vector<std::string> lines{"Обработанные данные  \\" + folder + "  по всем планетам",
                                   "№ планеты      перигелий    восхождение    наклон     эксцентриситет   полуось       "
                                   "угл. скорость"};
    for (int b = 1; b <= 11; ++b) lines.push_back(shiftRowLine(b, rows[b - 1]));
    writeLines(folder + "/CelvanNab.dat", lines);
  }

  std::function<void(int)> previousSleep_;
};
