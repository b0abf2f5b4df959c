// Form10's comparison of the computed place with the observed one: the
// deviations, their plots, the histogram, the filter with its rejected-data
// file, and what an accepted epoch adds to the statistics of the run.
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"

namespace {

constexpr double kMetresPerThousandKm = 1000000;
using astro::kArcSecondsPerDegree;
using astro::kDaysPerJulianYear;
constexpr double kLargestShown = 1e15;
// The deviations of the angles are plotted about this line.
constexpr double kDeviationAxis = 4;
constexpr double kRejectedMarkRadius = 0.15;

}  // namespace

// A value truncated toward zero to six decimals as number text; a value
// too large for that is shown in full.
std::string Form10::shownNumber(double value) {
  return std::fabs(value) < kLargestShown ? Str(truncateDecimals(value, 6)) : Str(value);
}

// Years since the start epoch, per picture unit.
double Form10::plotTime() const { return (epochJD_ - Main.JD0) / kDaysPerJulianYear / inputs_.MT; }

void Form10::plotPoint(double t, double y, int32_t colour) { Picture4.PSet(t, y, colour); }

void Form10::compareWithObserved() {
  const int p = Main.SelectedObject;
  Lras = stages_.result.first;
  Bras = stages_.result.second;
  Xras = stages_.x;
  Yras = stages_.y;
  Zras = stages_.z;
  if (Check13.Value() == 1) writeObservedTraceLine();

  dL = wrapDeviation(Lras - Lnab);
  dB = wrapDeviation(Bras - Bnab);
  SphericalToRectangular(static_cast<int16_t>(p), Lnab, Bnab, Main.StartDistance);
  Main.PairDX(p, p) = Main.X[p] - Xras;
  Main.PairDY(p, p) = Main.Y[p] - Yras;
  Main.PairDZ(p, p) = Main.Z[p] - Zras;
  dR = std::sqrt(Main.PairDX(p, p) * Main.PairDX(p, p) + Main.PairDY(p, p) * Main.PairDY(p, p) +
                 Main.PairDZ(p, p) * Main.PairDZ(p, p)) /
       kMetresPerThousandKm;

  const double t = plotTime();
  plotCoordinates(t);
  if (Check4.Value() != 1) {
    drawGeocentricView();
    if (Check21.Value() != 0 && histogram.prepared) histogram.count(dL, dB, dR);
    if (Check20.Value() != 0 && !filterAccepts(t)) return;
  }
  acceptEpoch(t);
}

void Form10::plotCoordinates(double t) {
  const double offset = inputs_.plotOffsetY;
  const bool first = Check11.Value() == 1;
  const bool second = Check12.Value() == 1;
  if (Check1.Value() == 1) {
    if (first) plotPoint(t, Lras / inputs_.MAlfa + offset, RGB(0, 0, 255));
    if (second) plotPoint(t, Bras / inputs_.MAlfa + offset, RGB(50, 0, 200));
  }
  if (Check9.Value() == 1) {
    if (first) plotPoint(t, Lnab / inputs_.MAlfa + offset, RGB(220, 250, 0));
    if (second) plotPoint(t, Bnab / inputs_.MAlfa + offset, RGB(220, 250, 0));
  }
}

// The filter: accepted when the criterion's deviation is below the limit;
// a rejected epoch goes to the rejected-data file and is marked.
bool Form10::filterAccepts(double t) {
  const bool byDistance = Option17.Value();
  const bool byLongitude = Option18.Value();
  if ((byDistance && dR < inputs_.filterLimit) ||
      (byLongitude && std::fabs(dL) * kArcSecondsPerDegree < inputs_.filterLimit))
    return true;
  if (Check22.Value() == 1) appendRejectedEpoch();
  rejectedEpochShown_ = true;
  const double offset = inputs_.plotOffsetY;
  if (byDistance && Check14.Value() == 1)
    Picture4.Circle(t, dR / inputs_.Mx + offset, kRejectedMarkRadius, RGB(0, 0, 200));
  if (byLongitude && Check10.Value() == 1)
    Picture4.Circle(t, dL * kArcSecondsPerDegree / inputs_.MdAlfa + kDeviationAxis + offset, kRejectedMarkRadius,
                    RGB(200, 0, 0));
  return false;
}

