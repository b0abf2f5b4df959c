// "Аппроксимировать данные выборки": the points of the fit range averaged
// in groups, a constant, linear or quadratic trend fitted to the group
// means, its slope in the display unit of the parameter as the secular
// shift per century and two standard deviations of the means about the
// trend as its band; optionally on a test series of known trend and noise,
// optionally for every group size (the search chooses among them).
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "statistics/ScrolledPicture.h"

using namespace form6text;

namespace {

// The band is this many standard deviations wide on each side.
constexpr double kSigmaMultiple = 2.0;
// A test series spans 25 Julian centuries from 1.5 January of year 0.
constexpr double kTestSeriesCenturies = 25;
constexpr int32_t kMostTestPoints = 32000;

// The display unit of a shift of the column: its factor and caption; none
// for the weight.
struct DisplayUnit {
  double factor;
  const char* caption;
};

std::optional<DisplayUnit> displayUnitOf(int column) {
  switch (column) {
    case sample::kAlfaP:
    case sample::kAlfaU:
    case sample::kBetta: return DisplayUnit{3600, "угл.сек."};
    case sample::kEks: return DisplayUnit{Main.MK, "* 10^6"};
    case sample::kRsr: return DisplayUnit{Main.MK, "км"};
    case sample::kW0: return DisplayUnit{1, "рад/век"};
    case sample::kAlfaL0: return DisplayUnit{1, "град"};
    default: return std::nullopt;
  }
}

// The colour of the object colour tables under number index.
int32_t objectColour(int index) { return RGB(Main.ColorR[index], Main.ColorG[index], Main.ColorB[index]); }


}  // namespace

sample::TrendKind Form6::chosenTrend() const {
  if (Option9.Value()) return sample::TrendKind::Constant;
  if (Option11.Value()) return sample::TrendKind::Quadratic;
  return sample::TrendKind::Linear;
}

// Command9_Click "Аппроксимировать данные выборки".
void Form6::Command9_Click() {
  if (const auto unit = displayUnitOf(Main.SampleParameter)) Label20.setCaption(unit->caption);
  Text11.setText("0");
  Text12.setText("0");
  Text13.setText("0");
  withErrorTrap(kFitError, kFitTitle, [&] { fitSample(); });
}

void Form6::fitSample() {
  const int32_t points = CLng(Text3.Text());
  const int32_t first = CLng(Text15.Text()), last = CLng(Text16.Text());
  PointColorIndex = CInt(Text31.Text());
  groupSizeScale_ = CDbl(Text29.Text());
  const int32_t resultYear = CLng(Text19.Text());
  int32_t epochYear = CLng(Text23.Text());
  double epochJD = JulianDayFromDate(1.5, 1, epochYear);
  if (Check8.Value() == 1) {
    epochYear = 0;
    epochJD = JulianDayFromDate(1.5, 1, epochYear);
    Text23.setText("0");
    makeTestSeries(points, epochJD);
  }
  Main.MT = CDbl(Text1.Text());
  Main.MP = CDbl(Text2.Text());
  MdP = CDbl(Text7.Text());

  const sample::TrendKind kind = chosenTrend();
  const int leastGroups = sample::leastGroupCount(kind);
  const int32_t rangePoints = last - first + 1;
  const bool search = Check6.Value() == 1;
  ShiftByGroupSize.assign(rangePoints / leastGroups + 2, 0.0);
  TwoSigmaByGroupSize.assign(ShiftByGroupSize.size(), 0.0);
  if (search) Text4.setText("1");
  firstGroupSize_ = CInt(Text4.Text());
  lastGroupSize_ = search ? rangePoints / leastGroups : firstGroupSize_;
  if (firstGroupSize_ == 0) throw RuntimeError(ErrorCode::DivisionByZero, "no points per group");
  if (rangePoints / firstGroupSize_ < leastGroups) {
    MsgBox(tooFewGroups(Str(leastGroups)), kTitle);
    return;
  }

  const int column = Main.SampleParameter;
  const bool moonAngle =
      Main.SelectedObject == sample::kMoon && (column == sample::kAlfaP || column == sample::kAlfaU);
  const std::optional<DisplayUnit> unit = displayUnitOf(column);
  const double centuries = (resultYear - epochYear) / 100.0;
  for (int size = firstGroupSize_; size <= lastGroupSize_; ++size) {
    sample::GroupingRule rule;
    rule.first = first;
    rule.last = last;
    rule.size = size;
    rule.column = column;
    rule.observed = Main.FileState == sample::kObservedSeries;
    rule.unitWeights = Check4.Value() == 1;
    rule.halfInterval = !(column == sample::kAlfaL0 || moonAngle);
    rule.startJD = Main.SeriesStartJD;
    rule.epochJD = epochJD;
    const sample::SampleGroups groups = sample::groupSample(rule);
    if (!search) drawGroups(groups, epochJD);
    if (Check7.Value() == 1) {
      scrolled::printAt(Picture1, 1.9, 6.5, "VesMax=  " + sixDecimals(groups.weightMax));
      scrolled::printAt(Picture1, 1.9, 6, "VesSum=  " + sixDecimals(groups.weightSum));
    }

    const sample::Trend trend = sample::fitTrend(groups, kind);
    Stat.RegressionCoefficients[0] = trend.b0;
    Stat.RegressionCoefficients[1] = trend.b1;
    Stat.RegressionCoefficients[2] = trend.b2;
    if (kind != sample::TrendKind::Constant) Text39.setText(Str(trend.at(centuries)));
    double shift = 0, twoSigma = 0;
    if (unit) {
      shift = kind == sample::TrendKind::Constant ? 0 : unit->factor * trend.slopeAt(centuries);
      twoSigma = unit->factor * kSigmaMultiple * trend.sigma;
    }
    if (!search) {
      Text24.setText(unit ? Str(shift) : "");
      Text27.setText(unit ? Str(twoSigma) : "");
      drawTrendBand(trend, epochJD, points);
      Text11.setText(Str(trend.b0));
      Text12.setText(Str(trend.b1));
      Text13.setText(Str(trend.b2));
      if (Check9.Value() == 1) printTrendText(trend, shift, twoSigma, kind);
    }
    Text4.setText(Str(size));
    ShiftByGroupSize.at(size) = shift;
    TwoSigmaByGroupSize.at(size) = twoSigma;
  }
  // The weight has no shift to choose or to store.
  if (!unit) return;
  if (search) SearchGroupSplits();
  storeShift(column);
}

