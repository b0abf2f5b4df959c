// "Загрузить  весовые коэффициенты" and its "Сохранить": the weights of
// the plan file of the plan number in Text7 (layout in PlanFile.h), listed
// on the picture and edited in the weight boxes of the grid.
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "statistics/Form15Texts.h"
#include "statistics/Form19.h"
#include "core/stat/PlanFile.h"
#include "core/runtime/ProgramFiles.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace {

// Picture extents of the listing of the weights, picture units.
constexpr double kWeightsHeight = 10;
constexpr double kWeightsWidth = 30;

}  // namespace

// Command4_Click: the whole plan file N (its factor rows into the plan
// arrays too, exactly as the optimisation window loads it), the weights
// listed and put into the weight boxes cut to six decimals.
// Reads:    Text7; the plan file
// Writes:   Main.PlanNumber; what readPlanFile writes; the weight boxes
// Notes:    Titles "Celvan7": "Задайте правильно данные" for a plan number
//           that is no number; "Не могу найти файл \PlanN\CelvanPlanN.dat";
//           "Ошибка при чтении данных из файла ..." with the values read kept.
void Form19::Command4_Click() {
  if (!loadPlanFile(Text7.Text(), form15text::kTitle7)) return;
  setPictureExtents(kWeightsHeight, kWeightsWidth);
  listWeights();
  for (int p = 1; p <= 10; ++p)
    for (int s = 1; s <= 6; ++s) weightBox(p, s).setText(Str(cutToMillionths(Stat.ShiftWeights(p, s))));
}

void Form19::listWeights() {
  std::vector<std::string> lines{Stat.PlanFileWeightsTitle};
  for (int p = 1; p <= 10; ++p) lines.push_back(planetWeightsLine(p));
  scrolled::printBlockAt(Picture1, 1.6, pictureHeight_, lines);
}

// Command5_Click "Сохранить": the weight boxes into ShiftWeights, then plan
// file N written whole: its title lines and factor rows as the last plan
// file read or written left them (not the plan arrays, which a test
// criterion, a fit or a plan run may have rewritten since; the plan arrays
// only when no plan file has been read or written yet), the weights.
// Reads:    the weight boxes, Text7, Stat.PlanFileTitle, PlanFileKindLine,
//           PlanFileWeightsTitle, lastPlanFileFactorRows()
// Writes:   Stat.ShiftWeights(1..10, 1..6), Main.PlanNumber; the file
// Notes:    Titles "Celvan7": "Задайте правильно данные" for a box that is no
//           number (the boxes converted before it stay, no file is written);
//           "Ошибка при записи данных в файл \PlanN\CelvanPlanN.dat".
void Form19::Command5_Click() {
  const bool converted = withErrorTrap(form15text::kBadData, form15text::kTitle7, [&] {
    for (int p = 1; p <= 10; ++p)
      for (int s = 1; s <= 6; ++s) Stat.ShiftWeights(p, s) = CDbl(weightBox(p, s).Text());
    Main.PlanNumber = CInt(Text7.Text());
  });
  if (!converted) return;
  const std::string name = planFileName(Main.PlanNumber);
  const std::string failed = "Ошибка при записи данных в файл " + name;
  const PlanFactorRows rows = lastPlanFileFactorRows();
  writeProgramFile(name, {failed, failed, form15text::kTitle7}, [&](int file) {
    writePlanFile(file, Stat.PlanFileTitle, Stat.PlanFileKindLine, Stat.PlanFileWeightsTitle, rows);
  });
}
