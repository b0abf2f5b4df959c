#include <array>
#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/stat/StatHelpers.h"
#include "core/state/SharedState.h"

using namespace stat_detail;

namespace {

// Zero-point runs the design strings have room for, k = 2..6: the fields of a
// string less the 2^k core runs and the 2k star runs.
constexpr int kMostZeroPoints[] = {12, 10, 10, 10, 15};

// Coded design value of each factor (1..6) in each run (1..91), before the
// star runs are scaled by the arm.
using CodedDesign = std::array<std::array<double, 92>, 7>;

// Refuses a plan that cannot be built whole, before anything is written.
void refuseUnbuildablePlan(int k, int zeroPoints) {
  if (k < 2 || k > 6)
    throw RuntimeError(ErrorCode::InvalidCall, "К-во факторов должно быть от 2 до 6");
  const int most = kMostZeroPoints[k - 2];
  if (zeroPoints < 0 || zeroPoints > most)
    throw RuntimeError(ErrorCode::InvalidCall,
                       "К-во нулевых точек должно быть от 0 до " + std::to_string(most) +
                           " при " + std::to_string(k) + " факторах");
}

// Field of a design string for one run: "+1", "-1" or "+0" as a number. A
// missing or malformed field is a type mismatch.
double designFieldValue(const std::string& column, int run) {
  const std::size_t at = 2 * static_cast<std::size_t>(run - 1);
  if (column.size() < at + 2) throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
  const char sign = column[at];
  const char digit = column[at + 1];
  if ((sign != '+' && sign != '-') || digit < '0' || digit > '9')
    throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
  return (sign == '-' ? -1.0 : 1.0) * (digit - '0');
}

CodedDesign readDesign(int k, int runs) {
  CodedDesign design{};
  for (int i = 1; i <= k; ++i)
    for (int r = 1; r <= runs; ++r) design[i][r] = designFieldValue(Stat.DesignColumns(k, i), r);
  return design;
}

// The tabulated constants k1..k7 of the uniform-rotatable plan (k = 2..6;
// k7 equals k2) and k1..k6 of the D-optimal plan (k = 4, 5).
constexpr double kUniformRotatableConstants[5][7] = {
    {0.2, 0.1, 0.125, 0.25, 0.1251, 0.0187, 0.1},
    {0.1663, 0.0568, 0.0732, 0.125, 0.0625, 0.0069, 0.0568},
    {0.1428, 0.0357, 0.0417, 0.0625, 0.0312, 0.0037, 0.0357},
    {0.0988, 0.0191, 0.0231, 0.0312, 0.0156, 0.0015, 0.0191},
    {0.0625, 0.0098, 0.0125, 0.0156, 0.0078, 0.0005, 0.0098},
};
constexpr double kDOptimalConstants[2][6] = {
    {0.22917, 0.0625, 0.0555556, 0.0625, 0.5, 0.10417},
    {0.158206, 0.0332, 0.0294118, 0.03125, 0.5, 0.0917969},
};

std::array<double*, 7> planConstants() {
  return {&Stat.PlanK1, &Stat.PlanK2, &Stat.PlanK3, &Stat.PlanK4,
          &Stat.PlanK5, &Stat.PlanK6, &Stat.PlanK7};
}

void setTabulatedConstants(int type, int k) {
  const auto constants = planConstants();
  if (type == kUniformRotatable) {
    for (int c = 0; c < 7; ++c) *constants[c] = kUniformRotatableConstants[k - 2][c];
  } else if (type == kDOptimal && (k == 4 || k == 5)) {
    for (int c = 0; c < 6; ++c) *constants[c] = kDOptimalConstants[k - 4][c];
  }
}

std::string tabulatedConstantsText() {
  std::string text = "табличные коэффициенты";
  const auto constants = planConstants();
  for (int c = 0; c < 7; ++c) text += "  k" + std::to_string(c + 1) + "= " + Str(*constants[c]);
  return text;
}

// Star arm and mean of x_i^2 of the plan. The orthogonal arm makes
// sum(x_i^2 - MeanX2) = 0 and sum((x_i^2 - MeanX2)(x_j^2 - MeanX2)) = 0.
void setArmAndMeanSquare(int type, int k, int core, int runs) {
  Stat.MeanX2 = 0.0;
  Stat.StarArm = 1.0;
  if (type == kOrthogonal) {
    Stat.StarArm = std::sqrt((std::sqrt(static_cast<double>(runs) * core) - core) / 2.0);
    Stat.MeanX2 = std::sqrt(static_cast<double>(core) / runs);
  } else if (type == kRotatable || type == kUniformRotatable) {
    Stat.StarArm = std::pow(2.0, k / 4.0);
  }
}

void writeFactorColumns(const CodedDesign& design, int k, int core, int runs) {
  for (int i = 1; i <= k; ++i) {
    for (int r = 1; r <= runs; ++r) {
      Stat.DesignTable(i, r) = design[i][r];
      Stat.PlanMatrix(i, r) = design[i][r];
    }
    for (int r = core + 1; r <= core + 2 * k; ++r)
      Stat.PlanMatrix(i, r) = Stat.StarArm * Stat.DesignTable(i, r);
  }
}

void writeProductColumns(int k, int runs) {
  for (int a = 1; a < k; ++a)
    for (int b = a + 1; b <= k; ++b)
      for (int r = 1; r <= runs; ++r)
        Stat.PlanMatrix(pairTerm(k, a, b), r) = Stat.PlanMatrix(b, r) * Stat.PlanMatrix(a, r);
  for (int i = 1; i <= k; ++i)
    for (int r = 1; r <= runs; ++r) {
      const double x = Stat.PlanMatrix(i, r);
      Stat.PlanMatrix(squareTerm(k, i), r) = x * x - Stat.MeanX2;
    }
}

void sumMoments(int k, int runs) {
  for (int t = 1; t <= modelTermCount(k); ++t) {
    Stat.EXi[t] = Stat.EXi2[t] = Stat.EXi4[t] = 0.0;
    for (int r = 1; r <= runs; ++r) {
      const double v = Stat.PlanMatrix(t, r);
      Stat.EXi[t] += v;
      Stat.EXi2[t] += v * v;
      Stat.EXi4[t] += v * v * v * v;
    }
  }
  // All factors have the same moments by construction; factor 1 stands for them.
  Stat.la2 = Stat.EXi2[1] / runs;
  Stat.la4 = Stat.EXi4[1] / runs / 3.0;
  Stat.la4z = Stat.la4 / Stat.la2 / Stat.la2;
}

}  // namespace

void BuildPlanMatrix() {
  const int type = Stat.PlanType;
  const int k = Stat.Nf;
  refuseUnbuildablePlan(k, Stat.N0);
  const int core = 1 << k;
  const int runs = core + 2 * k + Stat.N0;
  const CodedDesign design = readDesign(k, runs);

  Stat.CorePoints = static_cast<int16_t>(core);
  Stat.StarPoints = static_cast<int16_t>(2 * k);
  Stat.InteractionCount = static_cast<int16_t>(pairTermCount(k));
  Stat.RunCount = static_cast<int16_t>(runs);
  setArmAndMeanSquare(type, k, core, runs);
  setTabulatedConstants(type, k);
  Main.ScratchText4 = tabulatedConstantsText();
  writeFactorColumns(design, k, core, runs);
  writeProductColumns(k, runs);
  sumMoments(k, runs);
}
