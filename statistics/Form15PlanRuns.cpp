// "4-1-Выполнить на математической модели (форма2) эксперименты с №": the
// experiments Text5 to Text6 of the plan run one after another on the model
// window. The two windows drive each other through trigger boxes: this
// window writes the model window's Text53, whose change handler starts a
// run; at the end of that run the model window writes this window's Text3,
// whose change handler starts the next experiment. Each next run therefore
// begins inside the end of the previous one, and the sequence ends when
// Text5 passes Text6 (with a sound), when a run is stopped ("Остановить"
// leaves no plan number, so the end of its run notifies nobody), or when a
// run ends by an error or the model window refuses to start one. The end of
// a run that is no experiment of a sequence of this window (a run by hand
// while a plan number is set) starts nothing.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "statistics/Form15.h"
#include "statistics/Form15Texts.h"

namespace {

constexpr const char* kPlanRunError = "Ошибка при выполнение плана";

// Slot 88 of Y: the model window's mark that the test-plan result file of
// this sequence has its header; 0 at the start of a sequence.
constexpr int kTestFileMarkSlot = 88;

// The gravity-pressure law of the plan runs, and "no such law".
constexpr int16_t kPlanPressureLaw = 5;
constexpr int16_t kNoPressureLaw = 0;
// Retardation by the positions, velocities and accelerations of the bodies.
constexpr int16_t kPlanRetardation = 2;
using astro::kMetresPerKilometre;

// The mass of a body whose ratio to the Sun's mass is m0 / m = ratio. A
// ratio of 0 is refused before the mass is touched.
double massFromRatio(double ratio) {
  if (ratio == 0) throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero: mass ratio 0");
  return Main.Mass[0] / ratio;
}

}  // namespace

// Command8_Click: the natural values of the seven factors in every
// experiment of the plan, the presets of the model window, then the first
// experiment.
// Reads:    Text6, Text11, Text12, Text4, Check3(5), Check5, the plan
// Writes:   Stat.LastRun, ZeroLevels, VariationIntervals (1..7), RunValues;
//           Text13 of the plan factors (the values of the last experiment);
//           Main.FiniteVgrFlag = 1, kodDX = 2, kodPgr = 5 (0 when X5 is not
//           a plan factor and its zero level is 0), PlanNumber, Y(88) = 0;
//           the model window's options of the runs
// Notes:    A box that is no number: "Ошибка при выполнение плана"
//           ("Celvan7m"), no run starts and what was set before stays. A
//           factor value that would make a run meaningless is refused
//           before the model window is touched, with a message naming it.
void Form15::Command8_Click() {
  bool prepared = false;
  if (!withErrorTrap(kPlanRunError, form15text::kTitle7m, [&] { prepared = prepareSequence(); }))
    return;
  if (!prepared) return;
  sequenceRunning_ = true;
  StartNextExperiment();
}

bool Form15::prepareSequence() {
  Stat.LastRun = CInt(Text6.Text());
  for (int i = 1; i <= 7; ++i) {
    Stat.ZeroLevels[i] = CDbl(Text11[i].Text());
    Stat.VariationIntervals[i] = CDbl(Text12[i].Text());
  }
  for (int e = 1; e <= Stat.RunCount; ++e) {
    for (int i = 1; i <= 7; ++i) Stat.RunValues(i, e) = Stat.ZeroLevels[i];
    for (int j = 1; j <= Stat.Nf; ++j) {
      const int f = Stat.FactorIndex[j];
      Stat.RunValues(f, e) = Stat.PlanMatrix(j, e) * Stat.VariationIntervals[f] + Stat.ZeroLevels[f];
      Text13[f].setText(Str(Stat.RunValues(f, e)));
    }
  }
  if (refuseMeaninglessFactors()) return false;
  presetModelWindow();
  Main.PlanNumber = CInt(Text4.Text());
  Main.Y[kTestFileMarkSlot] = 0;
  return true;
}

// Every factor is applied to the model in every experiment, chosen for the
// plan or not. Before the first run, the experiments Text5..Text6 are
// checked for a value that would divide by zero or make a mass or a speed
// meaningless: a mass ratio X6 or X7 of 0 or below, a speed of gravity X4 of
// 0 or below, a velocity of the Solar System (X1, X2, X3) of the speed of
// light or more. The first such value is refused with a message naming the
// factor, the experiment and its boxes; true when refused.
bool Form15::refuseMeaninglessFactors() {
  const int first = std::max(1, static_cast<int>(CInt(Text5.Text())));
  const int last = std::min(static_cast<int>(Stat.LastRun), static_cast<int>(Stat.RunCount));
  const auto inPlan = [](int factor) {
    for (int j = 1; j <= Stat.Nf; ++j)
      if (Stat.FactorIndex[j] == factor) return true;
    return false;
  };
  for (int e = first; e <= last; ++e) {
    const auto refuse = [&](int factor, const char* fault) {
      MsgBox(form15text::meaninglessFactor(factor, e, Str(Stat.RunValues(factor, e)), fault,
                                           inPlan(factor)),
             form15text::kTitle7m);
      return true;
    };
    if (!(Stat.RunValues(4, e) > 0)) return refuse(4, form15text::kNoGravitySpeed);
    for (const int massFactor : {6, 7}) {
      const double ratio = Stat.RunValues(massFactor, e);
      if (ratio == 0) return refuse(massFactor, form15text::kDivisionByZeroMass);
      if (!(ratio > 0)) return refuse(massFactor, form15text::kNegativeMass);
    }
    const double speed = std::hypot(Stat.RunValues(1, e), Stat.RunValues(2, e), Stat.RunValues(3, e));
    if (!(speed * kMetresPerKilometre < Main.Vsv)) {
      MsgBox(form15text::fasterThanLight(e, Str(speed)), form15text::kTitle7m);
      return true;
    }
  }
  return false;
}

