#pragma once
// The deviations of a reduction run, computed minus observed: how each is
// brought near zero, what an accepted epoch adds to the counters and sums,
// the means and root-mean-square values of the run, the weight of the data
// point, the histogram of the deviations and the text of the deviation
// statistics file. Plain values, no window: the observation window owns one
// of each for its run.
#include <array>
#include <string>

// wrapDeviation: an angle difference in degrees brought near zero: above
// 300 it loses 360, then below -300 it gains 360 (300 and -300 stay).
double wrapDeviation(double degrees);

// Counters and sums over the accepted epochs of a run.
struct DeviationStatistics {
  int N = 0;              // accepted epochs
  int positive = 0;       // positive dL (when counted) plus positive dB (when counted)
  double sumDR = 0;       // thousand km
  double sumSqDR = 0;
  double sumDL = 0;       // degrees
  double sumDB = 0;
  double sumAbsDL = 0;
  double sumAbsDB = 0;
  double sumSqDL = 0;
  double sumSqDB = 0;
  double sumJD = 0;       // Julian Days of the accepted epochs

  void clear() { *this = DeviationStatistics{}; }
  // One accepted epoch: dL, dB in degrees, dR in thousand km, its Julian
  // Day; countL, countB: whether positive dL, dB count as positive.
  void add(double dL, double dB, double dR, double julianDay, bool countL, bool countB);
  // The statistics of the run (N > 0): row 1 dR (thousand km), 2 the
  // longitude, 3 the latitude (arc seconds); s 1 the mean (of the absolute
  // values for the angles, of the signed dR), s 2 the root mean square.
  double cell(int row, int s) const;
  double meanJulianDay() const { return sumJD / N; }
};

// weightOfCriterion: the weight of the data point, 1 / criterion. A
// criterion of exactly 0 (every deviation 0) gets the largest finite weight
// instead of a division by zero.
double weightOfCriterion(double criterion);
// weightBySpanAndCount: the weight times ((endYear - startYear) / 100 + 1)
// times (N / 1000 + 1), kept finite.
double weightBySpanAndCount(double weight, int startYear, int endYear, int N);

// The histogram of a run: 60 bin edges and the counts. Bins 1..19 count
// |dL| (degrees; edges every arc second up to 18", then an open end), 21..39
// |dB| (edges every quarter arc second up to 4.5"), 41..59 the signed dR
// (thousand km; 18 equal bins up to the filter limit). A bin counts the
// values strictly between its two edges; bins 0, 20 and 40 never count.
struct DeviationHistogram {
  static constexpr int kEdges = 60;
  std::array<double, kEdges> edges{};
  std::array<int, kEdges + 1> counts{};
  bool prepared = false;

  void prepare(double dRLimit);
  void count(double dL, double dB, double dR);
};

// deviationStatisticsText: the whole text of the deviation statistics file
// (the histogram side by side, the number of points and the means), its
// lines joined with CR LF and no line end after the last; empty when no
// epoch was accepted.
std::string deviationStatisticsText(const DeviationHistogram& histogram, const DeviationStatistics& statistics,
                                    const std::string& code, int object);
