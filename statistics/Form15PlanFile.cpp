// "2-Загрузить параметры плана №" and "Сохранить": the plan file of the
// plan number in Text4 (layout in PlanFile.h). A load changes the levels,
// optima and weights and the plan number, never the plan itself: the factors
// and the plan type come from the last "1-Создать план".
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form15Texts.h"
#include "core/stat/PlanFile.h"
#include "core/runtime/ProgramFiles.h"
#include "core/stat/ScaledNumbers.h"
#include "statistics/ScrolledPicture.h"

namespace {

// Blanks between the columns of the printed factor rows.
const std::string kBlanks13(13, ' ');
const std::string kBlanks10(10, ' ');
const std::string kBlanks12(12, ' ');

std::string factorLine(int i) {
  const std::string number = Str(i);
  return "X" + number + kBlanks13 + Str(cutToMillionths(Stat.ZeroLevels[i])) + kBlanks10 +
         Str(cutToMillionths(Stat.VariationIntervals[i])) + kBlanks12 + "Xopt" + number + kBlanks13 +
         Str(cutToMillionths(Stat.Xopt[i])) + kBlanks10 + Str(cutToMillionths(Stat.XoptNatural[i]));
}

}  // namespace

// Command14_Click "2-Загрузить параметры плана №".
// Reads:    Text4, Check3; the plan file
// Writes:   Main.PlanNumber; what readPlanFile writes; Text11..Text15 of the
//           seven factors; the listing of the file on Picture1
// Notes:    Titles "Celvan7m": a plan number that is no number, "Задайте
//           правильно данные"; a file that cannot be opened, "Не могу найти
//           файл \PlanN\CelvanPlanN.dat"; a read that fails, "Ошибка при
//           чтении данных из файла ..." with what was read kept.
void Form15::Command14_Click() {
  if (!loadPlanFile(Text4.Text(), form15text::kTitle7m)) return;
  showLoadedPlan();
  printLoadedPlan();
}

// The factors of the file in their boxes: levels and natural optimum cut to
// six decimals, interval and coded optimum as stored; the natural value now
// is X0 + dX for a ticked factor, X0 for the others.
void Form15::showLoadedPlan() {
  for (int i = 1; i <= 7; ++i) {
    const double zero = Stat.ZeroLevels[i];
    Text11[i].setText(Str(cutToMillionths(zero)));
    Text12[i].setText(Str(Stat.VariationIntervals[i]));
    Text14[i].setText(Str(Stat.Xopt[i]));
    Text15[i].setText(Str(cutToMillionths(Stat.XoptNatural[i])));
    const double now = Check3[i].Value() == 1 ? zero + Stat.VariationIntervals[i] : zero;
    Text13[i].setText(Str(cutToMillionths(now)));
  }
}

// The file as read, as one block 7 units below the top of the picture.
void Form15::printLoadedPlan() {
  std::vector<std::string> lines{Stat.PlanFileTitle, Stat.PlanFileKindLine};
  for (int i = 1; i <= 7; ++i) lines.push_back(factorLine(i));
  lines.push_back("");
  lines.push_back(Stat.PlanFileWeightsTitle);
  for (int p = 1; p <= 10; ++p) lines.push_back(planetWeightsLine(p));
  scrolled::printBlockAt(Picture1, 1.6, layout_.height - 7, lines);
}

// Command12_Click "Сохранить": the boxes of the seven factors into the plan
// arrays, then the plan file written whole with the weights in memory.
// Reads:    Text4, Text11, Text12, Text14, Text15, Option2, Stat.Nf,
//           Stat.ShiftWeights
// Writes:   Main.PlanNumber, Stat.ZeroLevels, VariationIntervals, Xopt,
//           XoptNatural (1..7); the file
// Notes:    Titles "Celvan7m": a box that is no number, "Задайте правильно
//           номер плана" (the boxes converted before it stay, no file is
//           opened); a file that cannot be written, "Ошибка при записи данных
//           в файл \PlanN \CelvanPlanN.dat".
void Form15::Command12_Click() {
  const bool converted = withErrorTrap("Задайте правильно номер плана", form15text::kTitle7m, [&] {
    Main.PlanNumber = CInt(Text4.Text());
    for (int i = 1; i <= 7; ++i) {
      Stat.ZeroLevels[i] = CDbl(Text11[i].Text());
      Stat.VariationIntervals[i] = CDbl(Text12[i].Text());
      Stat.Xopt[i] = CDbl(Text14[i].Text());
      Stat.XoptNatural[i] = CDbl(Text15[i].Text());
    }
  });
  if (!converted) return;
  const std::string number = Str(Main.PlanNumber);
  const std::string failed = "Ошибка при записи данных в файл \\Plan" + number + " \\CelvanPlan" + number + ".dat";
  const std::string title = "Уровни варьирования плана № " + number;
  const std::string kindLine = std::string(Option2.Value() ? "Roto" : "Orto") + " - для  " + Str(Stat.Nf) + "  факторов ";
  writeProgramFile(planFileName(Main.PlanNumber), {failed, failed, form15text::kTitle7m},
                   [&](int file) {
                     writePlanFile(file, title, kindLine, kPlanWeightsTitle, planArraysAsFactorRows());
                   });
}
