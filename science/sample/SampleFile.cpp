// The orbit-parameter series file as the statistics window reads and
// rewrites it: four header lines, the count line, then one record per line,
// numbers by list input; whole numbers of scaled values in the file.
#include <cmath>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/stat/ScaledNumbers.h"
#include "science/sample/OrbitSample.h"

namespace sample {

namespace {

constexpr int kHeaderLines = 4;
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDashLine = "---------------------";

// The Julian Days of the first day of year -32768 and of the last of year
// 32767 (rounded outward): the dates the program can name. A series time
// beyond them is a corrupt file, not an observation.
constexpr double kEarliestSeriesJD = -10248000;
constexpr double kLatestSeriesJD = 13690000;

void requirePlausibleTime(double julianDay) {
  if (!(julianDay >= kEarliestSeriesJD && julianDay <= kLatestSeriesJD))
    throw RuntimeError(ErrorCode::Overflow, "series: a time of Julian Day " + Str(julianDay) + " names no date");
}

void requirePlausibleTimes(const SampleRecord& record, double startJD) {
  requirePlausibleTime(startJD + record.dT);
  if (!(std::fabs(record.ddT) <= kLatestSeriesJD - kEarliestSeriesJD))
    throw RuntimeError(ErrorCode::Overflow, "series: an interval of " + Str(record.ddT) + " days");
}

// The order of the columns in a 13-field record after IG, dT and ddT.
constexpr std::array<int, 10> kObservedFieldColumns{kVes, kAlfaP, kAlfaU, kBetta, kEks,
                                                   kRsr, kW0,   kAlfaL0, kdP11, kdU11};
// The order of the columns in an 8-field record after IG and dT.
constexpr std::array<int, 6> kModelFieldColumns{kAlfaP, kAlfaU, kBetta, kEks, kRsr, kW0};

SampleRecord readObservedRecord(int file) {
  SampleRecord record;
  InputNumber(file);  // IG: the writer's own numbering
  record.dT = InputNumber(file) / 100;
  record.ddT = InputNumber(file) / 100;
  for (int column : kObservedFieldColumns) record.value[column] = InputNumber(file);
  return record;
}

SampleRecord readModelRecord(int file) {
  SampleRecord record;
  InputNumber(file);  // IG
  record.dT = InputNumber(file) / 100;
  for (int column : kModelFieldColumns) record.value[column] = InputNumber(file);
  record.value[kVes] = Main.MK;
  return record;
}

// File units to sample units: every column / 100 / MK; AlfaL0, written
// with six decimals, times 100 on top.
void scaleRecord(SampleRecord& record) {
  for (int column = 1; column <= kLastColumn; ++column) record.value[column] = record.value[column] / 100 / Main.MK;
  record.value[kAlfaL0] *= 100;
}

std::string readHeader(int file) {
  std::string header;
  for (int line = 1; line <= kHeaderLines; ++line) {
    header += LineInput(file);
    if (line < kHeaderLines) header += kLineEnd;
  }
  return header;
}

std::vector<PrintItem> recordFields(int32_t i, bool observed) {
  const double scale = 100 * Main.MK;
  auto scaled = [&](int column) { return wholeUnits(scale * Main.SampleValues(column, i)); };
  std::vector<PrintItem> fields{i, wholeUnits(100 * Main.dT[i])};
  if (observed) {
    fields.emplace_back(wholeUnits(100 * Main.ddT[i]));
    for (int column : kObservedFieldColumns)
      fields.emplace_back(column == kAlfaL0 ? wholeUnits(Main.MK * Main.SampleValues(column, i)) : scaled(column));
  } else {
    for (int column : kModelFieldColumns) fields.emplace_back(scaled(column));
  }
  return fields;
}

}  // namespace

bool isSeriesFromFile(int16_t kind) {
  return kind == kImitatorSeries || kind == kModelSeries || kind == kObservedSeries;
}

void readSeriesRecords(int fileNumber, bool observed, SeriesFile& series, bool mayBeEmpty) {
  series.header = readHeader(fileNumber);
  series.declaredCount = CLng(InputNumber(fileNumber));
  series.startJD = InputNumber(fileNumber) / 100;
  requirePlausibleTime(series.startJD);
  if (series.declaredCount < 0)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "series: negative record count");
  while (!EndOfFile(fileNumber)) {
    if (static_cast<int32_t>(series.records.size()) == series.declaredCount)
      throw RuntimeError(ErrorCode::SubscriptOutOfRange, "series: more records than its count line");
    SampleRecord record = observed ? readObservedRecord(fileNumber) : readModelRecord(fileNumber);
    scaleRecord(record);
    requirePlausibleTimes(record, series.startJD);
    series.records.push_back(record);
  }
  if (series.records.empty() && !mayBeEmpty)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "series: no records");
}

