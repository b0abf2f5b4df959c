// Command1_Click "Задать положение 2-х планет": the tested pair, the scales,
// the placement of the pair (on the circles of their mean distances at the
// typed longitudes, or from the snapshot of the model window's last run),
// and the starting geometry: distance, delay R / Vgr and Newton force, shown
// in the boxes and drawn as arrows.
#include <algorithm>
#include <string>
#include <utility>

#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form7.h"
#include "model/Form7HistoryTrace.h"
#include "model/Form7Physics.h"
#include "model/Form7Texts.h"

namespace {

constexpr double kHistoryMarkRadius = 0.1;

}  // namespace

void Form7::Command1_Click() {
  if (!chooseTestedPair()) {
    MsgBox(form7text::kTwoObjects, form7text::kTitle);
    return;
  }
  withErrorTrap(form7text::kBadData, form7text::kTitle, [this] {
    readScales();
    printHistoryLength();
    if (Check2.Value() == 1) takeModelSnapshot();
    else placeTypedPair();
    DrawPair();
    showBodies();
    showStartingPair();
    drawStartingArrows();
  });
}

// Exactly two ticked objects become N1 < N2; anything else changes nothing.
bool Form7::chooseTestedPair() {
  int ticked[2] = {-1, -1};
  int count = 0;
  for (int object = Check1.LBound(); object <= Check1.UBound(); ++object) {
    if (Check1[object].Value() != 1) continue;
    if (count == 2) return false;
    ticked[count++] = object;
  }
  if (count < 2) return false;
  Main.N1 = ticked[0];
  Main.N2 = ticked[1];
  return true;
}

// MF from "MF, 10^12 Н/см", MV (kept in MT) from "MV, (км/с)/см"; a new test
// starts its count of iterations.
void Form7::readScales() {
  Main.MF = CDbl(Text23.Text()) * 1e12;
  Main.MT = CDbl(Text46.Text()) * 1000;
  Main.StageCounter = 0;
}

// The model's position history: its length, its spacing and the age of its
// newest record.
void Form7::printHistoryLength() {
  const std::pair<double, std::string> lines[3] = {{10, "kmax= " + Str(Main.HistoryPoints)},
                                                   {9.2, "P00= " + Str(Main.P00)},
                                                   {8.4, "Tr= " + Str(bench::newestRecordAge())}};
  for (const auto& [y, text] : lines) PictureLines.print(-2, y, text);
}

// "+  координаты и скорости с формы 2": the model's speed of gravity and law
// coefficients into the boxes, every object's position, velocity and
// acceleration from the snapshot of the model's last evaluation, and the
// heliocentric longitudes (degrees) of the pair into "Alfa1", "Alfa2".
void Form7::takeModelSnapshot() {
  Text6.setText(Str(Main.Vgr / Main.Vsv));
  Text40.setText(Str(Main.kPgr1));
  Text62.setText(Str(Main.kPgr2));
  for (int i = 0; i <= 10; ++i) {
    Main.X[i] = Main.DE405SumX[i];
    Main.Y[i] = Main.DE405SumY[i];
    Main.Z[i] = Main.DE405SumZ[i];
    Main.VX[i] = Main.DE405SumVX[i];
    Main.VY[i] = Main.DE405SumVY[i];
    Main.VZ[i] = Main.DE405SumVZ[i];
    Main.AccelerationX[i] = Main.DE405SumX[i + 11];
    Main.AccelerationY[i] = Main.DE405SumY[i + 11];
    Main.AccelerationZ[i] = Main.DE405SumZ[i + 11];
  }
  const int16_t n1 = static_cast<int16_t>(Main.N1), n2 = static_cast<int16_t>(Main.N2);
  Main.RelativeLongitude[n1] = 0;
  if (n1 > 0) RelativeEclipticPosition(0, n1);
  RelativeEclipticPosition(0, n2);
  Text1.setText(Str(Main.RelativeLongitude[n1]));
  Text2.setText(Str(Main.RelativeLongitude[n2]));
}

