// The load of the optimisation window and "1-Создать план": the plan over
// the ticked factors, the extents of the picture and the printed plan table.
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form15Texts.h"
#include "statistics/ScrolledPicture.h"

namespace {

constexpr int kFewestFactors = 2;
constexpr int kMostFactors = 6;

// Picture extents, picture units: 58 high up to three factors, growing as
// 4 (k - 3)² beyond; 32 wide, 42 for six factors.
constexpr double kBaseHeight = 58;
constexpr double kBaseWidth = 32;
constexpr double kWideWidth = 42;

// The plan table starts 19 units below the top: the observed shifts and the
// plan file are listed above it.
constexpr double kTableTopGap = 19;

}  // namespace

// Form_Load: no observed shifts yet, and the plan of the design-time boxes
// (orthogonal, X1 to X4), printed.
void Form15::Form_Load() {
  observedShiftsLoaded_ = false;
  Command5_Click();
}

// Command5_Click "1-Создать план": a plan of the type chosen over the ticked
// factors, plan column j standing for factor FactorIndex(j).
// Writes:   Stat.PlanType, Nf, FactorIndex, and through the plan procedures
//           N0, RunCount, PlanMatrix and the plan constants;
//           Main.PictureHeight, PictureScaleWidth, PrintLineY, PrintColumnX;
//           Text6 = the number of experiments; the picture
// Notes:    Fewer than two or more than six factors: "К-во факторов должно
//           быть от 2 до 6" and the previous plan stays whole (the count is
//           kept apart until it is accepted).
void Form15::Command5_Click() {
  int factorCount = 0;
  int factors[8] = {};
  for (int i = 1; i <= 7; ++i)
    if (Check3[i].Value() == 1) factors[++factorCount] = i;
  if (factorCount < kFewestFactors || factorCount > kMostFactors) {
    MsgBox("К-во факторов должно быть от 2 до 6", form15text::kTitle7);
    return;
  }
  Stat.PlanType = Option2.Value() ? 2 : 1;
  Stat.Nf = static_cast<int16_t>(factorCount);
  for (int j = 1; j <= factorCount; ++j) Stat.FactorIndex[j] = static_cast<int16_t>(factors[j]);
  SetZeroPointCount();
  BuildPlanMatrix();
  ComputeRotatableCoefficients();

  const int k = factorCount;
  layout_.height = kBaseHeight + (k > 3 ? 4.0 * (k - 3) * (k - 3) : 0.0);
  layout_.width = k > 5 ? kWideWidth : kBaseWidth;
  Main.PictureHeight = layout_.height;
  Main.PictureScaleWidth = layout_.width;
  Text6.setText(Str(Stat.RunCount));
  DrawPlanFrame();
  printPlanTable();
  // The table in view, from a line above its heading.
  VScroll1.setValue(scrolled::valueShowingFromTop(Picture1, Picture3, kTableTopGap - 1));
}

double Form15::experimentRow(int e) const { return layout_.height - kTableTopGap - 0.5 - e / 2.0; }

// The heading, then per experiment its number and the coded level of every
// plan column cut to two decimals, column i at x = i + 1.
void Form15::printPlanTable() {
  scrolled::printAt(Picture1, 0, layout_.height - kTableTopGap,
                    "Номер эксперимента, уровни плана и значение критерия (экспериментальное и расчетное)");
  const int k = Stat.Nf;
  for (int j = 1; j <= Stat.RunCount; ++j) {
    scrolled::printAt(Picture1, 0, experimentRow(j), j);
    for (int i = 1; i <= k; ++i)
      scrolled::printAt(Picture1, i + 1, experimentRow(j), Fix(100 * Stat.PlanMatrix(i, j)) / 100);
  }
  layout_.columnRight = k + 2;
  layout_.lineBelow = experimentRow(Stat.RunCount + 1);
  Main.PrintColumnX = layout_.columnRight;
  Main.PrintLineY = layout_.lineBelow;
}