// The shift of the parameter, as the box shows it, becomes the observed
// shift of the body when the sample is an observed or imitated series, and,
// while a plan number is in force, the model shift of the experiment of
// Text10. A model series or a test series leaves the observed shifts alone,
// so that a criterion never compares the model with itself.
void Form6::storeShift(int column) {
  if (column < sample::kAlfaP || column >= sample::kAlfaL0) return;
  const double shift = CDbl(Text24.Text());
  if (Main.FileState == sample::kObservedSeries || Main.FileState == sample::kImitatorSeries)
    Main.ObservedShifts(Main.SelectedObject, column) = shift;
  if (Main.PlanNumber > 0) {
    Stat.RunIndex = CInt(Text10.Text());
    Main.ModelShifts(Main.SelectedObject, column, Stat.RunIndex) = shift;
  }
}

// A test series in AlfaL0 (column 7) of points records over 25 centuries
// from epochJD: value = k0 + k1 t + k2 t^2 + k3 (r - 0.5), t in centuries,
// r uniform in [0, 1); it replaces the sample and is plotted on a frame of
// its own.
void Form6::makeTestSeries(int32_t points, double epochJD) {
  if (points < 1 || points > kMostTestPoints)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "test series: not 1..32000 points");
  const double k0 = CDbl(Text37.Text()), k1 = CDbl(Text36.Text()), k2 = CDbl(Text35.Text());
  const double k3 = CDbl(Text14.Text());
  Main.Ymax = 0;
  Main.Ymin = Main.MK;
  Main.SampleParameter = sample::kAlfaL0;
  Main.SeriesStartJD = epochJD;
  Main.FileState = sample::kTestSeries;
  Main.RecordCount = points;
  Main.dT.redim(points);
  Main.ddT.redim(points);
  Main.SampleValues.redim(sample::kdP11, points);
  for (int32_t l = 1; l <= points; ++l) {
    Main.dT[l] = l * astro::kDaysPerJulianCentury / points * kTestSeriesCenturies;
    const double t = Main.dT[l] / astro::kDaysPerJulianCentury;
    const auto r = static_cast<float>(Rnd());
    const double value = k0 + k1 * t + k2 * t * t + k3 * (r - 0.5);
    Main.SampleValues(sample::kAlfaL0, l) = value;
    if (value > Main.Ymax) Main.Ymax = value;
    if (value < Main.Ymin) Main.Ymin = value;
  }

  Main.PictureHeight = 13;
  Main.PictureScaleWidth = 29.5;
  DrawSampleFrame();
  scrolled::printAt(Picture1, 1.1, 8, "Ymax=  " + Str(Main.Ymax));
  scrolled::printAt(Picture1, 1.1, 7.5, "Ymin=  " + Str(Main.Ymin));
  Main.MT = 100;
  Text1.setText(Str(Main.MT));
  Main.MP = (Main.Ymax - Main.Ymin) / 10;
  Text2.setText(Str(Main.MP));
  Text17.setText(Str(Main.SampleValues(sample::kAlfaL0, 1)));
  Text18.setText(Str(Main.SampleValues(sample::kAlfaL0, points)));
  for (int32_t l = 1; l <= points; ++l)
    Picture1.Circle(Main.dT[l] / sample::kDaysPerJulianYear / Main.MT + 1,
                    (Main.SampleValues(sample::kAlfaL0, l) - Main.Ymin) / Main.MP + 1, 0.08, RGB(255, 0, 0));
}

