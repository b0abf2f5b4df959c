// "Создать план": the plan of the chosen type over the ticked factors, built
// by the shared plan procedures and printed on the picture as the coded
// model matrix with its column sums, the plan constants and the counts.
#include <algorithm>
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form18.h"
#include "statistics/Form18Texts.h"

namespace {

// Heights of the picture: every plan up to three factors fits 38 units; a
// larger one grows with its runs (0.5 unit per row).
double planPictureHeight(int factors) {
  const int beyondThree = factors > 3 ? factors - 3 : 0;
  return 4.0 * beyondThree * beyondThree + 38.0;
}
double planPictureWidth(int factors) { return factors > 5 ? 42.0 : 32.0; }

// The number of model columns of a k-factor quadratic: k linear, k(k-1)/2
// pair and k square terms.
int modelColumnCount(int k) { return 2 * k + k * (k - 1) / 2; }

}  // namespace

// Command14_Click "Создать план".
// Reads:    Frame5's options, Check3(1..6), Check1, Text5
// Writes:   Stat.PlanType, Nf, FactorIndex(1..Nf), N0, PlanK1..PlanK7 and
//           all that BuildPlanMatrix and ComputeRotatableCoefficients write;
//           Main.ScratchText4, PictureHeight, PictureScaleWidth, PrintLineY,
//           PrintColumnX; Text8, Text5; the picture
// Notes:    "К-во факторов должно быть от 2 до 6" and "Факторы должны быть
//           отмечены по порядку" refuse the plan; any run-time error
//           (Text5 not a number, too many zero points) shows "Ошибка при
//           составление плана", and what was stored or printed stays.
void Form18::Command14_Click() {
  withErrorTrap(form18text::kPlanError, form18text::kTitle, [this] { createPlan(); });
}

void Form18::createPlan() {
  Stat.PlanType = static_cast<int16_t>(chosenPlanType());
  Stat.Nf = 0;
  for (int i = 1; i <= 6; ++i) {
    if (Check3[i].Value() != 1) continue;
    ++Stat.Nf;
    Stat.FactorIndex[Stat.Nf] = static_cast<int16_t>(i);
  }
  Text8.setText(Str(Stat.Nf));
  const int k = Stat.Nf;
  if (k < 2 || k > 6) {
    MsgBox(form18text::kFactorCount, form18text::kTitle);
    return;
  }
  Main.PictureHeight = planPictureHeight(k);
  Main.PictureScaleWidth = planPictureWidth(k);
  PreparePlanPicture();
  if (!factorsTickedInOrder()) {
    MsgBox(form18text::kFactorOrder, form18text::kTitle);
    return;
  }

  Stat.PlanK1 = Stat.PlanK2 = Stat.PlanK3 = Stat.PlanK4 = 0;
  Stat.PlanK5 = Stat.PlanK6 = Stat.PlanK7 = 0;
  Main.ScratchText4 = "";
  Stat.N0 = CInt(Text5.Text());
  if (Check1.Value() != 1) SetZeroPointCount();
  if (Stat.PlanType == 4) Stat.N0 = 0;
  BuildPlanMatrix();
  Text5.setText(Str(Stat.N0));

  printPlanTable();
  printAt(0, Main.PrintLineY - 2.5, Main.ScratchText4);
  ComputeRotatableCoefficients();
  printPlanConstants();
  printPlanCounts();
}

// Type 1 is what remains when none of the other four options is chosen.
int Form18::chosenPlanType() const {
  if (Option13.Value()) return 2;
  if (Option14.Value()) return 3;
  if (Option15.Value()) return 4;
  if (Option16.Value()) return 5;
  return 1;
}

// The ticked factor boxes are X1..Xk without a gap.
bool Form18::factorsTickedInOrder() const {
  bool gapMet = false;
  for (int i = 1; i <= 6; ++i) {
    const bool ticked = Check3[i].Value() == 1;
    if (ticked && gapMet) return false;
    if (!ticked) gapMet = true;
  }
  return true;
}

