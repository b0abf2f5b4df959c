#include "core/stat/PlanFile.h"

#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/runtime/ProgramFiles.h"
#include "core/stat/ScaledNumbers.h"

namespace {

constexpr int kFactorCount = 7;
constexpr int kPlanetCount = 10;
constexpr int kShiftCount = 6;

}  // namespace

namespace {

void keepAsLastPlanFileRows(const PlanFactorRows& rows) {
  for (int i = 1; i <= kFactorCount; ++i) {
    Stat.PlanFileZeroLevels[i] = rows.zeroLevels[i];
    Stat.PlanFileIntervals[i] = rows.intervals[i];
    Stat.PlanFileXopt[i] = rows.xopt[i];
    Stat.PlanFileXoptNatural[i] = rows.xoptNatural[i];
  }
  Stat.PlanFileRowsKnown = 1;
}

}  // namespace

namespace {

// The rows of factors 1..7 from four tables (the zero levels' table of the
// plan arrays holds one slot more).
template <typename ZeroLevels>
PlanFactorRows rowsOf(const ZeroLevels& zeroLevels, const Table1<double, 9>& intervals,
                      const Table1<double, 9>& xopt, const Table1<double, 9>& xoptNatural) {
  PlanFactorRows rows;
  for (int i = 1; i <= kFactorCount; ++i) {
    rows.zeroLevels[i] = zeroLevels[i];
    rows.intervals[i] = intervals[i];
    rows.xopt[i] = xopt[i];
    rows.xoptNatural[i] = xoptNatural[i];
  }
  return rows;
}

}  // namespace

PlanFactorRows planArraysAsFactorRows() {
  return rowsOf(Stat.ZeroLevels, Stat.VariationIntervals, Stat.Xopt, Stat.XoptNatural);
}

PlanFactorRows lastPlanFileFactorRows() {
  if (Stat.PlanFileRowsKnown != 1) return planArraysAsFactorRows();
  return rowsOf(Stat.PlanFileZeroLevels, Stat.PlanFileIntervals, Stat.PlanFileXopt,
                Stat.PlanFileXoptNatural);
}

bool loadPlanFile(const std::string& typedNumber, const std::string& title) {
  if (!withErrorTrap("Задайте правильно данные", title, [&] { Main.PlanNumber = CInt(typedNumber); })) return false;
  const std::string name = planFileName(Main.PlanNumber);
  return readProgramFile(name, {"Не могу найти файл " + name, "Ошибка при чтении данных из файла " + name, title},
                         readPlanFile);
}

std::string planFileName(int plan) {
  const std::string number = Str(plan);
  return "\\Plan" + number + "\\CelvanPlan" + number + ".dat";
}

void readPlanFile(int file) {
  Stat.PlanFileTitle = LineInput(file);
  Stat.PlanFileKindLine = LineInput(file);
  for (int i = 1; i <= kFactorCount; ++i) {
    Stat.ZeroLevels[i] = InputNumber(file) / Main.MK;
    Stat.VariationIntervals[i] = InputNumber(file) / Main.MK;
    Stat.Xopt[i] = InputNumber(file) / Main.MK;
    Stat.XoptNatural[i] = InputNumber(file) / Main.MK;
  }
  keepAsLastPlanFileRows(planArraysAsFactorRows());
  Stat.PlanFileWeightsTitle = LineInput(file);
  for (int p = 1; p <= kPlanetCount; ++p)
    for (int s = 1; s <= kShiftCount; ++s) Stat.ShiftWeights(p, s) = InputNumber(file);
}

void writePlanFile(int file, const std::string& title, const std::string& kindLine,
                   const std::string& weightsTitle, const PlanFactorRows& rows) {
  PrintJoined(file, {title});
  PrintJoined(file, {kindLine});
  for (int i = 1; i <= kFactorCount; ++i)
    PrintJoined(file, {wholeMillionths(rows.zeroLevels[i]), wholeMillionths(rows.intervals[i]),
                       wholeMillionths(rows.xopt[i]), wholeMillionths(rows.xoptNatural[i])});
  PrintJoined(file, {weightsTitle});
  for (int p = 1; p <= kPlanetCount; ++p) {
    std::vector<PrintItem> weights;
    for (int s = 1; s <= kShiftCount; ++s) weights.emplace_back(listInputNumber(Stat.ShiftWeights(p, s)));
    PrintJoined(file, weights);
  }
  keepAsLastPlanFileRows(rows);
}

std::string planetWeightsLine(int p) {
  std::string line = "планета  " + Str(p) + std::string(11, ' ');
  for (int s = 1; s <= kShiftCount; ++s) line += (s > 1 ? "    " : "") + Str(Stat.ShiftWeights(p, s));
  return line;
}
