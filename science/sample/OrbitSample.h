#pragma once
// The orbit-parameter sample of the statistics window, without the window:
// the series files it reads and rewrites, the edits of its points, the
// grouped weighted least-squares trends, the search over group splits and
// the secular-shift files. The sample itself lives in the shared state:
// Main.RecordCount (N), Main.SeriesStartJD (T0), Main.dT, Main.ddT and
// Main.SampleValues (column, record), records 1..N.
//
// SampleFile.cpp        reading and rewriting an orbit-parameter series,
//                       whole units of a file, angle reduction, listing line
// SampleEdits.cpp       picking a point by its time, deleting and inserting
// TrendFit.cpp          groups of a fit range, constant/linear/quadratic trend
// GroupSplitSearch.cpp  the choice among the trends of every group size
// ShiftFiles.cpp        the model and observed secular-shift files
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Constants.h"

namespace sample {

// --- Kinds of sample: the values of Main.FileState on the statistics window ---
inline constexpr int16_t kNoSample = 0;
inline constexpr int16_t kObservedShiftsRead = 1;  // after reading an observed shift file
inline constexpr int16_t kModelShiftsRead = 2;     // after reading a model shift file
inline constexpr int16_t kImitatorSeries = 3;      // "\NEW" or "\JPL", 8-field records
inline constexpr int16_t kModelSeries = 4;         // a model run of a plan, 8-field records
inline constexpr int16_t kObservedSeries = 5;      // "\Ser\Plan", 13-field records
inline constexpr int16_t kTestSeries = 6;          // generated in memory, no file

// True for the kinds that are a series read from a file and can be rewritten.
bool isSeriesFromFile(int16_t kind);

// --- Columns of Main.SampleValues ---
enum Column : int16_t {
  kAlfaP = 1,   // perihelion longitude, degrees
  kAlfaU = 2,   // node longitude, degrees
  kBetta = 3,   // inclination, degrees
  kEks = 4,     // eccentricity
  kRsr = 5,     // semi-major axis, millions of km
  kW0 = 6,      // mean motion, radians per Julian century
  kAlfaL0 = 7,  // mean longitude at the epoch, degrees
  kdP11 = 8,    // Moon: perigee correction
  kdU11 = 9,    // Moon: node correction
  kVes = 10,    // weight of the point
};
inline constexpr int kLastColumn = 10;
inline constexpr int16_t kMoon = 11;

using astro::kDaysPerJulianYear;
// Bounds of the absolute times of an edited series: a point must lie after
// Julian Day 0 and before twice J2000.0.
inline constexpr double kLatestSeriesJD = 2 * astro::kJulianDayJ2000;

// ===================== SampleFile.cpp =====================

// One record of a series as the reader scales it: dT and ddT in days, the
// columns in the units of the writer (degrees, millions of km, ...).
struct SampleRecord {
  double dT = 0;
  double ddT = 0;
  std::array<double, kLastColumn + 1> value{};
};

// What a reader got out of a series file, as far as it got.
struct SeriesFile {
  std::string header;        // lines 1..4, the first three each followed by CR LF
  int32_t declaredCount = 0;  // the count line's capacity
  double startJD = 0;        // T0, Julian Day
  std::vector<SampleRecord> records;
};

// readSeriesRecords: the series on an open file.
// Reads:    Main.MK
// Given:    fileNumber open for input; observed: 13-field records (IG, dT,
//           ddT, Ves, AlfaP, AlfaU, Betta, Eks, Rsr, W0, AlfaL0, dP11,
//           dU11), else 8-field (IG, dT, AlfaP, AlfaU, Betta, Eks, Rsr, W0)
// Returns:  series: four header lines, the count line (capacity N and
//           Fix(100 T0)), then records up to the end of the file: times /
//           100, every column / 100 / MK, AlfaL0 * 100 on top; an 8-field
//           record has ddT = 0, AlfaL0 = dP11 = dU11 = 0 and Ves = 0.01.
// Notes:    Throws RuntimeError on a short header, a malformed number, a
//           negative capacity, more records than the capacity, a file
//           without records (unless mayBeEmpty: a series that is still to
//           receive its first point) and a time no calendar date can carry
//           (T0 or T0 + dT outside the Julian Days of the years
//           -32768..32767, or a ddT longer than that whole span); series
//           keeps what was read before.
void readSeriesRecords(int fileNumber, bool observed, SeriesFile& series, bool mayBeEmpty = false);

// takeSeriesAsSample: the records of series become the shared sample.
// Writes:   Main.RecordCount, SeriesStartJD, dT, ddT, SampleValues (records
//           1..N, resized)
void takeSeriesAsSample(const SeriesFile& series);

// readSeriesHeader: the four header lines of the series file, as they stand.
// Notes:    Throws RuntimeError when the file cannot be opened or has fewer
//           than four lines.
std::vector<std::string> readSeriesHeader(const std::string& relativePath);

// writeSampleRecords: a series file whole from the shared sample.
// Reads:    Main.RecordCount, Main.SeriesStartJD, Main.dT, Main.ddT,
//           Main.SampleValues, Main.MK
// Given:    fileNumber open for output; header: the four header lines;
//           observed: 13-field records, else 8-field
// Writes:   the header lines, the count line N and Fix(100 T0), then records
//           numbered 1..N; every number as wholeUnits of its scaled value,
//           in print zones.
// Notes:    The caller takes the header from the file itself
//           (readSeriesHeader), so that whatever other windows left in the
//           shared text lines never replaces it.
void writeSampleRecords(int fileNumber, const std::vector<std::string>& header, bool observed);


// reduceAngleToOneTurn: "Fix(Alfa)": positive angles into [0, 360),
// negative ones into (0, 360]; 0 stays 0 (-10 -> 350, 725 -> 5, -360 -> 360).
double reduceAngleToOneTurn(double degrees);

// How a listing shows the weight and the nine elements: the format mask of
// each column, and the factor of Rsr (millions of km) on the listing.
struct ListingMasks {
  std::array<const char*, kLastColumn + 1> mask{};
  double rsrFactor = 1;
};
// The statistics window's listing of a loaded series.
extern const ListingMasks kSampleListing;
// The listing of a series after the observation plan window has added its
// optimum: Rsr in thousand km.
extern const ListingMasks kOptimumExportListing;

// sampleListingLine: the text line of a record in the listing, with its CR
// LF; the marked record between two dash lines.
// Given:    number, the calendar year of T0 + dT, the record, marked, the
//           masks of the listing
std::string sampleListingLine(int32_t number, int32_t year, const SampleRecord& record, bool marked,
                              const ListingMasks& masks = kSampleListing);

// ===================== SampleEdits.cpp =====================

// pickRecordAtTime: the record whose time is nearest to t (days after T0).
// Reads:    Main.RecordCount (N >= 2), Main.dT
// Given:    t, kept in single precision; previous: the pick so far
// Returns:  1 when t lies before the first midpoint between neighbours, N
//           after the last, i between the midpoints around record i; the
//           midpoints in single precision, compared strictly, so a time on
//           a midpoint keeps the previous pick.
// Notes:    Fewer than two records throw RuntimeError(SubscriptOutOfRange).
int32_t pickRecordAtTime(float t, int32_t previous);

// removeSampleRecord: deletes record k (1..N) of the shared sample.
// Writes:   Main.RecordCount = N - 1; records k+1..N move down one place;
//           when k = 1 T0 moves to the earliest remaining time and every dT
//           follows it.
void removeSampleRecord(int32_t k);

// recordsOnStoredDate: the records whose absolute time T0 + dT falls in the
// same hundredth of a day as jd. A series file keeps T0 and dT as whole
// hundredths of a day cut toward zero, so a record written for jd reads
// back as jd cut to the hundredth: this finds it again where an exact
// comparison would not.
std::vector<int32_t> recordsOnStoredDate(double jd);

// insertSampleRecord: a new record at Julian Day jd, interval days long,
// with value in column and weight 1, all its other columns 0.
// Writes:   Main.RecordCount = N + 1, the sample arrays resized; the record
//           goes before the first later record in the order of the file
//           (the last position i with time(i-1) < jd < time(i)); T0 becomes
//           jd when it is earlier than every record.
// Returns:  the position of the new record.
// Notes:    jd must lie in (0, kLatestSeriesJD) and differ from every
//           record's time.
int32_t insertSampleRecord(double jd, double interval, int column, double value);

// keepStartOnStoredHundredth: T0 moved back to the whole hundredth of a day
// that a series file keeps of it, every dT grown by the difference, so the
// records keep their absolute times. Without it a T0 with a finer fraction
// (the date of a new first record) would be cut on writing while the dT of
// the other records are cut as well, and their dates would each come back
// one hundredth of a day early.
// Writes:   Main.SeriesStartJD, Main.dT(1..N)
void keepStartOnStoredHundredth();

// ===================== TrendFit.cpp =====================

// How the points of a fit range form groups.
struct GroupingRule {
  int32_t first = 1;        // i1
  int32_t last = 1;         // i2
  int32_t size = 1;         // L, points per group
  int column = kAlfaP;      // p
  bool observed = false;    // an observed series: weights and intervals of its records
  bool unitWeights = false; // "+Ves=1": the weights of an observed series ignored
  bool halfInterval = true; // observed series: its time is the middle of the last record's interval
  double startJD = 0;       // T0
  double epochJD = 0;       // E, the trend's time origin
};

// The groups of one fit, g = 0..G-1.
struct SampleGroups {
  std::vector<double> mean;    // Y(g), sample units
  std::vector<double> time;    // T(g), Julian centuries from the epoch
  std::vector<double> weight;  // w(g), the largest 1
  double weightSum = 0;        // sum of w(g)
  double weightMax = 0;        // the largest weight before normalising
};

// groupSample: the groups of L consecutive points of i1..i2; the points
// after the last whole group are left out.
// Reads:    Main.SampleValues (column and Ves), Main.dT, Main.ddT
// Returns:  per group the mean value; its time: for a series without
//           weights the middle between its first and last record, for an
//           observed series the middle of the interval of its last record
//           (its start when !halfInterval); its weight: 1, or the weight of
//           its last record, all divided by the largest.
// Notes:    Throws RuntimeError(DivisionByZero) when every weight is 0 and
//           SubscriptOutOfRange for a range beyond the sample.
SampleGroups groupSample(const GroupingRule& rule);

enum class TrendKind { Constant, Linear, Quadratic };

// The least number of groups of a trend: 2, 3 or 4.
int leastGroupCount(TrendKind kind);

// A trend Y = b0 + b1 T + b2 T^2 (T in Julian centuries from the epoch).
struct Trend {
  double b0 = 0, b1 = 0, b2 = 0;
  double residualSum = 0;  // sum of ((Y - trend) w)^2
  double sigma = 0;        // sqrt(residualSum / (G - number of coefficients))
  double at(double t) const { return b0 + b1 * t + b2 * t * t; }
  // Slope per Julian century at t.
  double slopeAt(double t) const { return b1 + 2 * b2 * t; }
};

// fitTrend: the weighted least-squares trend of the groups.
// Reads:    nothing shared for a constant or linear trend
// Writes:   the quadratic trend's normal equations in plane 3 of
//           Stat.EquationMatrix and whatever SolveThreeUnknowns writes
//           (Stat.Xopt, Stat.CurrentOrder, the transcript lines)
// Returns:  b0 (b1, b2) solving the normal equations with the weights taken
//           once: sum w (Y - trend) T^n = 0; the residual sum and sigma.
// Notes:    Throws RuntimeError(DivisionByZero) for a singular system (all
//           group times equal) and for fewer groups than coefficients + 1.
Trend fitTrend(const SampleGroups& groups, TrendKind kind);

// ===================== GroupSplitSearch.cpp =====================

// A change of the "maxmin" band when the interval of group size `size` lies
// wholly above (or below) it: the band as it was, over the sizes since
// spanStart (picture offset s), and which edge moved.
struct BandChange {
  int size = 0;
  double high = 0, low = 0;
  int spanStart = 0;
  bool above = false;
};

// The three choices of the search over group sizes L0..Lmax.
struct SplitChoice {
  int best = 0;                   // "min": the size with the smallest 2*Sigma
  double bandHigh = 0, bandLow = 0;  // "maxmin": the band A..B
  double meanShift = 0, meanTwoSigma = 0;  // "sr"
  std::vector<BandChange> changes;
};

// searchGroupSplits: S(L) and D(L) for L = first..last, indexed by L.
// Returns:  best: the first size of the least D; the band starting at
//           S(best) +/- D(best) and widened to meet the interval
//           S(j) +/- D(j) of every later size j (above: A rises to its low
//           edge, below: B falls to its high edge); the means of S and D.
SplitChoice searchGroupSplits(const std::vector<double>& shift, const std::vector<double>& twoSigma,
                              int first, int last);

// ===================== ShiftFiles.cpp =====================
// The file names and rows are those of core/stat/ShiftFiles.h, which the
// optimisation and weights windows read with.

// What a reader got out of a shift file, as far as it got: the text lines
// (model file: lines 1 and 3; observed file: lines 1 and 2), the declared
// number of rows of a model file, the rows: the number at its start (slot
// 0) and the six shifts divided by MK.
struct ShiftFileContents {
  std::vector<std::string> titleLines;
  int32_t declaredRows = -1;
  std::vector<std::array<double, 7>> rows;
};

// Readers of a file open for input. Throw RuntimeError on a malformed file
// (a model file of more than 91 rows or fewer than 0 included); contents
// keeps what was read before.
void readModelShiftFile(int fileNumber, ShiftFileContents& contents);
void readObservedShiftFile(int fileNumber, ShiftFileContents& contents);

// Writers of a file open for output: the whole file from the shift tables.
// writeModelShiftFile: the title of plan and body, Stat.RunCount, the column
// titles, the rows e = 1..RunCount of Main.ModelShifts(body, 1..6, e).
// writeObservedShiftFile: the title of the folder, the column titles, the
// rows b = 1..11 of Main.ObservedShifts(b, 1..6).
void writeModelShiftFile(int fileNumber, int plan, int body);
void writeObservedShiftFile(int fileNumber, const std::string& folder);

}  // namespace sample
