// Command1_Click "Начать": the start of a computational experiment. It reads
// the options and numbers of the window, refuses what cannot run, resets
// the displays and clocks, prepares the followed orbit, the source of
// positions and the name of the run, sets the bodies up, writes the headers
// of the result files and enters the run loop, which runs nested inside
// this handler. A refusal shows its message and ends the handler; what was
// set before it stays.
#include <string>

#include "core/de405/DE405.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "model/Form2.h"
#include "setup/Form1.h"
#include "statistics/Form15.h"

namespace {

constexpr const char* kBadInput = "Задайте правильно данные";
constexpr const char* kBadInputTitle = "Celvan7";

// A refusal: its message box, and false for the caller to stop.
bool refuse(const std::string& text, const char* title) {
  MsgBox(text, title);
  return false;
}

std::string withNumber(const char* before, double number, const char* after = "") {
  return before + Str(number) + after;
}

// Slot 88 of Y marks that the test-plan result file of the running plan has
// its header.
constexpr int kTestFileMarkSlot = 88;
constexpr double kTestFileMark = 88;

}  // namespace

void Form2::Command1_Click() {
  bool started = false;
  const bool noError = withErrorTrap(kBadInput, kBadInputTitle, [&] {
    Main.SelectedObject = WholeNumberFromText(Text13.Text());
    if (Main.SelectedObject < 0 || Main.SelectedObject > 10)
      return static_cast<void>(refuse("номер объекта должен быть от 0 до 10", "Celvan7.0"));
    if (!readStartOptions() || !readStartNumbers()) return;
    resetDisplaysAndClocks();
    if (!prepareFollowedOrbit() || !chooseSourceOfPositions()) return;
    if (Main.kodMoon == 1) {
      Main.Mass[3] = Main.Mass[13];
      Main.Mass[10] = Main.Mass[11];
    }
    if (Main.PlanNumber > 0) DrawOrbits();
    run_.setUpBodies(*this, Check12.Value() == 1);
    Main.BodyNumber = Main.kodMoon == 1 ? 11 : Main.SelectedObject;
    Main.Period = Main.SiderealPeriod[Main.BodyNumber];
    Text48.setText(Str(Main.Period));
    Text49.setText("0");
    Main.RecordCount = ModelRun::expectedRecordCount(Check12.Value() == 1);
    writeResultFileHeaders();
    started = true;
  });
  if (!noError || !started) return;
  if (DoEvents() == 0) {
    MsgBox(kBadInput, kBadInputTitle);
    return;
  }
  Main.StartTimer = Timer();
  run_.RunExperiment(*this);
}

// The kind of run, the model, the imitator, the direction of time, the
// finite speed of gravity and the test mode of a plan. An experiment of a
// plan always runs with a finite speed of gravity: its box is ticked first.
bool Form2::readStartOptions() {
  Main.StopFlag = 0;
  Main.NodeMeasuredFlag = 0;
  Main.InPerihelionWindow = 0;
  Main.StepReductionState = 2;
  Main.ModelMode = Option3.Value() ? 1 : 0;
  Main.ForceModel = Option8.Value() ? 1 : 0;
  Main.DE405ImitatorFlag = Option6.Value() ? 1 : 0;
  Main.TimeDirection = Option2.Value() ? -1 : 1;
  Main.FiniteVgrFlag = Check13.Value() == 1 ? 1 : 0;
  Main.TestMode = planRunsByTest() ? 1 : 0;
  if (Main.ForceModel == 1 && Main.FiniteVgrFlag == 0)
    return refuse("Надо задать скорость гравитации", "Celvan7mmm");
  return true;
}

// The step, its divisor, the output rhythm, the speed of gravity and the
// other numbers. A step that is not positive or a divisor that is not
// positive cannot run and is refused as bad input.
bool Form2::readStartNumbers() {
  Main.P00 = CDbl(Text38.Text());
  Main.Step = Main.P00;
  Main.NC0 = CInt(Text37.Text());
  Main.StepDivisor = CInt(Text39.Text());
  Main.PrevStep = Main.Step;
  if (!(Main.P00 > 0) || Main.StepDivisor <= 0) return refuse(kBadInput, kBadInputTitle);
  const double gravitySpeed = CDbl(Text35.Text());
  if (gravitySpeed == 0) return refuse("Скорость гравитации не может быть равна нулю", "Celvan7mmm");
  Main.Vgr = gravitySpeed * Main.Vsv;
  Main.DistanceExponent = CDbl(Text45.Text());
  Main.MdAlfa = CDbl(Text5.Text());
  Main.MT = CDbl(Text9.Text());
  Main.Mx = CDbl(Text21.Text());
  Main.PlotOffsetY = static_cast<float>(CDbl(Text36.Text()));
  Main.FileNumber = CInt(Text8.Text());
  return true;
}

