// Loading and activation of Form20, and "Задать координаты и скорости Луны и
// Земли": the Moon placed on its ellipse about the Earth from its mean
// elements, the barycentre corrections, the start data of the pair.
#include <string>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "core/state/BodyState.h"
#include "setup/Form20.h"
#include "setup/Form20Texts.h"

namespace {

// Slots while the start data are computed: the Earth's coordinates in 3, the
// Moon in 11, the Earth's mass (the Earth alone) in 13; in the window's own
// start data the Earth goes to slot 0, where the Moon check keeps the Earth.
constexpr int kEarth = 3;
constexpr int kMoon = 11;
constexpr int kEarthMass = 13;
constexpr int kEarthStartSlot = 0;

using astro::kSecondsPerHour;

std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }

double reducedToOneTurn(double angle) {
  return 2 * Main.Pi * FractionPositive(angle / 2 / Main.Pi);
}

// "X3  Y3  Z3 (тыс.км)=        0123,4567     ...": a caption and three values
// through the mask "0000.0000".
std::string vectorLine(const std::string& caption, const Vector3& v) {
  const std::string gap = "     ";
  return caption + Format(v.x, "0000.0000") + gap + Format(v.y, "0000.0000") + gap +
         Format(v.z, "0000.0000");
}

}  // namespace

// Form_Load: the date of J2000 in the boxes and its Julian Day, the calendar
// of the window, the Earth accelerated in the check, the picture with the
// schematic of the focus in the Earth's centre and the legend.
void Form20::Form_Load() {
  Text32.setText(Str(1.5));
  Text33.setText("1");
  Text34.setText("2000");
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  Command10_Click();
  Main.VsolConstFlag = 1;
  ResetMoonPicture();
  Option5_Click();
  Main.ScratchText2 = "Земля z  Луна l ";
  printLine(11.8, Main.ScratchText2);
}

// Form_Activate: the calendar and the picture scale as this window wants
// them; other windows change them on their own activation.
void Form20::Form_Activate() {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  takeScaleFromScrollBar();
}

// Command6_Click "Задать координаты и скорости Луны и Земли".
// Reads:    the source options, the date boxes (a theory) or the element
//           boxes (the screen), Text24, the correction boxes, KodBary
// Writes:   X..VZ of slots 3 and 11; the window's own start data of the pair
//           (the masses, the Moon's elements in slot 11, the start states of
//           slot 0 the Earth and 11 the Moon, kodMoon = 1); the reference
//           elements and search windows of the check; the element boxes and
//           the picture. The model's start data, masses, elements, kodMoon
//           and kodBary are as before.
// Notes:    Any error (a box that is no number, a zero mass ratio, an
//           eccentricity of 1 or more) shows "Введите правильно данные"
//           (title "Celvan7m") and keeps the window's earlier start data. A
//           date that "G->J" refuses shows the date message and computes
//           nothing for it.
void Form20::Command6_Click() {
  withErrorTrap(form20text::kBadInitialData, form20text::kTitle7m, [&] {
    const KeepModelStartData keep;
    Main.kodBary = KodBary;
    SetMassesSer0();
    if (Option7.Value()) SetMassesNew0();
    if (Option9.Value()) takeElementsFromScreen();
    Main.CurrentObject = kMoon;
    if (!Option9.Value() && !takeElementsFromTheory()) return;
    takeGivenElementsAsReference();

    PositionFromElements();
    setCurrentState(kEarth, {});
    Main.kodMoon = 1;
    VelocityFromElements();
    throwOnFloatingPointFlags();  // no ellipse: nothing is stored from it
    applyBarycentreCorrections();
    throwOnFloatingPointFlags();
    setStartState(kEarthStartSlot, currentState(kEarth));
    setStartState(kMoon, currentState(kMoon));
    PairStartData = currentModelStartData();
    HasPairStartData = true;
    drawAndPrintStartData();
  });
}

void Form20::usePairStartData() {
  if (HasPairStartData) restoreModelStartData(PairStartData);
}

// The elements as typed: degrees, thousand km and the Earth/Moon mass ratio.
// A zero ratio stops after the elements and the ratio are stored.
void Form20::takeElementsFromScreen() {
  Main.AlfaL[kMoon] = CDbl(Text1.Text()) / Main.kUgol;
  Main.Eks[kMoon] = CDbl(Text7.Text());
  Main.AlfaP[kMoon] = CDbl(Text8.Text()) / Main.kUgol;
  Main.AlfaU[kMoon] = CDbl(Text9.Text()) / Main.kUgol;
  Main.Rsr[kMoon] = CDbl(Text10.Text()) * Main.MK;
  Main.Betta[kMoon] = CDbl(Text40.Text()) / Main.kUgol;
  Main.MassRatio[kMoon] = CDbl(Text21.Text());
  const double moonMass = Main.Mass[kEarthMass] / Main.MassRatio[kMoon];
  throwOnFloatingPointFlags();
  Main.Mass[kMoon] = moonMass;
}

