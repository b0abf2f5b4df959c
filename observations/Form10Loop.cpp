// ReduceObservations, the run loop of Form10: one epoch per pass, from the
// next record of the observatory file or the next date of a table, through
// the reduction chain to the deviations, then the end-of-pass tests.
#include <cmath>

#include "core/observations/ObservationFiles.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "observations/Form13.h"
#include "ui/Runtime.h"

namespace {

constexpr double kHoursPerDay = 24;
constexpr double kDegreesPerHour = 15;

// The plan window's system velocity, precession rate and perturbation-plan
// switch, which the reduction reads from shared slots that the model uses
// otherwise: set for the length of one epoch's reduction and put back
// afterwards, so that the model's values stay as they were.
class PlanValuesForEpoch {
 public:
  explicit PlanValuesForEpoch(const Form13& plan)
      : vx_(Main.VXsys), vy_(Main.VYsys), vz_(Main.VZsys), force_(Main.ForceModel), rate_(Main.AphelionWindowHigh) {
    Main.VXsys = plan.VXsys;
    Main.VYsys = plan.VYsys;
    Main.VZsys = plan.VZsys;
    Main.ForceModel = static_cast<int16_t>(plan.PerturbationPlan);
    Main.AphelionWindowHigh = plan.PrecessionRate;
  }
  ~PlanValuesForEpoch() {
    Main.VXsys = vx_;
    Main.VYsys = vy_;
    Main.VZsys = vz_;
    Main.ForceModel = force_;
    Main.AphelionWindowHigh = rate_;
  }
  PlanValuesForEpoch(const PlanValuesForEpoch&) = delete;
  PlanValuesForEpoch& operator=(const PlanValuesForEpoch&) = delete;

 private:
  double vx_, vy_, vz_;
  int16_t force_;
  double rate_;
};

// The model's bodies (positions, velocities, masses, elements) and its
// date, which the theories and the chain overwrite while they place the
// bodies of an epoch: kept before the epoch and put back after it, so that
// the initial data of the start-up window and a model run waiting on the
// model window find their values as they left them.
class ModelBodiesKeeper {
 public:
  ModelBodiesKeeper()
      : x_(Main.X), y_(Main.Y), z_(Main.Z), vx_(Main.VX), vy_(Main.VY), vz_(Main.VZ), x0_(Main.X0), y0_(Main.Y0),
        z0_(Main.Z0), mass_(Main.Mass), massRatio_(Main.MassRatio), alfaL_(Main.AlfaL), alfaP_(Main.AlfaP),
        alfaU_(Main.AlfaU), betta_(Main.Betta), eks_(Main.Eks), rsr_(Main.Rsr), wsr_(Main.Wsr),
        meanAnomaly_(Main.MeanAnomaly), jd_(Main.JD), kodMoon_(Main.kodMoon), kodBary_(Main.kodBary) {}
  ~ModelBodiesKeeper() {
    Main.X = x_;
    Main.Y = y_;
    Main.Z = z_;
    Main.VX = vx_;
    Main.VY = vy_;
    Main.VZ = vz_;
    Main.X0 = x0_;
    Main.Y0 = y0_;
    Main.Z0 = z0_;
    Main.Mass = mass_;
    Main.MassRatio = massRatio_;
    Main.AlfaL = alfaL_;
    Main.AlfaP = alfaP_;
    Main.AlfaU = alfaU_;
    Main.Betta = betta_;
    Main.Eks = eks_;
    Main.Rsr = rsr_;
    Main.Wsr = wsr_;
    Main.MeanAnomaly = meanAnomaly_;
    Main.JD = jd_;
    Main.kodMoon = kodMoon_;
    Main.kodBary = kodBary_;
  }
  ModelBodiesKeeper(const ModelBodiesKeeper&) = delete;
  ModelBodiesKeeper& operator=(const ModelBodiesKeeper&) = delete;