// The counters and sums of a run cleared, and its result so far shown: no
// epoch and no means (not those of the run before, which a run that
// accepts no epoch would otherwise leave standing).
void Form10::clearRunStatistics() {
  statistics.clear();
  for (ui::TextBox* count : {&Text23, &Text60, &Text78}) count->setText("0");
  for (ui::TextBox* value : {&Text7, &Text8, &Text15, &Text9, &Text10, &Text11, &Text12, &Text13})
    value->setText("");
}

void Form10::acceptEpoch(double t) {
  const bool first = Check11.Value() == 1;
  const bool second = Check12.Value() == 1;
  const double offset = inputs_.plotOffsetY;
  const double axis = kDeviationAxis + offset;
  statistics.add(dL, dB, dR, epochJD_, first, second);
  const int n = statistics.N;
  Text23.setText(n, Str);
  Text60.setText(statistics.positive, Str);
  Text78.setText(n - statistics.positive, Str);
  Main.JDet2 = statistics.meanJulianDay();

  Text15.setText(dR, shownNumber);
  if (Check14.Value() == 1) plotPoint(t, dR / inputs_.Mx + offset, RGB(0, 0, 200));
  Text7.setText(dL, shownNumber);
  Text9.setText(statistics.sumDL / n, shownNumber);
  Text8.setText(dB, shownNumber);
  Text10.setText(statistics.sumDB / n, shownNumber);
  const double perUnit = kArcSecondsPerDegree / inputs_.MdAlfa;
  if (Check10.Value() == 1) {
    if (first) plotPoint(t, dL * perUnit + axis, RGB(255, 0, 0));
    if (second) plotPoint(t, dB * perUnit + axis, RGB(0, 130, 100));
  }
  if (Check34.Value() == 1) {
    if (first) plotPoint(t, statistics.sumDL / n * perUnit + axis, RGB(250, 220, 0));
    if (second) plotPoint(t, statistics.sumDB / n * perUnit + axis, RGB(200, 200, 0));
  }

  const int e = Stat.RunIndex;
  for (int row = 1; row <= 3; ++row)
    for (int s = 1; s <= 2; ++s) Main.ModelShifts(row, s, e) = statistics.cell(row, s);
  const int s = Check7.Value() == 1 ? 2 : 1;
  if (Check6.Value() == 1) plotPoint(t, statistics.cell(1, s) / inputs_.Mx + offset, RGB(0, 0, 0));
  Text13.setText(statistics.cell(1, s), shownNumber);
  if (Check35.Value() == 1) {
    if (first) plotPoint(t, statistics.cell(2, s) / inputs_.MdAlfa + offset, RGB(0, 0, 0));
    if (second) plotPoint(t, statistics.cell(3, s) / inputs_.MdAlfa + offset, RGB(220, 220, 0));
  }
  Text11.setText(statistics.cell(2, s) / kArcSecondsPerDegree, shownNumber);
  Text12.setText(statistics.cell(3, s) / kArcSecondsPerDegree, shownNumber);
  const int criterionRow = Option17.Value() ? 1 : Option18.Value() ? 2 : 0;
  if (criterionRow != 0) {
    Stat.Criterion[e] = statistics.cell(criterionRow, s);
    Stat.ZeroLevels[10] = weightOfCriterion(Stat.Criterion[e]);
  }
  if (!tableSourceChosen() && Check26.Value() == 1)
    Stat.ZeroLevels[10] = weightBySpanAndCount(Stat.ZeroLevels[10], Main.StartYear, Main.EndYear, n);
  Text29.setText(Stat.ZeroLevels[10], shownNumber);
  // A table has no records to keep: the copy is of an observatory file.
  if (Check22.Value() == 1 && !tableSourceChosen()) appendKeptRecord();
}