void Form2::resetDisplaysAndClocks() {
  Main.RevolutionCount = 0;
  Text34.setText("0");
  Main.StepCounter = 0;
  Main.ColorFactor = 1.0f;
  DrawOverview();
  Text14.setText(Str(Main.InitialDataJD));
  Main.JD = Main.InitialDataJD;
  DateFromJulianDay(Main.JD);
  Main.StartYear = Main.CalendarYear;
  Main.StartMonth = Main.CalendarMonth;
  Main.StartDay = Main.CalendarDay;
  Text44.setText(Str(Main.StartYear));
  Text43.setText(Str(Main.StartMonth));
  Text42.setText(Str(Main.StartDay));
  Main.EndYear = CLng(Text40.Text());
  Main.EphemerisJD = Main.JD;
  for (ui::TextBox* drift : {&Text25, &Text23, &Text16, &Text29, &Text10, &Text15}) drift->setText("0");
  Main.PrevRevolutionTime = Main.ModelTime = Main.ElapsedTime = Main.LastHistoryTime = 0;
}

// With "Найти показатели планеты №": the followed orbit's start values, its
// centre and its search windows; without it they stay as they were.
bool Form2::prepareFollowedOrbit() {
  if (Check4.Value() == 0) return true;
  if (Main.SelectedObject < 0.5 || Main.SelectedObject > 10.5)
    return refuse("Номер планеты для вычисления параметров должен быть от 1 до 10", "Celvan7");
  Main.dAlfa = CDbl(Text17.Text());
  run_.prepareOrbitTracking(Check17.Value() == 1, Check19.Value() == 1);
  Text3.setText(Str(Main.AlfaPCurrent));
  Text4.setText("0");
  Text7.setText(Str(Main.AlfaUCurrent));
  Text24.setText("0");
  Text6.setText(Str(truncateDecimals(Main.kUgol * Main.BettaCurrent, 6)));
  Text22.setText("0");
  Text20.setText(Str(truncateDecimals(Main.EksCurrent, 6)));
  Text18.setText("0");
  Text46.setText(Str(Main.RadiusVector[Main.SelectedObject] / Main.MK));
  Text47.setText("0");
  return true;
}

// The source of the positions and the name of the run: the model names
// itself after its equations and the source of Form1's parameters; an
// imitator takes the masses of its theory and names its series file.
bool Form2::chooseSourceOfPositions() {
  if (Main.ModelMode == 1) {
    Main.TheoryName = Main.ForceModel == 1 ? "OTO  " : "КЛАССИКА  ";
    Form1& start = form1();
    const std::pair<ui::OptionButton*, const char*> sources[] = {
        {&start.Option4, " NEW0"}, {&start.Option5, " JPL0"}, {&start.Option6, " FILE"},
        {&start.Option7, " SCREEN"}, {&start.Option8, " SER0"}, {&start.Option9, " JPL2"}};
    for (const auto& [option, name] : sources)
      if (option->Value()) Main.TheoryName += name;
    return true;
  }
  if (Main.kodMoon == 1 && Check12.Value() == 1)
    return refuse("В имитаторах энергия системы считается только для Луны вместе с Землей\r\n"
                  "      (если надо то задайте на форме 1 движение Луны и Земли совместное)",
                  "Celvan7.0");
  SetMassesDE405();
  Main.BodyNumber = Main.kodMoon == 1 ? 11 : Main.SelectedObject;
  const std::string number = Str(Main.BodyNumber);
  if (Main.DE405ImitatorFlag == 0) {
    if (Main.kodMoon == 1 || Main.SelectedObject == 0 || Main.SelectedObject == 10)
      return refuse("     В имитаторах New0 и JPL0 не может быть номер объекта 0 или 10\r\n"
                    "и не может быть задано на форме 1 отдельно движение Луны и Земли",
                    "Celvan7");
    if (Option5.Value()) {
      SetMassesNew0();
      Main.TheoryName = "NEW_0";
      Main.RecordFilePath = "\\NEW\\Celvan" + number + "Nab.txt";
    }
    if (Option9.Value()) {
      Main.TheoryName = "JPL_0";
      Main.RecordFilePath = "\\JPL\\Celvan" + number + "Nab.txt";
    }
    return true;
  }
  if (Main.kodMoon == 0 && Main.SelectedObject == 10)
    return refuse("     В имитаторе JPL2 объектом 10 может быть только Луна\r\n"
                  "(если надо то задайте на форме 1 отдельно движение Луны и Земли)",
                  "Celvan7");
  Main.TheoryName = "JPL_DE405 ";
  Main.RecordFilePath = "\\JPL\\Celvan" + number + "Nab.txt";
  closeDE405File();
  LoadDE405Block();
  return true;
}