 private:
  decltype(Main.X) x_;
  decltype(Main.Y) y_;
  decltype(Main.Z) z_;
  decltype(Main.VX) vx_;
  decltype(Main.VY) vy_;
  decltype(Main.VZ) vz_;
  decltype(Main.X0) x0_;
  decltype(Main.Y0) y0_;
  decltype(Main.Z0) z0_;
  decltype(Main.Mass) mass_;
  decltype(Main.MassRatio) massRatio_;
  decltype(Main.AlfaL) alfaL_;
  decltype(Main.AlfaP) alfaP_;
  decltype(Main.AlfaU) alfaU_;
  decltype(Main.Betta) betta_;
  decltype(Main.Eks) eks_;
  decltype(Main.Rsr) rsr_;
  decltype(Main.Wsr) wsr_;
  decltype(Main.MeanAnomaly) meanAnomaly_;
  double jd_;
  int16_t kodMoon_, kodBary_;
};

}  // namespace

void Form10::ReduceObservations() {
  withErrorTrap(form10text::kReductionFailed, form10text::kRunTitle, [this] {
    bool goOn = true;
    while (goOn) {
      const bool epoch = tableSourceChosen() ? nextTableEpoch() : nextObservedEpoch();
      if (epoch) reduceEpoch();
      goOn = endOfPass(epoch);
    }
  });
}

// The next date of a table: the step added, the civil date shown, the date
// in the calendar of the table moved to the table's meridian and handed to
// the table.
bool Form10::nextTableEpoch() {
  const double jd = jdWhole_ + jdFraction_ + inputs_.step;
  jdWhole_ = static_cast<long>(Fix(jd));
  jdFraction_ = jd - jdWhole_;
  epochJD_ = jd;
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  DateFromJulianDay(jd);
  showEpochDate();
  useRunCalendar();
  DateFromJulianDay(jd);
  Text4.setText(Str(Main.CalendarYear));
  Text3.setText(Str(Main.CalendarMonth));
  Text2.setText(Str(Main.CalendarDay));
  NormalizeCalendarDate(Main.CalendarDay + Main.ObsL / kDegreesPerHour / kHoursPerDay, Main.CalendarMonth,
                        Main.CalendarYear);
  Main.ObsYear = Main.CalendarYear;
  Main.ObsMonth = Main.CalendarMonth;
  Main.ObsDayWithTime = Main.CalendarDay;
  lastEpochYear_ = Main.CalendarYear;
  Main.JD = jd;
  ComputeTablePosition();
  Lnab = Main.LonL[Main.SelectedObject];
  Bnab = Main.LatB[Main.SelectedObject];
  return true;
}

// The next record of the observatory file at or after the start epoch.
// False at the end of the data or after a read error.
bool Form10::nextObservedEpoch() {
  useRunCalendar();
  do {
    const ObservationReadResult read = readObservationRecord(criterion());
    skippedLines += read.skippedLines;
    if (read.readError) {
      ObsFileState = 0;
      return false;
    }
    NormalizeCalendarDate(Main.ObsDayWithTime, Main.ObsMonth, Main.ObsYear);
    Text4.setText(Str(Main.CalendarYear));
    Text3.setText(Str(Main.CalendarMonth));
    Text2.setText(Str(Main.CalendarDay));
    epochJD_ = JulianDayFromDate(Main.CalendarDay, Main.CalendarMonth, Main.CalendarYear);
    Main.JD = epochJD_;
  } while (epochJD_ < Main.JD0 && Main.DateErrorFlag == 0);
  showEpochDate();
  Lnab = Main.LonL[Main.SelectedObject];
  Bnab = Main.LatB[Main.SelectedObject];
  return Main.DateErrorFlag == 0;
}

