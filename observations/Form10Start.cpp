// Form10's run: the input check, "Начать", and the run control
// "Остановить", "Продолжить", "Сделать 1 шаг".
#include <filesystem>
#include <string>

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

namespace {

constexpr int kEarth = 3;
constexpr int kLastObject = 11;
// The planets whose longitude has a series of periodic perturbations.
constexpr int kFirstPerturbedPlanet = 1;
constexpr int kLastPerturbedPlanet = 4;
// The longest pause between passes, milliseconds: the pause holds the
// whole program, which answers no button meanwhile ("Сделать 1 шаг" serves
// a slower pace).
constexpr double kLongestPauseMs = 10000;

double checkedPause(double milliseconds) {
  if (!(milliseconds >= 0 && milliseconds <= kLongestPauseMs))
    throw RuntimeError(ErrorCode::InvalidCall, "a pause the run cannot make");
  return milliseconds;
}

bool refuse(const char* message) {
  MsgBox(message, form10text::kRunTitle);
  return false;
}

}  // namespace

Form10::RunInputs Form10::readRunInputs() const {
  RunInputs in;
  in.step = checkedDayStep(CDbl(Text18.Text()));
  in.pauseMs = checkedPause(CDbl(Text17.Text()));
  in.MT = CDbl(Text6.Text());
  in.MAlfa = CDbl(Text19.Text());
  in.MdAlfa = CDbl(Text20.Text());
  in.Mx = CDbl(Text49.Text());
  in.plotOffsetY = static_cast<float>(CDbl(Text53.Text()));
  in.filterLimit = CDbl(Text50.Text());
  in.leastAltitude = CDbl(Text46.Text());
  in.greatestSunAltitude = CDbl(Text48.Text());
  return in;
}

// True when the kept-records copy of this run would be the very file the
// run reads.
bool Form10::keptCopyWouldReplaceSource(const std::string& keptPath) const {
  if (Check22.Value() != 1 || tableSourceChosen()) return false;
  std::error_code error;
  const std::filesystem::path kept = std::filesystem::weakly_canonical(keptPath, error);
  const std::filesystem::path source = std::filesystem::weakly_canonical(Main.FilePath, error);
  return kept == source;
}

void Form10::ReadObservationInputs() {
  Main.StopFlag = 1;
  int object = 0;
  RunInputs in;
  double observerL = 0, observerB = 0;
  int endYear = 0;
  std::string keptPath;
  const bool read = withErrorTrap(form10text::kBadData, form10text::kRunTitle, [&] {
    object = WholeNumberFromText(Text1.Text());
    in = readRunInputs();
    observerL = CDbl(Text24.Text());
    observerB = CDbl(Text25.Text());
    endYear = CLng(Text65.Text());
    if (object < 0 || object > kLastObject) throw RuntimeError(ErrorCode::InvalidCall, "object number");
    // The numbers that name the files of the run (the report files, the
    // kept-records copy): one that can name no file is refused before
    // anything is written.
    FileNumberFromText(Text56.Text());
    keptPath = keptRecordsPath(object);
  });
  if (!read) return;

  if (tableSourceChosen() && Option4[0].Value()) return static_cast<void>(refuse(form10text::kChooseTable));
  if (!tableSourceChosen() && Option9[0].Value()) return static_cast<void>(refuse(form10text::kChooseObservatory));
  if (tableSourceChosen()) {
    const std::string refusal = tableRunRefusal(object);
    if (!refusal.empty()) return static_cast<void>(refuse(refusal.c_str()));
  }
  if (object == kEarth) return static_cast<void>(refuse(form10text::kEarthNotObserved));
  if (Check27.Value() == 1 && (object < kFirstPerturbedPlanet || object > kLastPerturbedPlanet))
    return static_cast<void>(refuse(form10text::kNoPerturbationSeries));
  if (keptCopyWouldReplaceSource(keptPath)) {
    MsgBox(std::string(form10text::kKeptCopyIsSource) + "\r\n" + keptPath, form10text::kRunTitle);
    return;
  }

  const bool dated = withErrorTrap(form10text::kBadDate, form10text::kTitle, [this] { convertDateBoxes(); });
  if (!dated || Main.DateErrorFlag == 1) return;

  Main.StopFlag = 0;
  Main.SelectedObject = object;
  GoodFilePath = keptPath;
  inputs_ = in;
  Main.ObsL = observerL;
  Main.ObsB = observerB;
  Main.X[15] = 0;
  Main.Y[15] = 0;
  Main.Z[15] = 0;
  runCalendarMode = Main.CalendarMode;
  runDayStartHour = Main.DayStartHour;
  Main.JD0 = Main.JD;
  Main.StartDay = Main.CalendarDay;
  Main.StartMonth = Main.CalendarMonth;
  Main.StartYear = Main.CalendarYear;
  Main.EndYear = endYear;
  Form13& plan = form13();
  plan.Text16.setText(TimeText() + " " + Str(Timer()));  // runs ReadPlanBoxes
  if (!plan.PlanBoxesRead) Main.StopFlag = 1;
}

// Command1_Click "Начать": the inputs checked, the counters, sums and
// histogram cleared, the report files begun, and the loop entered at the
// start epoch. An observatory run needs its file opened again after a run
// was stopped or refused.
void Form10::Command1_Click() {
  if (!tableSourceChosen() && Main.StopFlag == 1) {
    MsgBox(form10text::kOpenFileAgain, form10text::kReopenTitle);
    return;
  }
  ReadObservationInputs();
  if (Main.StopFlag == 1) return;
  Stat.RunIndex = 0;
  for (int p = 1; p <= 9; ++p) Stat.RunValues(p, 0) = Stat.ZeroLevels[p];
  clearRunStatistics();
  Main.DateErrorFlag = 0;
  Main.JD = Main.JD0 - inputs_.step;
  jdWhole_ = static_cast<long>(Fix(Main.JD));
  jdFraction_ = Main.JD - jdWhole_;
  if (Check21.Value() == 1) histogram.prepare(inputs_.filterLimit);
  if (!writeRunFileHeaders()) return;
  drawFilterLimits();
  ReduceObservations();
}

// Command4_Click "Остановить": the running loop ends after its pass.
void Form10::Command4_Click() { Main.StopFlag = 1; }

// Command5_Click "Продолжить": on from the epoch after the last one.
void Form10::Command5_Click() {
  Main.StopFlag = 0;
  ReduceObservations();
}

// Command6_Click "Сделать 1 шаг": exactly one pass.
void Form10::Command6_Click() {
  Main.StopFlag = 1;
  ReduceObservations();
}