// The elements of the chosen theory for the date of the boxes: "New0 (JD)"
// in ephemeris time (the date plus ET-UT of the parabola), "Ser0 (J2000)"
// for the date as entered; the angles reduced to one turn and shown in full.
// False when the date was refused.
bool Form20::takeElementsFromTheory() {
  if (!convertDateToJulianDay()) return false;
  Main.JDut = Main.JD;
  Main.TheoryT = DeltaTParabola();
  Text35.setText(sixDecimals(Main.TheoryT));
  Main.JDet1 = Main.TheoryT / 24 / kSecondsPerHour + Main.JDut;
  Main.JD = Main.JDet1;
  if (Option7.Value()) SetElementsNew0();
  Main.JD = Main.JDut;
  if (Option10.Value()) SetElementsSer0();
  Main.AlfaL[kMoon] = reducedToOneTurn(Main.AlfaL[kMoon]);
  Main.AlfaP[kMoon] = reducedToOneTurn(Main.AlfaP[kMoon]);
  Main.AlfaU[kMoon] = reducedToOneTurn(Main.AlfaU[kMoon]);
  Text1.setText(Str(Main.kUgol * Main.AlfaL[kMoon]));
  Text7.setText(Str(Main.Eks[kMoon]));
  Text8.setText(Str(Main.kUgol * Main.AlfaP[kMoon]));
  Text9.setText(Str(Main.kUgol * Main.AlfaU[kMoon]));
  Text10.setText(Str(Main.Rsr[kMoon] / Main.MK));
  Text40.setText(Str(Main.kUgol * Main.Betta[kMoon]));
  Text21.setText(Str(Main.MassRatio[kMoon]));
  return true;
}

// The given perigee and node longitudes (degrees) that the check measures
// against, the given elements shown as the check compares them, and the
// search windows of half-width Text24 about the perigee and the node.
void Form20::takeGivenElementsAsReference() {
  Main.AlfaPPrevious = Main.kUgol * Main.AlfaP[kMoon];
  Main.AlfaUPrevious = Main.kUgol * Main.AlfaU[kMoon];
  Main.AlfaUCurrent = Main.AlfaUPrevious;
  Main.AlfaPCurrent = Main.AlfaPPrevious;
  Text7.setText(sixDecimals(Main.Eks[kMoon]));
  Text8.setText(Str(Main.AlfaPPrevious));
  Text9.setText(Str(Main.AlfaUPrevious));
  Text10.setText(Str(Fix(Main.Rsr[kMoon]) / Main.MK));
  Text40.setText(sixDecimals(Main.Betta[kMoon] * Main.kUgol));
  Main.dAlfa = CDbl(Text24.Text());
  orbitcheck::setSearchWindow(Main.AlfaPPrevious, Main.dAlfa, Main.PerihelionWindowLow,
                              Main.PerihelionWindowHigh);
  orbitcheck::setSearchWindow(Main.AlfaUPrevious, Main.dAlfa, Main.NodeWindowLow,
                              Main.NodeWindowHigh);
}

// The corrections ticked, each on the values the one before left (q = ml/mz;
// z the Earth, l the Moon, for every coordinate and velocity component):
//   a "+Xz = -Xl * ml / mz"      the Earth balances the Moon about the origin;
//   b "+VXl=VXl / (1+ ml / mz)"  (focus in the Earth's centre) the Moon's
//                                velocity about the barycentre;
//   c "++Xl = Xl + Xz"           (focus in the barycentre) the Moon moved with
//                                the Earth, so that their separation is the
//                                one of the ellipse;
//   d "+VXz = -VXl * ml / mz"    the Earth's velocity balances the Moon's;
//   e "++VXl = VXl + VXz "       the Moon's velocity moved with the Earth's.
void Form20::applyBarycentreCorrections() {
  const double q = Main.Mass[kMoon] / Main.Mass[kEarthMass];
  BodyState earth = currentState(kEarth);
  BodyState moon = currentState(kMoon);
  if (Check11.Value() == 1) earth.position = -q * moon.position;
  if (Option5.Value() && Check12.Value() == 1) moon.velocity = moon.velocity / (q + 1);
  if (Option6.Value() && Check5.Value() == 1) moon.position = earth.position + moon.position;
  if (Check7.Value() == 1) earth.velocity = -q * moon.velocity;
  if (Check9.Value() == 1) moon.velocity = earth.velocity + moon.velocity;
  setCurrentState(kEarth, earth);
  setCurrentState(kMoon, moon);
}

// The Earth, the Moon and their centre of mass in the picture, and the start
// data printed below the plan view: positions in thousand km, velocities in
// m/s.
void Form20::drawAndPrintStartData() {
  const double s = Main.ImageScale;
  const BodyState earth = currentState(kEarth);
  const BodyState moon = currentState(kMoon);
  Picture1.Circle(earth.position.x / s, earth.position.y / s, 0.1, RGB(0, 0, 250));
  Picture1.Circle(moon.position.x / s, moon.position.y / s, 0.07, RGB(0, 250, 0));
  const double earthMass = Main.Mass[kEarthMass];
  const double moonMass = Main.Mass[kMoon];
  const Vector3 centreOfMass =
      (earthMass * earth.position + moonMass * moon.position) / (earthMass + moonMass);
  drawCross(centreOfMass.x / s, centreOfMass.y / s, RGB(250, 0, 0));

  const double thousandKm = 1 / Main.MK;
  printLine(-7, vectorLine("X3  Y3  Z3 (тыс.км)=        ", thousandKm * earth.position));
  printLine(-7.7, vectorLine("X11  Y11  Z11 (тыс.км)=  ", thousandKm * moon.position));
  printLine(-8.5, vectorLine("VX3  VY3  VZ3 (м/с)=        ", earth.velocity));
  printLine(-9.2, vectorLine("VX11  VY11  VZ11 (м/с)=  ", moon.velocity));
}