ReductionChoices Form10::reductionChoices() {
  ReductionChoices c;
  if (Option20.Value()) c.earthMoon = EarthMoonTheory::Ser0;
  if (Option21.Value()) c.earthMoon = EarthMoonTheory::Ser0EarthVariant;
  if (Option10.Value()) c.planet = PlanetTheory::Plan;
  if (Option12.Value()) c.planet = PlanetTheory::Ser0;
  c.planElementsOfDate = Option14.Value();
  c.earthMoonPerturbations = Check31.Value() == 1;
  c.planetPerturbations = Check27.Value() == 1;
  c.lightTime = Check15.Value() == 1;
  c.receiverAberration = Check16.Value() == 1;
  c.parallax = Check24.Value() == 1;
  c.refraction = Check23.Value() == 1;
  c.nutation = Check17.Value() == 1;
  c.tableSource = tableSourceChosen();
  if (Check13.Value() == 1) c.trace = [this](const std::string& label) { writeReductionTraceLine(label); };
  return c;
}

// One epoch: the observed place shown, the bodies placed, the heliocentric
// view, the visibility test, the rest of the chain and the comparison.
void Form10::reduceEpoch() {
  Text63.setText(Str(Lnab));
  Text64.setText(Str(Bnab));
  Text5.setText(shownNumber(epochJD_));
  const ReductionChoices choices = reductionChoices();
  const ModelBodiesKeeper modelBodies;
  const PlanValuesForEpoch plan(form13());
  Main.JD = epochJD_;
  PlaceBodiesForEpoch(choices, stages_);
  Text40.setText(shownNumber(stages_.etMinusUtSeconds));
  if (Check4.Value() != 1) drawHeliocentricView();
  if (Check29.Value() == 1 && !ShowHorizonView()) return;
  ReduceToApparentPlace(choices, stages_);
  showReductionStages(stages_);
  compareWithObserved();
}

void Form10::showReductionStages(const ReductionStages& stages) {
  const auto show = [](ui::TextBox& first, ui::TextBox& second, const Direction& d) {
    first.setText(shownNumber(d.first));
    second.setText(shownNumber(d.second));
  };
  show(Text21, Text22, stages.geometricJ2000);
  show(Text31, Text41, stages.afterLightTime);
  show(Text32, Text42, stages.afterAberration);
  show(Text33, Text43, stages.equatorOfDate);
  show(Text34, Text44, stages.afterParallax);
  show(Text35, Text45, stages.afterRefraction);
  show(Text36, Text38, stages.afterNutation);
  show(Text37, Text39, stages.result);
  if (Check18.Value() != 1) return;
  const double t = plotTime();
  const double offset = inputs_.plotOffsetY;
  if (Check15.Value() == 1) plotPoint(t, stages.lightTimeShiftArcSeconds / inputs_.MdAlfa + 5 + offset, RGB(255, 0, 0));
  if (Check16.Value() == 1) plotPoint(t, stages.receiverShiftArcSeconds / inputs_.MdAlfa + 3 + offset, RGB(0, 250, 0));
  plotPoint(t, stages.totalShiftArcSeconds / inputs_.MdAlfa + 1 + offset, RGB(0, 0, 250));
}

// The end of a pass: the inputs read again after a reduced epoch; the end
// of the data reopens the file at its first record and ends the run; then
// the stop flag, the pause, the end year of a table and the events.
bool Form10::endOfPass(bool reduced) {
  if (reduced) inputs_ = readRunInputs();
  if (!tableSourceChosen() && Main.DateErrorFlag == 1) {
    if (Stat.RunIndex == 0) {
      if (skippedLines > 0)
        MsgBox(form10text::kSkippedLinesHead + std::to_string(skippedLines), form10text::kTitle);
      reopenObservatoryFile();
    }
    return false;
  }
  if (Main.StopFlag == 1) return false;
  if (Check28.Value() == 1) Sleep(static_cast<int>(std::lround(inputs_.pauseMs)));
  if (tableSourceChosen() && lastEpochYear_ > Main.EndYear) return false;
  return letEventsRun() != 0;
}

// The run goes on while this window is loaded and any window is open.
int Form10::letEventsRun() {
  const int open = DoEvents();
  return isLoaded() ? open : 0;
}