// The model window shown and set for plan runs: the model integrated, no
// animation, the followed planet measured and its series written, a finite
// speed of gravity, the end year ending each run, the Sun at the origin, no
// energy check and no coordinate file; retardation variant 2 and the
// pressure law 5 unless X5 plays no part. Its other controls stay as the
// user set them.
void Form15::presetModelWindow() {
  Form2& model = form2();
  model.Show();
  model.Option3.setValue(true);
  model.Check3.setValue(0);
  model.Check4.setValue(1);
  model.Check20.setValue(1);
  model.Check13.setValue(1);
  Main.FiniteVgrFlag = 1;
  Main.kodDX = kPlanRetardation;
  Main.kodPgr = kPlanPressureLaw;
  if (Stat.ZeroLevels[5] == 0 && Check3[5].Value() == 0) Main.kodPgr = kNoPressureLaw;
  model.Check14.setValue(1);
  model.Check17.setValue(1);
  model.Check12.setValue(0);
  model.Check2.setValue(0);
}

// StartNextExperiment: experiment Text5, or the end of the sequence.
// Reads:    Text5, Stat.LastRun, RunValues, Check5
// Writes:   Stat.RunIndex; Main.VXsys, VYsys, VZsys (km/s), Vgr (the ratio
//           X4; the model's start makes it X4 × Vsv), kPgr1, kPgr2, Mass(5),
//           Mass(2); Text13(1..7); the model window's Text8, Text35 and its
//           trigger Text53, whose write runs the experiment
// Notes:    A fault (a box that is no number, X6 or X7 of 0, an experiment
//           number above 91): "Ошибка при выполнение плана" ("Celvan7m") and
//           the sequence ends. Beyond the last experiment the end sound
//           "\Arhiv\Zvuk_end1.wav" plays. However the run ends (its end, a
//           stop, an error, a refusal of the model window's start), no plan
//           runs any more once the write of the trigger returns.
void Form15::StartNextExperiment() {
  bool beyondLast = false;
  const bool ready = withErrorTrap(kPlanRunError, form15text::kTitle7m, [&] {
    Stat.RunIndex = CInt(Text5.Text());
    beyondLast = Stat.RunIndex > Stat.LastRun;
    if (!beyondLast) setFactorsOfExperiment();
  });
  if (!ready || beyondLast) {
    if (beyondLast) ui::playWaveFile(programPath("\\Arhiv\\Zvuk_end1.wav"));
    sequenceRunning_ = false;
    return;
  }
  // The model window's start and run loop have traps of their own; the
  // run of this experiment, and the ones after it, run nested in this write.
  form2().Text53.setText(StrSingle(static_cast<float>(Timer())));
  Main.PlanNumber = 0;
  sequenceRunning_ = false;
}

// The factors of experiment RunIndex into the model's variables and the
// boxes, and the experiment's number and speed of gravity into the model
// window.
void Form15::setFactorsOfExperiment() {
  const int e = Stat.RunIndex;
  auto show = [this, e](int i) { Text13[i].setText(Str(Stat.RunValues(i, e))); };
  Main.VXsys = Stat.RunValues(1, e);
  show(1);
  Main.VYsys = Stat.RunValues(2, e);
  show(2);
  Main.VZsys = Stat.RunValues(3, e);
  show(3);
  Main.Vgr = Stat.RunValues(4, e);
  show(4);
  Main.kPgr1 = Stat.RunValues(5, e);
  Main.kPgr2 = Check5.Value() == 1 ? 0 : Main.kPgr1;
  show(5);
  Main.Mass[5] = massFromRatio(Stat.RunValues(6, e));
  show(6);
  Main.Mass[2] = massFromRatio(Stat.RunValues(7, e));
  show(7);
  Form2& model = form2();
  model.Show();
  model.Text8.setText(Str(e));
  model.Text35.setText(Str(Main.Vgr));
}

// Text3_Change: the model window ended a run of the plan; the next
// experiment of the sequence follows.
void Form15::Text3_Change() {
  if (!sequenceRunning_) return;
  Text5.setText(Str(Stat.RunIndex + 1));
  StartNextExperiment();
}
