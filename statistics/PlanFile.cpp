#include "statistics/PlanFile.h"

#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "statistics/ProgramFiles.h"
#include "statistics/ScaledNumbers.h"

namespace {

constexpr int kFactorCount = 7;
constexpr int kPlanetCount = 10;
constexpr int kShiftCount = 6;

}  // namespace

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
  Stat.PlanFileWeightsTitle = LineInput(file);
  for (int p = 1; p <= kPlanetCount; ++p)
    for (int s = 1; s <= kShiftCount; ++s) Stat.ShiftWeights(p, s) = InputNumber(file);
}

void writePlanFile(int file, const std::string& title, const std::string& kindLine,
                   const std::string& weightsTitle) {
  PrintJoined(file, {title});
  PrintJoined(file, {kindLine});
  for (int i = 1; i <= kFactorCount; ++i)
    PrintJoined(file, {wholeMillionths(Stat.ZeroLevels[i]), wholeMillionths(Stat.VariationIntervals[i]),
                       wholeMillionths(Stat.Xopt[i]), wholeMillionths(Stat.XoptNatural[i])});
  PrintJoined(file, {weightsTitle});
  for (int p = 1; p <= kPlanetCount; ++p) {
    std::vector<PrintItem> weights;
    for (int s = 1; s <= kShiftCount; ++s) weights.emplace_back(listInputNumber(Stat.ShiftWeights(p, s)));
    PrintJoined(file, weights);
  }
}

std::string planetWeightsLine(int p) {
  std::string line = "планета  " + Str(p) + std::string(11, ' ');
  for (int s = 1; s <= kShiftCount; ++s) line += (s > 1 ? "    " : "") + Str(Stat.ShiftWeights(p, s));
  return line;
}
