// "Загрузить параметры на": the elements and masses of the bodies for the
// date of the window, from a theory, the DE405 ephemeris, a parameter file
// or the grid of the window.
#include <functional>

#include "core/de405/DE405.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "core/state/BodyState.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

// Gravitational constants of the mass tables, m³/(kg s²).
constexpr double kGammaDE405 = 1e-12 * 66.7259;
constexpr double kGammaNew0 = 1e-12 * 66.7006;

// Start data of the spare body "Ксена" with the DE405 source, m and m/s.
constexpr double kSpareBodyStartX = 7555444333222;
constexpr double kSpareBodyStartVY = 4333;

// The spare body "Ксена" (object 10) as the theories leave it when it does
// not stand for the Moon. Its mass keeps the mass table's value.
void setSpareBodyElements() {
  Main.AlfaL[10] = 0.01;
  Main.Wsr[10] = 0.00001 / Main.SecondsPerDay;
  Main.MassRatio[10] = 9888777;
  Main.Eks[10] = 0.001;
  Main.Betta[10] = 0.01;
  Main.AlfaU[10] = 0.01;
  Main.AlfaP[10] = Main.Pi / 2;
  Main.RsrAU[10] = 50.01;
  Main.Rsr[10] = Main.Lae * 50.01;
}

void setSpareBodyStartData() {
  const BodyState spare{{kSpareBodyStartX, 0, 0}, {0, kSpareBodyStartVY, 0}};
  setCurrentState(10, spare);
  setStartState(10, spare);
}

void copyCurrentToStartData(int object) { setStartState(object, currentState(object)); }

// An element theory as "Загрузить параметры на" uses it: its mass table and
// gravitational constant, whether its elements refer to J2000 (else to the
// equinox of the date), the elements of one body (Main.CurrentObject) and of
// the Moon (object 11), and the note naming the Moon's theory (none: empty).
struct ElementTheorySource {
  void (*setMasses)();
  double gamma;
  bool epochJ2000;
  void (*setElements)();
  void (*setMoonElements)();
  const char* moonNote;
};

void setMoonElementsJPL0() {
  SetElementsJPL0();
  ReduceMoonElementsToJ2000();
}

const ElementTheorySource kJPL0{
    SetMassesDE405, kGammaDE405, true, SetElementsJPL0, setMoonElementsJPL0,
    "Для расчета параметров орбиты Луны использована \n"
    "теория из Вестрама с пересчетом в эпоху J2000 "};
const ElementTheorySource kSer0{SetMassesSer0,   kGammaDE405,     true,
                                SetElementsSer0, SetElementsSer0, ""};
const ElementTheorySource kNew0{SetMassesNew0, kGammaNew0, false, SetElementsNew0, SetElementsNew0,
                                "Для расчета параметров орбиты Луны использована \n"
                                "теория Брауна в книге Орлинга "};

// The masses, the gravitational constant and the elements of the planets
// 1..9 of a theory; JD0 becomes J2000 for a J2000 theory.
void loadPlanetsOfTheory(const ElementTheorySource& theory) {
  theory.setMasses();
  Main.gamma = theory.gamma;
  Main.mSol = Main.Mass[0];
  if (theory.epochJ2000) Main.JD0 = Main.JD2000;
  for (int i = 1; i <= 9; ++i) {
    Main.CurrentObject = static_cast<int16_t>(i);
    theory.setElements();
  }
}

// A theory's masses and elements; object 10 the spare body, or the Moon of
// the theory while Check3 is ticked.
void loadTheory(Form1& form, const ElementTheorySource& theory) {
  loadPlanetsOfTheory(theory);
  if (Main.kodMoon == 0) {
    setSpareBodyElements();
    return;
  }
  Main.CurrentObject = 11;
  theory.setMoonElements();
  form.CopyMoonToObject10();
  if (*theory.moonNote != '\0') MsgBox(theory.moonNote, form1text::kTitle7);
}

// Runs a step of the DE405 reader and tells whether it went through. The
// reader reports a failure with its own message and StopFlag = 1; nothing
// else runs meanwhile, so the flag is cleared for the step and put back
// after a success.
bool readerStepSucceeded(const std::function<void()>& step) {
  const int16_t stopBefore = Main.StopFlag;
  Main.StopFlag = 0;
  step();
  if (Main.StopFlag == 1) return false;
  Main.StopFlag = stopBefore;
  return true;
}

}  // namespace

