// Counters, means, weight, histogram and statistics text of the deviations
// of a reduction run.
#include "science/reduction/DeviationStatistics.h"

#include <cmath>
#include <limits>

#include "core/Constants.h"
#include "core/runtime/NumberText.h"

namespace {

using astro::kArcSecondsPerDegree;
constexpr double kMillion = 1000000;
constexpr double kLargestWeight = std::numeric_limits<double>::max();
constexpr int kBinsPerQuantity = 18;

std::string count4(int count) { return Format(count, "0000"); }

// A mean truncated to six decimals, as plain number text.
std::string meanText(double value) { return Str(Fix(kMillion * value) / kMillion); }

}  // namespace

double wrapDeviation(double degrees) {
  if (degrees > 300) degrees -= 360;
  if (degrees < -300) degrees += 360;
  return degrees;
}

void DeviationStatistics::add(double dL, double dB, double dR, double julianDay, bool countL, bool countB) {
  ++N;
  if (countL && dL > 0) ++positive;
  if (countB && dB > 0) ++positive;
  sumJD += julianDay;
  sumDR += dR;
  sumSqDR += dR * dR;
  sumDL += dL;
  sumAbsDL += std::fabs(dL);
  sumSqDL += dL * dL;
  sumDB += dB;
  sumAbsDB += std::fabs(dB);
  sumSqDB += dB * dB;
}

double DeviationStatistics::cell(int row, int s) const {
  const bool mean = s == 1;
  switch (row) {
    case 1: return mean ? sumDR / N : std::sqrt(sumSqDR / N);
    case 2: return mean ? sumAbsDL * kArcSecondsPerDegree / N : std::sqrt(sumSqDL / N) * kArcSecondsPerDegree;
    default: return mean ? sumAbsDB * kArcSecondsPerDegree / N : std::sqrt(sumSqDB / N) * kArcSecondsPerDegree;
  }
}

double weightOfCriterion(double criterion) { return criterion == 0 ? kLargestWeight : 1 / criterion; }

double weightBySpanAndCount(double weight, int startYear, int endYear, int N) {
  const double factor = ((endYear - startYear) / 100.0 + 1) * (N / 1000.0 + 1);
  const double weighted = weight * factor;
  return std::isfinite(weighted) ? weighted : kLargestWeight;
}

void DeviationHistogram::prepare(double dRLimit) {
  for (int k = 0; k <= kBinsPerQuantity; ++k) {
    edges[k] = k / kArcSecondsPerDegree;
    edges[k + 20] = k / (4 * kArcSecondsPerDegree);
    edges[k + 40] = k * dRLimit / kBinsPerQuantity;
  }
  edges[19] = kMillion;
  edges[39] = kMillion;
  edges[59] = kMillion * kMillion;
  counts.fill(0);
  prepared = true;
}

void DeviationHistogram::count(double dL, double dB, double dR) {
  const auto countIn = [this](int first, double value) {
    for (int k = first; k <= first + kBinsPerQuantity; ++k)
      if (value > edges[k - 1] && value < edges[k]) ++counts[k];
  };
  countIn(1, std::fabs(dL));
  countIn(21, std::fabs(dB));
  countIn(41, dR);
}

std::string deviationStatisticsText(const DeviationHistogram& histogram, const DeviationStatistics& statistics,
                                    const std::string& code, int object) {
  if (statistics.N == 0) return {};
  const auto& E = histogram.edges;
  const auto& C = histogram.counts;
  const double s = kArcSecondsPerDegree;
  std::string text = "статистика данных  " + code + "  по планете " + std::to_string(object) +
                     "\r\nинтервалы dL и dB в угловых секундах dR в тыс.км.)\r\n\r\n";
  for (int i = 1; i <= kBinsPerQuantity; ++i) {
    text += Format(E[i - 1] * s, "00") + "..." + Format(E[i] * s, "00") + "   " + count4(C[i]) + "        " +
            Format(E[i + 19] * s, "0.00") + "..." + Format(E[i + 20] * s, "0.00") + "   " + count4(C[i + 20]) +
            "        " + Format(E[i + 39], "000.00") + "..." + Format(E[i + 40], "000.00") + "   " +
            count4(C[i + 40]) + "\r\n";
  }
  text += Format(E[18] * s, "00") + "...     " + count4(C[19]) + "        " + Format(E[38] * s, "0.00") +
          "...       " + count4(C[39]) + "        " + Format(E[58], "000.00") + "...         " + count4(C[59]) +
          "\r\n";
  const double n = statistics.N;
  text += "\r\n                 общее количество точек  " + Str(n) + "\r\n";
  text += "dLsr= " + meanText(s * statistics.sumAbsDL / n) + " секунд   dBsr= " +
          meanText(s * statistics.sumAbsDB / n) + " секунд   dRsr= " + meanText(statistics.sumDR / n) +
          " тыс. км.";
  return text;
}
