// The load and activation of Form25, "Задать координаты и скорости m1 и m2",
// the two pictures with their marks and scale, clearing, the options window
// and closing.
#include <cmath>
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/ModelStartData.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "model/UnitGrid.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"
#include "twobody/Form26.h"
#include "science/twobody/TwoBody.h"

using twobody::kCentreOfMass;
using twobody::kM1;
using twobody::kM2;

namespace {

// Mass of the Sun of the Ser0 theory, kg.
constexpr double kSunMass = 1.98976e30;
// 1801 January 1.5, the date of the Ser0 elements of "Check14".
constexpr double kSer0Date = 2378862.0;
// Slot of m2's mass when m1 is the Moon: the Earth alone.
constexpr int kEarthMassSlot = 13;
constexpr double kMetresPerScaleStep = 1e6;
constexpr double kM2MarkRadius = 0.1;
constexpr double kM1MarkRadius = 0.05;

int32_t blue() { return RGB(0, 0, 250); }
int32_t green() { return RGB(0, 250, 0); }
int32_t red() { return RGB(250, 0, 0); }

// A whole object number of the Ser0 theory (1..13); 0 would put m1 in m2's
// slot.
int objectNumber(const std::string& text) {
  const int i = CInt(text);
  if (i < 1 || i > 13) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "object number");
  return i;
}

// The Ser0 elements are taken for their own date; the shared date is put
// back afterwards.
struct KeepJulianDay {
  double julianDay = Main.JD;
  ~KeepJulianDay() { Main.JD = julianDay; }
};

// An angle brought into one turn [0, 2 pi).
double oneTurn(double angle) { return 2 * Main.Pi * FractionPositive(angle / 2 / Main.Pi); }

std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }

std::string coordinatesLine(double x, double y, double z, double unit, const char* mask) {
  return Format(x / unit, mask) + "     " + Format(y / unit, mask) + "     " +
         Format(z / unit, mask);
}

}  // namespace

// Form_Load: the empty orbit picture and graph; the options of Form26 start
// from their defaults (forward motion, VY sign 1, no curves, no drag) until
// they are applied again. The model's options are not touched.
void Form25::Form_Load() {
  drawOrbitGrid();
  DrawGraphFrame();
  refreshForceOptions();
}

void Form25::Form_Activate() { takeScaleFromScrollBar(); }

void Form25::takeScaleFromScrollBar() {
  Label10.setCaption("Масштаб изображения= " + std::to_string(HScroll1.Value()) + " тыс.км/см");
  Main.ImageScale = HScroll1.Value() * kMetresPerScaleStep;
}

// HScroll1_Change: the new scale; the orbit picture redrawn with only the
// marks of the current places.
void Form25::HScroll1_Change() {
  takeScaleFromScrollBar();
  drawOrbitGrid();
  const double s = Main.ImageScale;
  drawBodyMarks(Main.X[kM2] / s, Main.Y[kM2] / s, Main.X[kM1] / s, Main.Y[kM1] / s, blue(),
                green());
  drawCross(Main.X[kCentreOfMass] / s, Main.Y[kCentreOfMass] / s, 1, red());
}

void Form25::drawOrbitGrid() { drawUnitGrid(Picture1, RGB(120, 120, 120)); }

// The graph: x 0..25 (time), y -1..9, a unit grid with the numbers 0..25
// under the time axis.
void Form25::DrawGraphFrame() {
  const int32_t grey = RGB(200, 200, 200);
  Picture2.Cls();
  Picture2.Scale(0, 9, 25, -1);
  for (int y = -1; y <= 9; ++y) Picture2.Line(0, y, 25, y, grey);
  for (int x = 0; x <= 25; ++x) {
    Picture2.Line(x, -1, x, 9, grey);
    printAt(Picture2, x, -0.2, std::to_string(x));
  }
  Picture2.Line(0, 0, 25, 0, RGB(120, 120, 120));
}

void Form25::drawBodyMarks(double xM2, double yM2, double xM1, double yM1, int32_t m2Colour,
                           int32_t m1Colour) {
  Picture1.Circle(xM2, yM2, kM2MarkRadius, m2Colour);
  Picture1.Circle(xM1, yM1, kM1MarkRadius, m1Colour);
}

void Form25::drawCross(double x, double y, double halfLength, int32_t colour) {
  Picture1.Line(x, y + halfLength, x, y - halfLength, colour);
  Picture1.Line(x + halfLength, y, x - halfLength, y, colour);
}

void Form25::printAt(ui::PictureBox& picture, double x, double y, const std::string& text) {
  picture.setCurrentX(x);
  picture.setCurrentY(y);
  picture.Print(text);
}