// Command3_Click "Загрузить параметры на".
// Reads:    the date boxes Text34, Text33, Text32; the source options
//           Option4..Option9; Check3, Check4; Text23 (file), Text25, Text26,
//           Text11 and the grid (screen source)
// Writes:   Main.StartYear, StartMonth, StartDay, JD, SeriesStartJD, JD0,
//           InitialDataJD, JDet1, JDet2, TheoryT, kodMoon; the elements, masses,
//           mSol, gamma, Lae; X0..VZ0 and X..VZ where the source gives data;
//           V0sr; Text24, Text25, Text26, Text11, the grid and the picture
// Notes:    A failure shows "Задайте правильно данные" (the file source its
//           own file messages) and ends the handler; what was set stays. A
//           date the date procedure refuses, or a DE405 file that does not
//           hold the date, ends it after that procedure's message.
void Form1::Command3_Click() {
  bool fromFile = false;
  const bool started = withErrorTrap(form1text::kBadData, form1text::kTitle7m, [&] {
    if (!startParameterLoad()) return;
    switch (chosenSource()) {
      case ParameterSource::JPL0: loadTheory(*this, kJPL0); break;
      case ParameterSource::Ser0: loadTheory(*this, kSer0); break;
      case ParameterSource::New0: loadTheory(*this, kNew0); break;
      case ParameterSource::DE405:
        if (!loadDE405Source()) return;
        break;
      case ParameterSource::Screen: loadFromScreen(); break;
      case ParameterSource::File:
        Main.FileNumber = FileNumberFromText(Text23.Text());
        fromFile = true;
        return;  // the file has traps of its own
    }
    finishParameterLoad();
  });
  if (started && fromFile) loadParameterFile();
}

Form1::ParameterSource Form1::chosenSource() const {
  if (Option5.Value()) return ParameterSource::JPL0;
  if (Option8.Value()) return ParameterSource::Ser0;
  if (Option9.Value()) return ParameterSource::DE405;
  if (Option6.Value()) return ParameterSource::File;
  if (Option7.Value()) return ParameterSource::Screen;
  return ParameterSource::New0;
}

// The date of the boxes and the epochs of the load; false when the date
// procedure refused the date (it has shown its message).
bool Form1::startParameterLoad() {
  Main.Rsr[0] = Main.Wsr[0] = Main.Eks[0] = 0;
  Main.AlfaU[0] = Main.AlfaP[0] = Main.Betta[0] = 0;
  Main.StartYear = CLng(Text34.Text());
  Main.StartMonth = CLng(Text33.Text());
  Main.StartDay = CDbl(Text32.Text());
  Main.DateErrorFlag = 0;
  Main.JD = JulianDayFromDate(Main.StartDay, Main.StartMonth, Main.StartYear);
  if (Main.DateErrorFlag == 1) return false;
  Main.SeriesStartJD = Main.JD;
  Text24.setText(Str(Main.JD));
  Main.JD0 = Main.JD;
  Main.InitialDataJD = Main.JD;
  // Ephemeris time for the theories; "Ser0 (J2000)" takes the date as it is.
  Main.TheoryT = DeltaTParabola();
  Main.JDet2 = Main.JD;
  Main.JDet1 = Main.TheoryT / 24 / 3600 + Main.JD;
  Main.JD = chosenSource() == ParameterSource::Ser0 ? Main.JDet2 : Main.JDet1;
  Main.kodMoon = Check3.Value() == 1 ? 1 : 0;
  return true;
}

// "параметры и данные JPL2 (J2000)": JPL0 elements for display, positions
// and velocities of the Sun and the planets from the DE405 file (barycentric,
// ecliptic J2000, m and m/s). False when the reader could not give them.
bool Form1::loadDE405Source() {
  loadPlanetsOfTheory(kJPL0);
  closeDE405File();
  bool read = readerStepSucceeded(LoadDE405Block);
  for (int body = 0; read && body <= 9; ++body) {
    Main.BodyNumber = body;
    read = readerStepSucceeded([body] { EvaluateDE405Body(body, 1); });
    if (read) copyCurrentToStartData(body);
  }
  if (!read) {
    closeDE405File();
    return false;
  }
  if (Main.kodMoon == 1) {
    MsgBox(std::string("Для расчета параметров неоскулирующей \n") +
               "орбиты Луны использована теория Ser0 ",
           form1text::kTitle7);
    Main.CurrentObject = 11;
    Main.JD = Main.JDet2;
    SetElementsSer0();
    Main.JD = Main.JDet1;
    CopyMoonToObject10();
    if (!readerStepSucceeded([] { EvaluateDE405Body(11, 1); })) {
      closeDE405File();
      return false;
    }
    copyCurrentToStartData(11);
    if (Check4.Value() == 1)
      SplitEarthMoonBary();
    else
      SplitEarthMoon();
    AddEarthMoonBarycentre();
  }
  closeDE405File();
  if (Main.kodMoon == 0) {
    setSpareBodyStartData();
    setSpareBodyElements();
  }
  return true;
}

