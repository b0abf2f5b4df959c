// Groups of a fit range and the weighted least-squares trend of their means.
// Reference: the normal equations of weighted least squares, e.g. Bevington
// and Robinson, Data Reduction and Error Analysis, ch. 6 and 7.
#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/runtime/RuntimeError.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "science/sample/OrbitSample.h"

namespace sample {

namespace {

// Sums over the groups of w T^n (n = 0..4) and of w T^n Y (n = 0..2).
struct NormalSums {
  std::array<double, 5> t{};
  std::array<double, 3> ty{};
};

NormalSums normalSums(const SampleGroups& groups) {
  NormalSums sums;
  for (std::size_t g = 0; g < groups.mean.size(); ++g) {
    const double w = groups.weight[g], t = groups.time[g], y = groups.mean[g];
    double power = 1;
    for (int n = 0; n <= 4; ++n) {
      sums.t[n] += w * power;
      if (n <= 2) sums.ty[n] += w * power * y;
      power *= t;
    }
  }
  // The sum of the weights as the grouping counted it.
  sums.t[0] = groups.weightSum;
  return sums;
}

void refuseZero(double divisor) {
  if (divisor == 0) throw RuntimeError(ErrorCode::DivisionByZero, "trend: singular normal equations");
}

// The three normal equations in plane 3 of the solver, constant term first:
// -S(ty n) + sum over m of S(t n+m) b_m = 0.
Trend solveQuadratic(const NormalSums& s) {
  for (int i = 1; i <= 3; ++i) {
    Stat.EquationMatrix(3, i, 0) = -s.ty[i - 1];
    for (int j = 1; j <= 3; ++j) Stat.EquationMatrix(3, i, j) = s.t[i + j - 2];
  }
  SolveThreeUnknowns();
  return Trend{Stat.Xopt[1], Stat.Xopt[2], Stat.Xopt[3]};
}

int coefficientCount(TrendKind kind) {
  switch (kind) {
    case TrendKind::Constant: return 1;
    case TrendKind::Linear: return 2;
    case TrendKind::Quadratic: return 3;
  }
  return 1;
}

}  // namespace

SampleGroups groupSample(const GroupingRule& rule) {
  if (rule.size < 1) throw RuntimeError(ErrorCode::DivisionByZero, "groups: no points per group");
  SampleGroups groups;
  double sum = 0;
  int32_t points = 0;
  for (int32_t i = rule.first; i <= rule.last; ++i) {
    sum += Main.SampleValues(rule.column, i);
    if (++points < rule.size) continue;
    groups.mean.push_back(sum / points);
    sum = 0;
    points = 0;
    double days = 0, weight = 1;
    if (!rule.observed) {
      days = Main.dT[i] / 2 + rule.startJD + Main.dT[i - rule.size + 1] / 2;
    } else {
      days = rule.startJD + Main.dT[i] + (rule.halfInterval ? Main.ddT[i] / 2 : 0);
      if (!rule.unitWeights) weight = Main.SampleValues(kVes, i);
    }
    groups.time.push_back((days - rule.epochJD) / astro::kDaysPerJulianCentury);
    groups.weight.push_back(weight);
    groups.weightSum += weight;
    groups.weightMax = std::max(groups.weightMax, weight);
  }
  refuseZero(groups.weightMax);
  groups.weightSum /= groups.weightMax;
  for (double& w : groups.weight) w /= groups.weightMax;
  return groups;
}

int leastGroupCount(TrendKind kind) { return coefficientCount(kind) + 1; }

Trend fitTrend(const SampleGroups& groups, TrendKind kind) {
  const NormalSums s = normalSums(groups);
  const double w = s.t[0];
  Trend trend;
  switch (kind) {
    case TrendKind::Constant:
      refuseZero(w);
      trend.b0 = s.ty[0] / w;
      break;
    case TrendKind::Linear: {
      const double determinant = w * s.t[2] - s.t[1] * s.t[1];
      refuseZero(determinant);
      trend.b1 = (w * s.ty[1] - s.t[1] * s.ty[0]) / determinant;
      trend.b0 = (s.ty[0] - s.t[1] * trend.b1) / w;
      break;
    }
    case TrendKind::Quadratic:
      trend = solveQuadratic(s);
      break;
  }
  for (std::size_t g = 0; g < groups.mean.size(); ++g) {
    const double weighted = (groups.mean[g] - trend.at(groups.time[g])) * groups.weight[g];
    trend.residualSum += weighted * weighted;
  }
  const int freedom = static_cast<int>(groups.mean.size()) - coefficientCount(kind);
  if (freedom < 1) throw RuntimeError(ErrorCode::DivisionByZero, "trend: too few groups");
  trend.sigma = std::sqrt(trend.residualSum / freedom);
  return trend;
}

}  // namespace sample