void Form25::refreshForceOptions() {
  Forces.intervalOpen = Option9.Value();
  Forces.ftMode = Option4.Value()   ? twobody::FtMode::Analytically
                  : Option5.Value() ? twobody::FtMode::FromScreen
                                    : twobody::FtMode::Numerically;
  Forces.ftBySecondSpeed = Check9.Value() == 1;
  Forces.ftOnM2 = Check2.Value() == 1;
}

// Command6_Click "Задать координаты и скорости m1 и m2": m1's elements and
// the masses from the Ser0 theory or from the boxes, m1 placed on its orbit,
// m2 so that the centre of mass of the pair stays at the origin (for the
// Moon) and the total momentum is zero, the start state saved for the runs.
// Wrong boxes show "Введите правильно данные" (title "Celvan7mm").
// The pair's masses, elements and start state are the window's own
// (PairStartData): the model's start data, masses, elements, JD, kodMoon and
// kodBary are as before.
void Form25::Command6_Click() {
  withErrorTrap(form25text::kBadInitialData, form25text::kTitle7mm, [&] {
    const KeepModelStartData keep;
    const KeepJulianDay keepDate;
    Main.CurrentObject = kM1;
    Main.SelectedObject = kM1;
    if (Check14.Value() == 1)
      takeElementsFromSer0();
    else
      takeElementsFromScreen();
    placePairAndSaveStart();
    PairStartData = currentModelStartData();
    HasPairStartData = true;
    M1MassSlot = Main.SelectedObject;
    M2MassSlot = Main.SecondObject;
    printStartState();
  });
}

void Form25::usePairStartData() {
  if (!HasPairStartData) return;
  restoreModelStartData(PairStartData);
  Main.SelectedObject = M1MassSlot;
  Main.SecondObject = M2MassSlot;
}

// The Ser0 elements of object Text12 on 1801 January 1.5 and its mass; the
// boxes show them, the computation goes on with the theory's values.
void Form25::takeElementsFromSer0() {
  const int i = objectNumber(Text12.Text());
  Main.CurrentObject = static_cast<int16_t>(i);
  Main.SelectedObject = i;
  SetMassesSer0();
  Text4.setText(Str(Main.Mass[i] / Main.Mass[0]));
  Text5.setText(Str(Main.Mass[0] / Main.Mass[0]));
  if (i == kM1) Text5.setText(Str(Main.Mass[kEarthMassSlot] / Main.Mass[0]));
  Main.JD = kSer0Date;
  SetElementsSer0();
  Main.AlfaL[i] = oneTurn(Main.AlfaL[i]);
  Main.AlfaP[i] = oneTurn(Main.AlfaP[i]);
  Main.AlfaU[i] = oneTurn(Main.AlfaU[i]);
  Text1.setText(Str(Main.kUgol * Main.AlfaL[i]));
  Text7.setText(sixDecimals(Main.Eks[i]));
  Text8.setText(Str(Main.kUgol * Main.AlfaP[i]));
  Text9.setText(Str(Main.kUgol * Main.AlfaU[i]));
  Text10.setText(Str(Fix(Main.Rsr[i]) / Main.MK));
  Text37.setText(Str(truncateDecimals(Main.Betta[i] * Main.kUgol, 6)));
}

// m1's elements and the two masses (solar masses in MassRatio) from the
// boxes.
void Form25::takeElementsFromScreen() {
  Main.AlfaL[kM1] = CDbl(Text1.Text()) / Main.kUgol;
  Main.AlfaP[kM1] = CDbl(Text8.Text()) / Main.kUgol;
  Main.Eks[kM1] = CDbl(Text7.Text());
  Main.Rsr[kM1] = CDbl(Text10.Text()) * Main.MK;
  Main.Betta[kM1] = CDbl(Text37.Text()) / Main.kUgol;
  Main.AlfaU[kM1] = CDbl(Text9.Text()) / Main.kUgol;
  Main.MassRatio[kM1] = CDbl(Text4.Text());
  Main.MassRatio[kEarthMassSlot] = CDbl(Text5.Text());
  Main.Mass[0] = kSunMass;
  Main.Mass[kM1] = Main.MassRatio[kM1] * Main.Mass[0];
  Main.Mass[kEarthMassSlot] = Main.MassRatio[kEarthMassSlot] * Main.Mass[0];
}