// "параметры или данные с экрана": the constants, then the elements or the
// initial data of every object as the grid shows them.
void Form1::loadFromScreen() {
  Main.mSol = CDbl(Text25.Text());
  Main.gamma = CDbl(Text26.Text());
  Main.Lae = CDbl(Text11.Text()) * 1000;
  const double mk = Main.MK;
  const double kUgol = Main.kUgol;
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    if (Option2.Value()) {
      Main.AlfaL[i] = CDbl(Text1[i].Text()) / kUgol;
      Main.Rsr[i] = CDbl(Text2[i].Text()) * mk;
      Main.Wsr[i] = CDbl(Text3[i].Text()) / Main.sekG;
      Main.Eks[i] = CDbl(Text4[i].Text());
      Main.Betta[i] = CDbl(Text5[i].Text()) / kUgol;
      Main.AlfaP[i] = CDbl(Text6[i].Text()) / kUgol;
      Main.AlfaU[i] = CDbl(Text7[i].Text()) / kUgol;
    } else if (Option3.Value()) {
      Main.X[i] = Main.X0[i] = CDbl(Text1[i].Text()) * mk;
      Main.Y[i] = Main.Y0[i] = CDbl(Text2[i].Text()) * mk;
      Main.Z[i] = Main.Z0[i] = CDbl(Text3[i].Text()) * mk;
      Main.VX[i] = Main.VX0[i] = CDbl(Text4[i].Text());
      Main.VY[i] = Main.VY0[i] = CDbl(Text5[i].Text());
      Main.VZ[i] = Main.VZ0[i] = CDbl(Text6[i].Text());
      Main.MassRatio[i] = CDbl(Text7[i].Text());
      setMassFromRatio(i);
      markLoadedBody(i);
    }
  }
}

// The mass of an object from its ratio, as the screen and the file give it:
// the Sun's mass over the ratio; but while object 10 is the Moon its ratio
// is the Earth/Moon ratio, so the Moon's mass comes from the Earth's (object
// 3, loaded before it), and the Moon's mass slots follow (11 the Moon, 13 the
// Earth alone), as the model run takes them. A zero ratio is a division by
// zero that ends the load at this object.
void Form1::setMassFromRatio(int object) {
  const bool moon = object == 10 && Main.kodMoon == 1;
  const double ratio = Main.MassRatio[object];
  if (ratio == 0) throw RuntimeError(ErrorCode::DivisionByZero, "mass ratio 0");
  if (!moon) {
    Main.Mass[object] = Main.mSol / ratio;
    return;
  }
  Main.Mass[10] = Main.Mass[3] / ratio;
  Main.Mass[11] = Main.Mass[10];
  Main.Mass[13] = Main.Mass[3];
  Main.MassRatio[11] = ratio;
}

void Form1::markLoadedBody(int object) {
  const int32_t colour = RGB(Main.ColorR[object], Main.ColorG[object], Main.ColorB[object]);
  Picture1.Circle(Main.X[object] / Main.ImageScale, Main.Y[object] / Main.ImageScale, 0.04,
                  colour);
}

// The end of every load: mean speeds, the constants in their boxes, the grid
// and the picture.
void Form1::finishParameterLoad() {
  for (int i = 1; i <= Main.LastObjectIndex; ++i) Main.V0sr[i] = Main.Wsr[i] * Main.Rsr[i];
  Text25.setText(Str(Main.mSol));
  Text26.setText(Str(Main.gamma));
  Text11.setText(Str(Main.Lae / 1000));
  refreshGrid();
  redrawOrbitPicture();
}
