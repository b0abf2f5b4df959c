#pragma once
// Independent tools for the statistics tests: central-composite plans built
// from their textbook definition, the full quadratic model's regressors, and
// ordinary least squares by normal equations solved with partial pivoting in
// long double. Nothing here calls the procedures under test except buildPlan.
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "core/stat/Stat.h"
#include "core/state/SharedState.h"

namespace stat_test {

using Point = std::vector<double>;  // coded factors x_1..x_k at [0..k-1]

// Builds the plan the way every window does: type and k, the default or a
// given number of zero points, the plan, the computed constants.
inline void buildPlan(int type, int k, int zeroPoints = -1) {
  fillDesignColumns();
  Stat.PlanType = static_cast<int16_t>(type);
  Stat.Nf = static_cast<int16_t>(k);
  SetZeroPointCount();
  if (zeroPoints >= 0) Stat.N0 = static_cast<int16_t>(zeroPoints);
  BuildPlanMatrix();
  ComputeRotatableCoefficients();
}

// A central-composite plan: the 2^k factorial at +-1 (factor 1 varies
// slowest, +1 first), then +arm and -arm on each axis in turn, then the
// centre points.
inline std::vector<Point> centralCompositePlan(int k, double arm, int centrePoints) {
  std::vector<Point> plan;
  for (int run = 0; run < (1 << k); ++run) {
    Point p(k);
    for (int i = 0; i < k; ++i) p[i] = (run >> (k - 1 - i)) & 1 ? -1.0 : 1.0;
    plan.push_back(p);
  }
  for (int i = 0; i < k; ++i)
    for (double sign : {1.0, -1.0}) {
      Point p(k, 0.0);
      p[i] = sign * arm;
      plan.push_back(p);
    }
  for (int c = 0; c < centrePoints; ++c) plan.push_back(Point(k, 0.0));
  return plan;
}

// The coded points of the current plan as the procedures left them.
inline std::vector<Point> planPoints() {
  std::vector<Point> plan;
  for (int r = 1; r <= Stat.RunCount; ++r) {
    Point p(Stat.Nf);
    for (int i = 0; i < Stat.Nf; ++i) p[i] = Stat.PlanMatrix(i + 1, r);
    plan.push_back(p);
  }
  return plan;
}

// Regressors of the full quadratic model in the order b0, b_i, b_ij (i < j,
// row by row), b_ii.
inline std::vector<double> quadraticRegressors(const Point& x) {
  const std::size_t k = x.size();
  std::vector<double> row{1.0};
  for (std::size_t i = 0; i < k; ++i) row.push_back(x[i]);
  for (std::size_t i = 0; i < k; ++i)
    for (std::size_t j = i + 1; j < k; ++j) row.push_back(x[i] * x[j]);
  for (std::size_t i = 0; i < k; ++i) row.push_back(x[i] * x[i]);
  return row;
}

inline double quadraticValue(const std::vector<double>& b, const Point& x) {
  const std::vector<double> row = quadraticRegressors(x);
  double y = 0.0;
  for (std::size_t t = 0; t < row.size(); ++t) y += b[t] * row[t];
  return y;
}

// Solves a x = rhs by Gaussian elimination with partial pivoting.
inline std::vector<double> solveLinearSystem(std::vector<std::vector<long double>> a,
                                             std::vector<long double> rhs) {
  const std::size_t n = rhs.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    std::swap(a[c], a[pivot]);
    std::swap(rhs[c], rhs[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const long double f = a[r][c] / a[c][c];
      for (std::size_t j = c; j < n; ++j) a[r][j] -= f * a[c][j];
      rhs[r] -= f * rhs[c];
    }
  }
  std::vector<double> x(n);
  for (std::size_t r = n; r-- > 0;) {
    long double sum = rhs[r];
    for (std::size_t j = r + 1; j < n; ++j) sum -= a[r][j] * x[j];
    x[r] = static_cast<double>(sum / a[r][r]);
  }
  return x;
}

// Ordinary least squares of the full quadratic model: (X'X) b = X'y.
inline std::vector<double> quadraticLeastSquares(const std::vector<Point>& plan,
                                                 const std::vector<double>& y) {
  const std::size_t terms = quadraticRegressors(plan.front()).size();
  std::vector<std::vector<long double>> normal(terms, std::vector<long double>(terms, 0.0L));
  std::vector<long double> rhs(terms, 0.0L);
  for (std::size_t r = 0; r < plan.size(); ++r) {
    const std::vector<double> row = quadraticRegressors(plan[r]);
    for (std::size_t i = 0; i < terms; ++i) {
      rhs[i] += static_cast<long double>(row[i]) * y[r];
      for (std::size_t j = 0; j < terms; ++j)
        normal[i][j] += static_cast<long double>(row[i]) * row[j];
    }
  }
  return solveLinearSystem(normal, rhs);
}

// A smooth criterion that no quadratic fits exactly, so that a wrong formula
// shows in the residual part as well as in the quadratic part.
inline double curvedCriterion(const Point& x) {
  double y = 3.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double w = 0.7 + 0.3 * static_cast<double>(i);
    y += w * x[i] - 0.4 * w * x[i] * x[i] + 0.05 * x[i] * x[i] * x[i];
    if (i > 0) y += 0.25 * x[i - 1] * x[i];
  }
  return y + std::sin(x[0] + 0.5);
}

// Writes the criterion of every run of the current plan into Criterion.
inline std::vector<double> fillCriterion(double (*criterion)(const Point&)) {
  std::vector<double> y;
  const std::vector<Point> plan = planPoints();
  for (std::size_t r = 0; r < plan.size(); ++r) {
    y.push_back(criterion(plan[r]));
    Stat.Criterion[static_cast<long>(r) + 1] = y.back();
  }
  return y;
}

}  // namespace stat_test
