// The centre-of-mass tools of Form1: where the centre of mass of the bodies
// taking part lies, the initial data moved so that it lies at the origin,
// and the Sun's velocity that makes the total momentum zero. They act on
// the start tables X0..VZ0; the three accumulators ModelTime, StageTime and
// ElapsedTime hold the sums afterwards.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

constexpr const char* kError = "Ошибка";
constexpr int kCentreOfMassSlot = 14;

int32_t markerColour() { return RGB(0, 0, 250); }

void clearAccumulators() {
  Main.ModelTime = 0;
  Main.StageTime = 0;
  Main.ElapsedTime = 0;
}

}  // namespace

// findCentreOfMass: the centre of mass of the bodies ticked in Check2.
// Reads:    ObjectIncluded, Mass, X0, Y0, Z0 of objects 0..LastObjectIndex
// Writes:   SystemMass (kg); ModelTime, StageTime, ElapsedTime = the sums of
//           m·X0, m·Y0, m·Z0 (kg m); X, Y, Z(14) = the centre (m);
//           CurrentObject (the loop counter)
// Notes:    No body ticked (SystemMass 0): a division by zero for the
//           caller's trap, before X, Y, Z(14) change.
void Form1::findCentreOfMass() {
  clearAccumulators();
  Main.SystemMass = 0;
  for (Main.CurrentObject = 0; Main.CurrentObject <= Main.LastObjectIndex; ++Main.CurrentObject) {
    const int i = Main.CurrentObject;
    const double mass = Main.ObjectIncluded[i] * Main.Mass[i];
    Main.SystemMass += mass;
    Main.ModelTime += mass * Main.X0[i];
    Main.StageTime += mass * Main.Y0[i];
    Main.ElapsedTime += mass * Main.Z0[i];
  }
  if (Main.SystemMass == 0) throw RuntimeError(ErrorCode::DivisionByZero, "no body takes part");
  Main.X[kCentreOfMassSlot] = Main.ModelTime / Main.SystemMass;
  Main.Y[kCentreOfMassSlot] = Main.StageTime / Main.SystemMass;
  Main.Z[kCentreOfMassSlot] = Main.ElapsedTime / Main.SystemMass;
}

// showCentreOfMass: the cross at the centre (when "ЦМ системы" is ticked),
// drawn over the picture as it stands, and X, Y, Z(14) in Text17..Text19,
// thousands of km from metres cut toward zero.
void Form1::showCentreOfMass() {
  const double x = Main.X[kCentreOfMassSlot];
  const double y = Main.Y[kCentreOfMassSlot];
  const double z = Main.Z[kCentreOfMassSlot];
  if (Check7.Value() == 1) drawCentreOfMassCross(x, y, markerColour());
  Text17.setText(Str(Fix(x) / Main.MK));
  Text18.setText(Str(Fix(y) / Main.MK));
  Text19.setText(Str(Fix(z) / Main.MK));
}

// Command15_Click "Найти координаты ЦМ системы".
void Form1::Command15_Click() {
  withErrorTrap(kError, form1text::kTitle7m, [&] {
    findCentreOfMass();
    showCentreOfMass();
  });
}

// Command2_Click "ЦМ системы в начало координат": every object
// 0..LastObjectIndex, ticked or not, moved by minus the centre of mass of
// the ticked ones; the current positions follow the start positions, the
// velocities stay. The grid then shows the initial data.
void Form1::Command2_Click() {
  withErrorTrap(kError, form1text::kTitle7m, [&] {
    findCentreOfMass();
    const double x = Main.X[kCentreOfMassSlot];
    const double y = Main.Y[kCentreOfMassSlot];
    const double z = Main.Z[kCentreOfMassSlot];
    for (int i = 0; i <= Main.LastObjectIndex; ++i) {
      Main.X[i] = Main.X0[i] = Main.X0[i] - x;
      Main.Y[i] = Main.Y0[i] = Main.Y0[i] - y;
      Main.Z[i] = Main.Z0[i] = Main.Z0[i] - z;
    }
    Main.X[kCentreOfMassSlot] = 0;
    Main.Y[kCentreOfMassSlot] = 0;
    Main.Z[kCentreOfMassSlot] = 0;
    Option3.setValue(true);  // runs Option3_Click: the grid shows the moved data
    showCentreOfMass();
  });
}

// Command16_Click "Найти по Vpl скорость Солнца Vsol": the Sun's start
// velocity (whether it is ticked or not) that balances the momentum of the
// ticked objects 1..LastObjectIndex; the grid then shows the initial data.
// Notes:    A Sun of mass 0 is a division by zero for the trap, before its
//           velocity changes.
void Form1::Command16_Click() {
  withErrorTrap(kError, form1text::kTitle7m, [&] {
    clearAccumulators();
    for (Main.CurrentObject = 1; Main.CurrentObject <= Main.LastObjectIndex; ++Main.CurrentObject) {
      const int i = Main.CurrentObject;
      const double mass = Main.ObjectIncluded[i] * Main.Mass[i];
      Main.ModelTime += mass * Main.VX0[i];
      Main.StageTime += mass * Main.VY0[i];
      Main.ElapsedTime += mass * Main.VZ0[i];
    }
    if (Main.Mass[0] == 0) throw RuntimeError(ErrorCode::DivisionByZero, "the Sun has no mass");
    Main.VX[0] = Main.VX0[0] = -Main.ModelTime / Main.Mass[0];
    Main.VY[0] = Main.VY0[0] = -Main.StageTime / Main.Mass[0];
    Main.VZ[0] = Main.VZ0[0] = -Main.ElapsedTime / Main.Mass[0];
    Option3.setValue(true);  // runs Option3_Click
  });
}
