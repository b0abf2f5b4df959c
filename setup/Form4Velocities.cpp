// Form4's handlers: the grid of the vector picture, the decomposition and
// sum of the ticked velocities, and the system velocity of the model.
#include <cmath>
#include <string>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "setup/Form4.h"

namespace {

constexpr const char* kBadData = "Введите правильно данные";
constexpr const char* kTitle = "Celvan7";

// Metres per second in a km/s.
using astro::kMetresPerKilometre;

// Velocity components, km/s.
struct Velocity {
  double x, y, z;
};

// A speed along the direction of longitude alfa and latitude betta
// (radians), as components on the axes.
Velocity decompose(double speed, double alfa, double betta) {
  const double inPlane = speed * std::cos(betta);
  return {inPlane * std::cos(alfa), inPlane * std::sin(alfa), speed * std::sin(betta)};
}

// The reference velocity of the Solar System that the window shows for
// comparison: 370 km/s towards Alfa = 171, Betta = -11.4 degrees.
constexpr double kReferenceSpeed = 370.0;
constexpr double kReferenceAlfa = 171.0;
constexpr double kReferenceBetta = -11.4;

}  // namespace

// Form_Load: the system velocity in force, and the picture's user scale.
void Form4::Form_Load() {
  Text1.setText(Str(Main.VXsys));
  Text2.setText(Str(Main.VYsys));
  Text3.setText(Str(Main.VZsys));
  Picture1.Scale(-10, 10, 10, -10);
}

void Form4::Form_Activate() { DrawVelocityGrid(); }

void Form4::Command4_Click() { DrawVelocityGrid(); }

// DrawVelocityGrid: a unit grid over the whole picture, then the axes of the
// two diagrams (the lines y = 5 and y = -5) and the line x = 0.
void Form4::DrawVelocityGrid() {
  Picture1.Cls();
  const int32_t grid = RGB(200, 200, 200);
  for (int i = -10; i <= 10; ++i) {
    Picture1.Line(-10, i, 10, i, grid);
    Picture1.Line(i, -10, i, 10, grid);
  }
  const int32_t axes = RGB(160, 160, 160);
  Picture1.Line(-10, 5, 10, 5, axes);
  Picture1.Line(-10, -5, 10, -5, axes);
  Picture1.Line(0, 10, 0, -10, axes);
}

// Command2_Click "Разложить по осям отмеченные скорости и просуммировать":
// each ticked velocity decomposed on the axes, shown and drawn in its
// colour, then the sum in black and the reference velocity in grey, each as
// a vector in the plane XY (about (0, -5)) and in the plane XZ (about
// (0, 5)) at Text37 km/s per picture unit. The picture is not cleared.
// Reads:    the rows, Text37; Main.kUgol
// Writes:   Main.VXsum, VYsum, VZsum; the rows' components, Text34..Text36
// Notes:    A box that is no number or a scale of 0: "Введите правильно
//           данные" (title "Celvan7"); what was shown or drawn before stays.
//           The window keeps its intermediate values to itself: a loop that
//           is running and the bodies' velocities are not touched.
void Form4::Command2_Click() {
  withErrorTrap(kBadData, kTitle, [&] {
    const double scale = CDbl(Text37.Text());
    const auto drawVector = [&](const Velocity& v, int32_t colour) {
      Picture1.Line(0, -5, v.x / scale, v.y / scale - 5, colour);
      Picture1.Line(0, 5, v.x / scale, v.z / scale + 5, colour);
    };
    Main.VXsum = 0;
    Main.VYsum = 0;
    Main.VZsum = 0;
    for (const VelocityRow& row : velocityRows()) {
      if (row.ticked.Value() != 1) continue;
      const double speed = CDbl(row.speed.Text());
      const double alfa = CDbl(row.alfa.Text()) / Main.kUgol;
      const double betta = CDbl(row.betta.Text()) / Main.kUgol;
      const double sign = row.minus.Value() ? -1.0 : 1.0;
      const Velocity v = decompose(sign * speed, alfa, betta);
      Main.VXsum += v.x;
      Main.VYsum += v.y;
      Main.VZsum += v.z;
      row.vx.setText(Str(v.x));
      row.vy.setText(Str(v.y));
      row.vz.setText(Str(v.z));
      drawVector(v, row.colour);
    }
    Text34.setText(Str(Main.VXsum));
    Text35.setText(Str(Main.VYsum));
    Text36.setText(Str(Main.VZsum));
    drawVector({Main.VXsum, Main.VYsum, Main.VZsum}, RGB(0, 0, 0));

    const Velocity reference =
        decompose(kReferenceSpeed, kReferenceAlfa / Main.kUgol, kReferenceBetta / Main.kUgol);
    drawVector(reference, RGB(200, 200, 200));
    Picture1.setCurrentX(-9.6);
    Picture1.setCurrentY(-8.2);
    Picture1.Print("справочно   Vsol=370      Alfa=171      Betta=-11,4   (серые линии)\r\n");
    Picture1.setCurrentX(-9.6);
    Picture1.setCurrentY(-9.2);
    Picture1.Print("VX = " + Str(truncateDecimals(reference.x, 3)) +
                   "      VY = " + Str(truncateDecimals(reference.y, 3)) +
                   "      VZ = " + Str(truncateDecimals(reference.z, 3)));
  });
}

// Command1_Click "Задать скорость системе": the system velocity of Text1 to
// Text3 (km/s), and the current state of every body the saved start state
// with that velocity added; the start-up window then shows the initial data.
// Reads:    Text1..Text3; Main.X0..VZ0, Main.LastObjectIndex
// Writes:   Main.VXsys, VYsys, VZsys; Main.X, Y, Z, VX, VY, VZ of objects
//           0..LastObjectIndex (m, m/s); Form1's Option3 and Text28
// Notes:    The start state stays as it was, so a second press replaces the
//           system velocity instead of adding to it. A box that is no
//           number: "Введите правильно данные" (title "Celvan7"), with the
//           components read before it already set.
void Form4::Command1_Click() {
  withErrorTrap(kBadData, kTitle, [&] {
    Main.VXsys = CDbl(Text1.Text());
    Main.VYsys = CDbl(Text2.Text());
    Main.VZsys = CDbl(Text3.Text());
    const Vector3 systemVelocity = kMetresPerKilometre * Vector3{Main.VXsys, Main.VYsys, Main.VZsys};
    for (int i = 0; i <= Main.LastObjectIndex; ++i) {
      const BodyState start = startState(i);
      setCurrentState(i, {start.position, systemVelocity + start.velocity});
    }
    // The start-up window's grid shows the initial data: choosing the
    // option runs its Click, and writing the trigger box runs its Change.
    form1().Option3.setValue(true);
    form1().Text28.setText(TimeText());
  });
}

// Command3_Click "Закрыть форму".
void Form4::Command3_Click() { Unload(); }