// Positions and velocities of both bodies, the saved start state, the
// copies into object 1 and the centre of mass.
void Form25::placePairAndSaveStart() {
  const int i = Main.CurrentObject;
  PositionFromElements();
  Main.X[kM2] = Main.Y[kM2] = Main.Z[kM2] = 0;
  if (i == kM1) {
    const double ratio = Main.Mass[kM1] / Main.Mass[kEarthMassSlot];
    Main.X[kM2] = -Main.X[kM1] * ratio;
    Main.Y[kM2] = -Main.Y[kM1] * ratio;
    Main.Z[kM2] = -Main.Z[kM1] * ratio;
  }
  Main.kodMoon = i == kM1 ? 1 : 0;
  Main.kodBary = i == kM1 ? 2 : 0;
  VelocityFromElements();
  const double momentumRatio = Main.Mass[i] / Main.Mass[Main.SecondObject];
  Main.VX[kM2] = -Main.VX[i] * momentumRatio;
  Main.VY[kM2] = -Main.VY[i] * momentumRatio;
  Main.VZ[kM2] = -Main.VZ[i] * momentumRatio;

  const double direction = Timing.timeDirection;
  const BodyState second = currentState(kM2), first = currentState(i);
  setStartState(kM2, {second.position, direction * second.velocity});
  setStartState(kM1, {first.position, direction * first.velocity});

  const double s = Main.ImageScale;
  drawBodyMarks(Main.X[kM2] / s, Main.Y[kM2] / s, Main.X[i] / s, Main.Y[i] / s, blue(), green());

  Main.X[1] = Main.X0[kM1];
  Main.Y[1] = Main.Y0[kM1];
  Main.Z[1] = Main.Z0[kM1];
  Main.VX[1] = Main.VX0[kM1];
  Main.VY[1] = Main.VY0[kM1];
  Main.VZ[1] = Main.VZ0[kM1];
  Main.MassRatio[0] = Main.Mass[0] / Main.Mass[kEarthMassSlot];
  Main.MassRatio[1] = Main.Mass[0] / Main.Mass[kM1];
  Main.AlfaL[1] = Main.AlfaL[kM1];
  Main.AlfaP[1] = Main.AlfaP[kM1];
  Main.Eks[1] = Main.Eks[kM1];
  Main.Rsr[1] = Main.Rsr[kM1];
  Main.Betta[1] = Main.Betta[kM1];
  Main.AlfaU[1] = Main.AlfaU[kM1];
  Main.Wsr[1] = 10;

  const double m1 = Main.Mass[i];
  const double m2 = Main.Mass[Main.SecondObject];
  Main.Xsled[kCentreOfMass] = (Main.X[i] * m1 + m2 * Main.X[kM2]) / (m1 + m2);
  Main.Ysled[kCentreOfMass] = (Main.Y[i] * m1 + m2 * Main.Y[kM2]) / (m1 + m2);
  Main.Zsled[kCentreOfMass] = (Main.Z[i] * m1 + m2 * Main.Z[kM2]) / (m1 + m2);
  drawCross(Main.Xsled[kCentreOfMass] / s, Main.Ysled[kCentreOfMass] / s, 1, red());
}

// The start state printed on the orbit picture.
void Form25::printStartState() {
  const int i = Main.CurrentObject;
  const double mk = Main.MK;
  printAt(Picture1, -9, 9.8,
          "X1  Y1  Z1 (тыс.км)=  " +
              coordinatesLine(Main.X[i], Main.Y[i], Main.Z[i], mk, "000000.00"));
  printAt(Picture1, -9, 9,
          "X2  Y2  Z2 (тыс.км)=  " +
              coordinatesLine(Main.X[kM2], Main.Y[kM2], Main.Z[kM2], mk, "000000.00"));
  printAt(Picture1, -10, -8.5,
          "VX1 VY1 VZ1 (м/с)=  " +
              coordinatesLine(Main.VX0[kM1], Main.VY0[kM1], Main.VZ0[kM1], 1, "0000.0000"));
  printAt(Picture1, -10, -9.2,
          "VX2 VY2 VZ2 (м/с)=  " +
              coordinatesLine(Main.VX0[kM2], Main.VY0[kM2], Main.VZ0[kM2], 1, "0000.0000"));
  const double m1 = Main.Mass[Main.SelectedObject];
  const double m2 = Main.Mass[Main.SecondObject];
  printAt(Picture1, -9, 8,
          "m1=  " + Str(Fix(mk * m1) / mk) + "  m2 = " + Str(Fix(mk * m2) / mk));
  Main.TestReference = m2 * m2 * m2 / ((m1 + m2) * (m1 + m2));
  printAt(Picture1, -9, 7.2,
          "эффективная масса =  " + Str(Fix(Main.TestReference * 1000 / Main.Mass[0]) / 1000) +
              " * Msol");
}

// Command4_Click "Очистить рисунки".
void Form25::Command4_Click() {
  drawOrbitGrid();
  DrawGraphFrame();
}

// Command5_Click "Дополнительные  параметры": the options window, modeless.
void Form25::Command5_Click() { form26().Show(); }

// Command9_Click "Закрыть форму"; the options window stays if it is open.
void Form25::Command9_Click() { Unload(); }