// The plan window's choices that the start reads: a plan run by the test
// criterion ("теста") and a rotatable plan ("Roto"). A plan window that is
// not loaded shows its design-time choices ("модели", "Orto"): it is not
// loaded here, since its load builds a plan and would replace the plan that
// another window built.
bool Form2::planRunsByTest() const { return ui::isFormLoaded<Form15>() && form15().Option5.Value(); }
bool Form2::planIsRotatable() const { return ui::isFormLoaded<Form15>() && form15().Option2.Value(); }

// The orbit-parameter series (model and imitator runs), the test-plan
// result file (a plan run by the test criterion: always that file, its
// header at the plan's first run) and the coordinate file.
void Form2::writeResultFileHeaders() {
  const std::string body = Str(Main.BodyNumber);
  const std::string experiment = Str(Main.FileNumber);
  run_.forgetOrbitSampleFile();
  if (Check20.Value() == 1 && Main.TestMode == 0) {
    if (Main.ModelMode == 1)
      Main.RecordFilePath = "\\Plan" + Str(Main.PlanNumber) + "\\Txt" + body + "\\Celvan" + body + "Ras" +
                            experiment + ".txt";
    run_.writeOrbitSampleHeader(Check12.Value() == 1);
    printRunTitle(Main.TheoryName + "      План №  " + Str(Main.PlanNumber) + "       Эксперимент №  " + experiment +
                  "   kodDX=  " + Str(Main.kodDX) + "   kodPgr=  " + Str(Main.kodPgr));
  }
  if (Main.TestMode == 1) {
    Main.RecordFilePath = "\\Dat\\NabPlan" + Str(Stat.Nf) + ".txt";
    if (Main.Y[kTestFileMarkSlot] != kTestFileMark) {
      const bool rotatable = planIsRotatable();
      run_.writeTestPlanHeader(rotatable);
      Picture1.setCurrentX(-9);
      Picture1.setCurrentY(10);
      Picture1.Print(ModelRun::testPlanTitle(rotatable));
      printRunTitle("");
      Sleep(5000);
    }
  }
  if (Check2.Value() == 1) {
    Main.FilePath = "\\Dat\\Celvan" + body + "XYZ" + experiment + ".txt";
    run_.writeTrajectoryHeader();
  }
}

// The title of a run in the orbit view: its first line (when given) at the
// top, the system velocity, the speed of gravity and the law below it.
void Form2::printRunTitle(const std::string& firstLine) {
  Picture1.setForeColor(RGB(250, 250, 250));
  if (!firstLine.empty()) {
    Picture1.setCurrentX(-10);
    Picture1.setCurrentY(10);
    Picture1.Print(firstLine);
  }
  const double speed = Fix(Main.FiniteVgrFlag * 100 * Main.Vgr / Main.Vsv) / 100;
  Picture1.setCurrentX(-10);
  Picture1.setCurrentY(9);
  Picture1.Print(withNumber(" VXSys = ", Fix(Main.VXsys)) + withNumber("    VYSys = ", Fix(Main.VYsys)) +
                 withNumber("    VZSys = ", Fix(Main.VZsys)) + withNumber("  (км/с)   Vgr = ", speed, " (Vsv)") +
                 withNumber("  k1= ", Main.kPgr1) + withNumber("  k2= ", Main.kPgr2));
}
