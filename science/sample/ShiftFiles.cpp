// The secular-shift files as the statistics window reads them whole and
// writes them whole: the model file of one plan and body with a row per
// experiment, the observed file of one folder with a row per body.
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/stat/ShiftFiles.h"
#include "science/sample/OrbitSample.h"

namespace sample {

namespace {

constexpr int kObservedRows = 11;
constexpr int kMostExperiments = 91;

constexpr const char* kModelColumnTitles =
    "№ эксперимента  перигелий   восхождение     наклон    эксцентриситет    полуось        угл. скорость";
constexpr const char* kObservedColumnTitles =
    "№ планеты      перигелий    восхождение    наклон     эксцентриситет   полуось       угл. скорость";

void readRow(int file, ShiftFileContents& contents) {
  double number = 0;
  const ShiftRow shifts = readShiftRow(file, number);
  std::array<double, 7> row = shifts;
  row[0] = number;
  contents.rows.push_back(row);
}

}  // namespace

void readModelShiftFile(int fileNumber, ShiftFileContents& contents) {
  contents.titleLines.push_back(LineInput(fileNumber));
  const int32_t rows = CLng(InputNumber(fileNumber));
  if (rows < 0 || rows > kMostExperiments)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "shift file: not 0..91 experiments");
  contents.declaredRows = rows;
  contents.titleLines.push_back(LineInput(fileNumber));
  for (int e = 1; e <= rows; ++e) readRow(fileNumber, contents);
}

void readObservedShiftFile(int fileNumber, ShiftFileContents& contents) {
  contents.titleLines.push_back(LineInput(fileNumber));
  contents.titleLines.push_back(LineInput(fileNumber));
  for (int b = 1; b <= kObservedRows; ++b) readRow(fileNumber, contents);
}

void writeModelShiftFile(int fileNumber, int plan, int body) {
  PrintJoined(fileNumber, {"Обработанные данные расчета для плана № " + Str(plan) + "  по планете № " + Str(body)});
  PrintZones(fileNumber, {Stat.RunCount});
  PrintJoined(fileNumber, {kModelColumnTitles});
  for (int e = 1; e <= Stat.RunCount; ++e) {
    ShiftRow shifts{};
    for (int s = 1; s <= kShiftCount; ++s) shifts[s] = Main.ModelShifts(body, s, e);
    writeShiftRow(fileNumber, e, shifts);
  }
}

void writeObservedShiftFile(int fileNumber, const std::string& folder) {
  PrintJoined(fileNumber, {"Обработанные данные  " + folder + "  по всем планетам"});
  PrintJoined(fileNumber, {kObservedColumnTitles});
  for (int b = 1; b <= kObservedRows; ++b) {
    ShiftRow shifts{};
    for (int s = 1; s <= kShiftCount; ++s) shifts[s] = Main.ObservedShifts(b, s);
    writeShiftRow(fileNumber, b, shifts);
  }
}

}  // namespace sample