// The typed test: the speed of gravity, the law coefficients and the
// longitudes (degrees typed, radians kept) from the boxes; the Sun at the
// origin at rest, each planet of the pair on its mean circle; with "+" the
// system velocity added to both bodies. These stay in the shared state for
// the model window as well.
void Form7::placeTypedPair() {
  const int n1 = Main.N1, n2 = Main.N2;
  Main.Vgr = CDbl(Text6.Text()) * Main.Vsv;
  Main.kPgr1 = CDbl(Text40.Text());
  Main.kPgr2 = CDbl(Text62.Text());
  Main.RelativeLongitude[n1] = CDbl(Text1.Text()) / Main.kUgol;
  Main.RelativeLongitude[n2] = CDbl(Text2.Text()) / Main.kUgol;
  bench::placeSunAtRest();
  for (const int body : {n1, n2})
    if (body >= 1) bench::placeOnMeanCircle(body, Main.RelativeLongitude[body]);
  if (Check3.Value() != 1) return;
  Main.VXsys = CDbl(Text3.Text());
  Main.VYsys = CDbl(Text4.Text());
  Main.VZsys = CDbl(Text5.Text());
  bench::addSystemVelocity(n1);
  bench::addSystemVelocity(n2);
}

// Positions in thousands of km (cut to whole metres), velocities in m/s.
void Form7::showBodies() {
  const int n1 = Main.N1, n2 = Main.N2;
  showThousandsOfKm(Text11, Text13, Text15, Main.X[n1], Main.Y[n1], Main.Z[n1]);
  showThousandsOfKm(Text12, Text14, Text16, Main.X[n2], Main.Y[n2], Main.Z[n2]);
  Text17.setText(Str(Main.VX[n1]));
  Text19.setText(Str(Main.VY[n1]));
  Text21.setText(Str(Main.VZ[n1]));
  Text18.setText(Str(Main.VX[n2]));
  Text20.setText(Str(Main.VY[n2]));
  Text22.setText(Str(Main.VZ[n2]));
}

void Form7::showThousandsOfKm(ui::TextBox& x, ui::TextBox& y, ui::TextBox& z, double xm, double ym, double zm) {
  x.setText(Str(Fix(xm) / Main.MK));
  y.setText(Str(Fix(ym) / Main.MK));
  z.setText(Str(Fix(zm) / Main.MK));
}

// "L12=L21=" (thousands of km), "T12=T21=" (s), "F12=F21" (N).
void Form7::showStartingPair() {
  const int n1 = Main.N1, n2 = Main.N2;
  bench::measureStartingPair(n1, n2);
  Text7.setText(Str(Main.PairDistance(n1, n2) / Main.MK));
  Text8.setText(Str(Main.PropagationTime(n1, n2)));
  Text9.setText(Str(Main.Force(n1, n2)));
}

// The force on each body toward the other, in the colour of the other, and
// each body's velocity, in its own colour; with stored traces (kodDX = 3)
// also marks on the recorded positions of both bodies.
void Form7::drawStartingArrows() {
  const int n1 = Main.N1, n2 = Main.N2;
  for (const bool side : {false, true}) {
    if (side ? !Option2.Value() : !Option1.Value()) continue;
    const auto& second = side ? Main.Z : Main.Y;
    const auto& secondVelocity = side ? Main.VZ : Main.VY;
    const double dx = Sgn(Main.PairDX(n1, n2)) * Main.ForceX(n1, n2) / Main.MF;
    const double dy = side ? Sgn(Main.PairDZ(n1, n2)) * Main.ForceZ(n1, n2) / Main.MF
                           : Sgn(Main.PairDY(n1, n2)) * Main.ForceY(n1, n2) / Main.MF;
    const double x1 = pictureX(Main.X[n1]), y1 = pictureX(second[n1]);
    const double x2 = pictureX(Main.X[n2]), y2 = pictureX(second[n2]);
    Picture1.Line(x1, y1, x1 + dx, y1 + dy, colourOf(n2));
    Picture1.Line(x2, y2, x2 - dx, y2 - dy, colourOf(n1));
    for (const int body : {n1, n2}) {
      const double x = pictureX(Main.X[body]), y = pictureX(second[body]);
      Picture1.Line(x, y, x + Main.VX[body] / Main.MT, y + secondVelocity[body] / Main.MT, colourOf(body));
    }
    if (Main.kodDX == 3) {
      markHistory(n1, side);
      markHistory(n2, side);
    }
  }
}

// Small circles on every s-th recorded position of the body, s a tenth of
// the history (every record of a history of five records or fewer). Nothing
// is marked when no history has been recorded.
void Form7::markHistory(int body, bool side) {
  if (!bench::historyRecorded()) return;
  const int last = Main.HistoryPoints;
  const int stride = std::max<int>(1, CInt(last / 10.0));
  const auto& second = side ? Main.HistorySnapshotZ : Main.HistorySnapshotY;
  for (int j = 0; j <= last; j += stride)
    Picture1.Circle(pictureX(Main.HistorySnapshotX(body, j)), pictureX(second(body, j)), kHistoryMarkRadius,
                    colourOf(body));
}
