#pragma once
// What the tests of the statistics window share: a program folder of their
// own with the folders of the series and shift files, a message-box
// recorder, the program started as a user sees it (Form1 loaded and shown),
// series files written byte by byte in the layout the model and the
// observation plans write, and readers of what the window shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "statistics/Form6.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

namespace form6test {

// The four header lines of a series as the model's start writes them.
inline const std::vector<std::string> kSeriesHeader{
    "эксперимент № 1 для объекта № 1 из 10 от 01.02.2024 плоскость эклиптики в эпоху J2000 начало 01,50.01.2000",
    "шаг решения 3600 сек  уменьшен у перигелия в 1000 раз     dAlfa= 1   kodBary= 0   kodMoon= 0   kodDX= 1   "
    "kodPgr= 0",
    "КЛАССИКА   JPL0    VXsys=  0   VYsys= 0   VZsys= 0   Vgr= 0 Vsv   k1= 0  k2= 0  m2=  408523     m5= 1047,348",
    " № замера     прошло дней   перигелий     восхождение     наклон   эксцентриситет    полуось     угл.скорость"};

// A record of a series in sample units: dT and ddT in days, the columns
// AlfaP.. in degrees, pure numbers, millions of km, radians per century.
struct Point {
  double dT = 0;
  double alfaP = 0, alfaU = 0, betta = 0, eks = 0, rsr = 0, w0 = 0;
  double ddT = 0, ves = 1, alfaL0 = 0, dP11 = 0, dU11 = 0;
};

// A number as a print list writes it: a blank for the sign (or "-"), the
// digits of the whole number, a trailing blank.
inline std::string printed(double whole) {
  std::ostringstream text;
  text.precision(17);
  text << (whole < 0 ? "-" : " ") << std::fabs(whole) << " ";
  return text.str();
}

// The record line of a point: 8 fields (model and imitator series) or 13
// (observed series), whole numbers of the scaled values.
inline std::string recordLine(int number, const Point& p, bool observed) {
  auto whole = [](double v, double scale) { return printed(std::trunc(std::round(v * scale * 1e3) / 1e3)); };
  std::string line = printed(number) + whole(p.dT, 100);
  if (observed) line += whole(p.ddT, 100) + whole(p.ves, 1e8);
  for (double v : {p.alfaP, p.alfaU, p.betta, p.eks, p.rsr, p.w0}) line += whole(v, 1e8);
  if (observed) line += whole(p.alfaL0, 1e6) + whole(p.dP11, 1e8) + whole(p.dU11, 1e8);
  return line;
}

// The numbers of a line of blank-separated numbers.
inline std::vector<double> numbersOfLine(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> numbers;
  for (double v; in >> v;) numbers.push_back(v);
  return numbers;
}

class Form6Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat", "JPL", "NEW", "Ser/Plan1", "Risunki"});
    addPlanFolders(1);
    form1().Show();
  }

  // The statistics window, shown as a navigation button shows it.
  static Form6& openStatistics() {
    Form6& form = form6();
    form.Show();
    return form;
  }

  // A series file below the program folder: the header, the count line
  // (capacity and 100 T0), one record line per point; CR LF, Windows-1251.
  void writeSeries(const std::string& relative, double startJD, const std::vector<Point>& points,
                   bool observed = false, long capacity = -1) const {
    std::string text;
    for (const std::string& line : kSeriesHeader) text += line + "\r\n";
    text += printed(capacity < 0 ? static_cast<double>(points.size()) : capacity) + printed(std::round(startJD * 100)) +
            "\r\n";
    for (std::size_t i = 0; i < points.size(); ++i) text += recordLine(static_cast<int>(i) + 1, points[i], observed) + "\r\n";
    writeFileBytes(relative, utf8ToCp1251(text));
  }

  // The lines of a file, without their line ends, as UTF-8.
  std::vector<std::string> fileLines(const std::string& relative) const {
    std::vector<std::string> lines;
    std::istringstream in(cp1251ToUtf8(fileBytes(relative)));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  std::filesystem::path path(const std::string& relative) const { return folder_ / relative; }

  MessageBoxRecorder boxes;

};

}  // namespace form6test