// The model columns of PlanMatrix, one row per run from the top of the
// picture (0.5 unit apart), the column sums EXi, EXi2, EXi4 below them; pair
// columns stand closer together than the linear and square ones. A column
// stands at least two blanks clear of the widest number of the one before
// it, so that numbers of neighbouring columns never run together, whatever
// size the screen gives the print; the columns after it move along with it.
void Form18::printPlanTable() {
  const int k = Stat.Nf;
  const int runs = Stat.RunCount;
  const int pairs = k * (k - 1) / 2;
  Main.PrintLineY = Main.PictureHeight - runs / 2.0;
  columnPosition_ = -1.2;
  columnShift_ = 0;
  double pushed = 0;               // how far the columns so far moved right
  double previousEnd = -1e9;       // where the widest number of the last column ends
  const double apart = Picture1.TextWidth("  ");
  for (int j = 1; j <= modelColumnCount(k); ++j) {
    if (j > k && j <= k + pairs) {
      columnShift_ = 0.5;
      columnPosition_ += 0.5;
    } else {
      columnPosition_ += 1.2;
    }
    std::vector<double> values;
    for (int r = 1; r <= runs; ++r) values.push_back(truncateDecimals(Stat.PlanMatrix(j, r), 2));
    for (double sum : {Stat.EXi[j], Stat.EXi2[j], Stat.EXi4[j]}) values.push_back(truncateDecimals(sum, 2));
    const double x = std::max(columnPosition_ + columnShift_ + pushed, previousEnd + apart);
    pushed = x - columnPosition_ - columnShift_;
    double widest = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const double y = i < static_cast<std::size_t>(runs) ? Main.PictureHeight - i / 2.0
                                                          : Main.PrintLineY - 0.5 * (i - runs + 1);
      printNumberAt(x, y, values[i]);
      widest = std::max(widest, Picture1.TextWidth((values[i] >= 0 ? " " : "") + Str(values[i])));
    }
    previousEnd = x + widest;
    Main.PrintColumnX = x + 2;
  }
  columnPosition_ += pushed;
  const double namesX = columnPosition_ + 4 * columnShift_;
  printAt(namesX, Main.PrintLineY - 0.5, "   EXi");
  printAt(namesX, Main.PrintLineY - 1, "   EXi2");
  printAt(namesX, Main.PrintLineY - 1.5, "   EXi4");
}

// The seven plan constants as ComputeRotatableCoefficients left them, cut to
// four decimals.
void Form18::printPlanConstants() {
  const double constants[7] = {Stat.PlanK1, Stat.PlanK2, Stat.PlanK3, Stat.PlanK4,
                               Stat.PlanK5, Stat.PlanK6, Stat.PlanK7};
  Main.ScratchText4 = "расчетные коэффициенты";
  for (int c = 0; c < 7; ++c)
    Main.ScratchText4 += "  k" + std::to_string(c + 1) + "= " + Str(truncateDecimals(constants[c], 4));
  printAt(0, Main.PrintLineY - 3, Main.ScratchText4);
}

// Counts and moments of the plan below the table.
void Form18::printPlanCounts() {
  const double y = Main.PrintLineY;
  printAt(0, y - 4, "к-во точек ядра=          " + Str(Stat.CorePoints));
  printAt(0, y - 4.5, "к-во звездных точек=  " + Str(Stat.StarPoints));
  printAt(0, y - 5, "к-во нулевых точек=     " + Str(Stat.N0));
  printAt(0, y - 5.5, "к-во точек плана=         " + Str(Stat.RunCount));
  printAt(8, y - 4, "звездное плечо=     " + Str(Stat.StarArm));
  if (Stat.PlanType == 1) printAt(8, y - 4.5, "среднее значение Xi^2=" + Str(Stat.MeanX2));
  if (Stat.PlanType == 2 || Stat.PlanType == 3) {
    printAt(19, y - 4, "la2=  " + Str(Stat.la2));
    printAt(19, y - 4.5, "la4=  " + Str(Stat.la4));
  }
  if (Stat.PlanType == 3) printAt(19, y - 5, "la4z= " + Str(Stat.la4z));
}
