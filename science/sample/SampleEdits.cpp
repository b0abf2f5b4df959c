// Picking, deleting and inserting points of the shared sample. The records
// keep their order; T0 stays the time of the earliest record wherever a
// delete or an insert would leave it otherwise.
#include <algorithm>

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/stat/ScaledNumbers.h"
#include "science/sample/OrbitSample.h"

namespace sample {

namespace {

// A copy of the sample's records 1..N with their absolute times (T0 + dT),
// so that the shared arrays can be rewritten from it.
struct WorkCopy {
  std::vector<double> time;     // Julian Day, index 0..N+1
  std::vector<double> interval;  // ddT
  std::vector<std::array<double, kLastColumn + 1>> values;
};

WorkCopy copyOfSample(int32_t n) {
  WorkCopy work;
  work.time.assign(n + 2, 0.0);
  work.interval.assign(n + 2, 0.0);
  work.values.assign(n + 2, {});
  for (int32_t i = 1; i <= n; ++i) {
    work.time[i] = Main.SeriesStartJD + Main.dT[i];
    work.interval[i] = Main.ddT[i];
    for (int c = 1; c <= kLastColumn; ++c) work.values[i][c] = Main.SampleValues(c, i);
  }
  return work;
}

// Record `to` of the shared sample takes work record `from`, its time
// counted from T0.
void takeRecord(int32_t to, const WorkCopy& work, int32_t from) {
  Main.dT[to] = work.time[from] - Main.SeriesStartJD;
  Main.ddT[to] = work.interval[from];
  for (int c = 1; c <= kLastColumn; ++c) Main.SampleValues(c, to) = work.values[from][c];
}

// The earliest of the times first..last, and never later than the bound of
// an edited series.
double earliestTime(const std::vector<double>& time, int32_t first, int32_t last) {
  double earliest = kLatestSeriesJD;
  for (int32_t i = first; i <= last; ++i) earliest = std::min(earliest, time[i]);
  return earliest;
}

}  // namespace

int32_t pickRecordAtTime(float t, int32_t previous) {
  const int32_t n = Main.RecordCount;
  if (n < 2) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "pick: fewer than two records");
  auto midpoint = [](int32_t i) {
    return static_cast<float>(Main.dT[i] + (Main.dT[i + 1] - Main.dT[i]) / 2);
  };
  int32_t picked = previous;
  if (midpoint(1) > t) picked = 1;
  for (int32_t i = 2; i <= n - 1; ++i)
    if (midpoint(i - 1) < t && t < midpoint(i)) picked = i;
  if (midpoint(n - 1) < t) picked = n;
  return picked;
}

void removeSampleRecord(int32_t k) {
  const int32_t n = Main.RecordCount;
  checkIndex(k, 1, n);
  WorkCopy work = copyOfSample(n);
  Main.RecordCount = n - 1;
  for (int32_t i = k; i <= n - 1; ++i) takeRecord(i, work, i + 1);
  if (k == 1) {
    Main.SeriesStartJD = earliestTime(work.time, 2, n);
    for (int32_t i = 1; i <= n - 1; ++i) takeRecord(i, work, i + 1);
  }
}

std::vector<int32_t> recordsOnStoredDate(double jd) {
  const double hundredth = wholeUnits(100 * jd);
  std::vector<int32_t> dated;
  for (int32_t i = 1; i <= Main.RecordCount; ++i)
    if (wholeUnits(100 * (Main.SeriesStartJD + Main.dT[i])) == hundredth) dated.push_back(i);
  return dated;
}

int32_t insertSampleRecord(double jd, double interval, int column, double value) {
  const int32_t n = Main.RecordCount;
  checkIndex(column, 1, kLastColumn);
  if (!(jd > 0 && jd < kLatestSeriesJD))
    throw RuntimeError(ErrorCode::InvalidCall, "insert: a date outside the series' range");
  WorkCopy work = copyOfSample(n);
  work.time[0] = 0;
  work.time[n + 1] = kLatestSeriesJD;
  int32_t position = 0;
  for (int32_t i = 1; i <= n + 1; ++i)
    if (work.time[i - 1] < jd && jd < work.time[i]) position = i;
  if (position == 0) throw RuntimeError(ErrorCode::InvalidCall, "insert: the date of a record");

  Main.RecordCount = n + 1;
  Main.dT.redim(n + 1);
  Main.ddT.redim(n + 1);
  Main.SampleValues.redim(kLastColumn, n + 1);
  work.time[n + 1] = jd;
  Main.SeriesStartJD = earliestTime(work.time, 1, n + 1);
  for (int32_t i = 1; i < position; ++i) takeRecord(i, work, i);
  for (int32_t i = position + 1; i <= n + 1; ++i) takeRecord(i, work, i - 1);
  Main.dT[position] = jd - Main.SeriesStartJD;
  Main.ddT[position] = interval;
  Main.SampleValues(column, position) = value;
  Main.SampleValues(kVes, position) = 1;
  return position;
}

void keepStartOnStoredHundredth() {
  const double stored = wholeUnits(100 * Main.SeriesStartJD) / 100;
  const double shift = Main.SeriesStartJD - stored;
  if (shift == 0) return;
  Main.SeriesStartJD = stored;
  for (int32_t i = 1; i <= Main.RecordCount; ++i) Main.dT[i] += shift;
}

}  // namespace sample