// Each group as a circle of radius half its weight at its time and mean;
// with "+текст Ves" its weight printed in a column at the right.
void Form6::drawGroups(const sample::SampleGroups& groups, double epochJD) {
  const double yearsFromStart = (epochJD - Main.SeriesStartJD) / sample::kDaysPerJulianYear;
  for (std::size_t g = 0; g < groups.mean.size(); ++g) {
    const double x = (yearsFromStart + 100 * groups.time[g]) / Main.MT + 1;
    Picture1.Circle(x, (groups.mean[g] - Main.Ymin) / Main.MP + 1, 0.5 * groups.weight[g], RGB(1, 0, 0));
    if (Check7.Value() == 1) {
      const std::string number = Str(static_cast<double>(g + 1));
      scrolled::printAt(Picture1, 22, Main.PictureHeight - (g + 1) / 2.0,
                        "i=  " + number + "   Ves=  " + sixDecimals(groups.weight[g]));
    }
  }
}

// The trend and its band of two standard deviations, a point every 20 days
// over the whole sample (not only the fit range).
void Form6::drawTrendBand(const sample::Trend& trend, double epochJD, int32_t lastPoint) {
  constexpr double kDaysBetweenPoints = 20;
  constexpr double kMostBandPoints = 100000;  // far more than a picture has columns
  const int32_t colour = objectColour(PointColorIndex);
  const double band = kSigmaMultiple * trend.sigma;
  const double daysPerUnit = sample::kDaysPerJulianYear * Main.MT;
  const double firstDay = Fix(Main.dT[1]);
  const double lastDay = Fix(Main.dT[lastPoint] + Main.ddT[lastPoint]);
  // Only the days the picture shows: its x = day / daysPerUnit + 1.
  const double left = Picture1.ScaleLeft(), right = left + Picture1.ScaleWidth();
  const double shownFrom = std::max(firstDay, (std::min(left, right) - 1) * daysPerUnit);
  const double shownTo = std::min(lastDay, (std::max(left, right) - 1) * daysPerUnit);
  if (!(shownFrom <= shownTo)) return;
  // The band keeps its points on firstDay + 20 k; a range wider than the
  // picture could show point by point takes larger steps.
  const double step = std::max(kDaysBetweenPoints, (shownTo - shownFrom) / kMostBandPoints);
  const double start = firstDay + std::ceil((shownFrom - firstDay) / step) * step;
  const double count = std::floor((shownTo - start) / step);
  for (double k = 0; k <= count; ++k) {
    const double day = start + k * step;
    const double t = (day + Main.SeriesStartJD - epochJD) / astro::kDaysPerJulianCentury;
    const double f = trend.at(t);
    const double x = day / sample::kDaysPerJulianYear / Main.MT + 1;
    for (double level : {f + band, f, f - band}) Picture1.PSet(x, (level - Main.Ymin) / Main.MP + 1, colour);
  }
}

// "+текст k(i)": the shift with its band and the trend's equation.
void Form6::printTrendText(const sample::Trend& trend, double shift, double twoSigma, sample::TrendKind kind) {
  const double top = kind == sample::TrendKind::Quadratic ? 2.3 : Main.PictureHeight - 0.5;
  scrolled::printAt(Picture1, 8, top,
                    "dY=  " + sixDecimals(shift) + "    2*Sigma=  " + sixDecimals(twoSigma));
  scrolled::printAt(Picture1, 8, top - 0.7,
                    "Y=  " + sixDecimals(trend.b0) + "  +  " + sixDecimals(trend.b1) + " *  X  +  " +
                        sixDecimals(trend.b2) + " *  X^2");
}