void takeSeriesAsSample(const SeriesFile& series) {
  const int32_t n = static_cast<int32_t>(series.records.size());
  Main.RecordCount = n;
  Main.SeriesStartJD = series.startJD;
  Main.dT.redim(n);
  Main.ddT.redim(n);
  Main.SampleValues.redim(kLastColumn, n);
  for (int32_t i = 1; i <= n; ++i) {
    const SampleRecord& record = series.records[i - 1];
    Main.dT[i] = record.dT;
    Main.ddT[i] = record.ddT;
    for (int c = 1; c <= kLastColumn; ++c) Main.SampleValues(c, i) = record.value[c];
  }
}

std::vector<std::string> readSeriesHeader(const std::string& relativePath) {
  const int file = FreeFile();
  Open(programPath(relativePath), OpenMode::Input, file);
  std::vector<std::string> header;
  try {
    for (int line = 0; line < kHeaderLines; ++line) header.push_back(LineInput(file));
  } catch (...) {
    Close(file);
    throw;
  }
  Close(file);
  return header;
}

void writeSampleRecords(int fileNumber, const std::vector<std::string>& header, bool observed) {
  for (const std::string& line : header) PrintJoined(fileNumber, {line});
  PrintZones(fileNumber, {Main.RecordCount, wholeUnits(Main.SeriesStartJD * 100)});
  for (int32_t i = 1; i <= Main.RecordCount; ++i) PrintZones(fileNumber, recordFields(i, observed));
}

double reduceAngleToOneTurn(double degrees) {
  const double turns = Fix(degrees / 360);
  if (degrees > 0) degrees -= 360 * turns;
  if (degrees < 0) degrees -= 360 * (turns - 1);
  return degrees;
}

const ListingMasks kSampleListing{{"", "000000.00", "000000.00", "00.00000", "0.000000000", "0000.0000000",
                                   "0000.00000", "0000000.000", "00.000000", "00.000000", "0.0000"},
                                  1};
const ListingMasks kOptimumExportListing{{"", "000000.0000", "000000.0000", "000.00000", "0.0000000", "0000000.000",
                                          "0000.0000", "0000000.000", "00.000000", "00.000000", "00.000"},
                                         1000};

std::string sampleListingLine(int32_t number, int32_t year, const SampleRecord& record, bool marked,
                              const ListingMasks& masks) {
  const auto& v = record.value;
  auto shown = [&](const char* label, int column, double factor = 1) {
    return std::string("    ") + label + Format(factor * v[column], masks.mask[column]);
  };
  std::string line;
  if (marked) line += std::string(kDashLine) + kLineEnd;
  line += (number <= 9 ? "  " : "") + Str(number) + "   IG= " + Format(year, "0000");
  line += "    dT= " + Format(record.dT, "0000000.00") + "    ddT= " + Format(record.ddT, "000000.00");
  line += shown("Ves= ", kVes) + shown("AlfaP  = ", kAlfaP) + shown("AlfaU  = ", kAlfaU) + shown("Betta  = ", kBetta);
  line += shown("Eks  = ", kEks) + shown("Rsr  = ", kRsr, masks.rsrFactor) + shown("W0  = ", kW0);
  line += shown("AlfaL0  = ", kAlfaL0) + shown("dP11  = ", kdP11) + shown("dU11  = ", kdU11);
  line += kLineEnd;
  if (marked) line += std::string(kDashLine) + kLineEnd;
  return line;
}

}  // namespace sample
