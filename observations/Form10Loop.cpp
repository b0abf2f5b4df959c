// ReduceObservations, the run loop of Form10: one epoch per pass, from the
// next record of the observatory file or the next date of a table, through
// the reduction chain to the deviations, then the end-of-pass tests.
#include <cmath>

#include "core/Constants.h"
#include "core/observations/ObservationFiles.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "observations/Form13.h"
#include "observations/ModelBodiesKeeper.h"
#include "ui/Runtime.h"

namespace {

using astro::kHoursPerDay;
using astro::kDegreesPerHour;

}  // namespace

// A run ended by an error is ended as by "Остановить": the observatory file
// stands somewhere inside, so a new start asks for it to be opened again
// instead of going on from there; a plan's series of runs ends with it.
void Form10::ReduceObservations() {
  const bool ended = withFileErrorTrap(form10text::kReductionFailed, form10text::kRunTitle, [this] {
    const ui::HeldDrawing held(*this);
    bool goOn = true;
    while (goOn) {
      rejectedEpochShown_ = false;
      const bool epoch = tableSourceChosen() ? nextTableEpoch() : nextObservedEpoch();
      if (epoch) reduceEpoch();
      goOn = endOfPass(epoch);
    }
  });
  if (!ended) Main.StopFlag = 1;
}

// The next date of a table: the step added, the civil date shown, the date
// in the calendar of the table moved to the table's meridian and handed to
// the table. A date beyond the dates of a run ends the run with its error.
// False when the table could not be read: the epoch has no observed place
// of its own to reduce.
bool Form10::nextTableEpoch() {
  const double jd = jdWhole_ + jdFraction_ + inputs_.step;
  if (!isRunJulianDay(jd)) throw RuntimeError(ErrorCode::Overflow, "the table's date runs past the run dates");
  jdWhole_ = static_cast<long>(Fix(jd));
  jdFraction_ = jd - jdWhole_;
  epochJD_ = jd;
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  DateFromJulianDay(jd);
  showEpochDate();
  useRunCalendar();
  DateFromJulianDay(jd);
  Text4.setText(Main.CalendarYear, Str);
  Text3.setText(Main.CalendarMonth, Str);
  Text2.setText(Main.CalendarDay, Str);
  NormalizeCalendarDate(Main.CalendarDay + Main.ObsL / kDegreesPerHour / kHoursPerDay, Main.CalendarMonth,
                        Main.CalendarYear);
  Main.ObsYear = Main.CalendarYear;
  Main.ObsMonth = Main.CalendarMonth;
  Main.ObsDayWithTime = Main.CalendarDay;
  lastEpochYear_ = Main.CalendarYear;
  Main.JD = jd;
  if (!ComputeTablePosition()) return false;
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
    Text4.setText(Main.CalendarYear, Str);
    Text3.setText(Main.CalendarMonth, Str);
    Text2.setText(Main.CalendarDay, Str);
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
  const Form13& plan = form13();
  c.systemVX = plan.VXsys;
  c.systemVY = plan.VYsys;
  c.systemVZ = plan.VZsys;
  c.precessionRate = plan.PrecessionRate;
  c.plannedPerturber = plan.PerturbationPlan == 1 ? plan.PlannedPerturber : 0;
  if (Check13.Value() == 1) c.trace = [this](const std::string& label) { writeReductionTraceLine(label); };
  return c;
}

// One epoch: the observed place shown, the bodies placed, the heliocentric
// view, the visibility test, the rest of the chain and the comparison.
void Form10::reduceEpoch() {
  Text63.setText(Lnab, Str);
  Text64.setText(Bnab, Str);
  Text5.setText(epochJD_, shownNumber);
  const ReductionChoices choices = reductionChoices();
  const auto modelBodies = keepModelBodies();
  Main.JD = epochJD_;
  PlaceBodiesForEpoch(choices, stages_);
  Text40.setText(stages_.etMinusUtSeconds, shownNumber);
  if (Check4.Value() != 1) drawHeliocentricView();
  if (Check29.Value() == 1 && !ShowHorizonView()) return;
  ReduceToApparentPlace(choices, stages_);
  showReductionStages(stages_);
  compareWithObserved();
}

void Form10::showReductionStages(const ReductionStages& stages) {
  const auto show = [](ui::TextBox& first, ui::TextBox& second, const Direction& d) {
    first.setText(d.first, shownNumber);
    second.setText(d.second, shownNumber);
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

// The end of a pass: the inputs read again after a reduced epoch; the stop
// flag; the pause, also after the last pass of the source; the end year of
// a table; the end of the observatory data, which outside the plan runs
// reopens the file at its first record; then the events. A stop (one step
// among them) ends the loop before the end of the data is looked at, so the
// file stays where the step left it.
bool Form10::endOfPass(bool reduced) {
  if (reduced) inputs_ = readRunInputs();
  if (drawingPace_.drawsThisPass(passMustBeSeen())) showHeldDrawing();
  if (Main.StopFlag == 1) return false;
  if (Check28.Value() == 1) Sleep(static_cast<int>(std::lround(inputs_.pauseMs)));
  if (tableSourceChosen()) {
    if (lastEpochYear_ > Main.EndYear) return false;
  } else if (Main.DateErrorFlag == 1) {
    if (Stat.RunIndex == 0) {
      if (skippedLines > 0)
        MsgBox(form10text::kSkippedLinesHead + std::to_string(skippedLines), form10text::kTitle);
      reopenObservatoryFile();
    }
    return false;
  }
  return letEventsRun() != 0;
}

// The passes drawn whatever the pace: the last one (the end of the data,
// a stop or a single step, the end year of a table), one the run pauses
// at, and one whose epoch the filter rejected in sight.
bool Form10::passMustBeSeen() const {
  return (!tableSourceChosen() && Main.DateErrorFlag == 1) || Main.StopFlag == 1 || Check28.Value() == 1 ||
         (tableSourceChosen() && lastEpochYear_ > Main.EndYear) || rejectedEpochShown_;
}

// The run goes on while this window is loaded and any window is open.
int Form10::letEventsRun() {
  const int open = DoEvents();
  return isLoaded() ? open : 0;
}
