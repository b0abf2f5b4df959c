// "Рассчитать по параметрам орбит начальные данные": start coordinates and
// velocities of the bodies from their orbital elements, with the Sun at rest
// at the origin, and the split of the Earth-Moon pair when object 10 is the
// Moon.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/state/BodyState.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

// kodBary with "Bary" ticked: the bodies' own orbits about the barycentre.
constexpr int16_t kBarycentricOrbits = 2;

constexpr int kEarth = 3;
constexpr int kSpareBody = 10;
constexpr int kMoonSlot = 11;
constexpr int kEarthOffsetSlot = 13;

void putSunAtRestAtOrigin() {
  setStartState(0, {});
  setCurrentState(0, {});
}

// Moon over Earth alone.
double moonToEarthMassRatio() { return Main.Mass[kMoonSlot] / Main.Mass[kEarthOffsetSlot]; }

double reducedToOneTurn(double angle) {
  return 2 * Main.Pi * FractionPositive(angle / 2 / Main.Pi);
}

}  // namespace

// Command12_Click "Рассчитать по параметрам орбит начальные данные".
// Reads:    Text25 (the Sun's mass for the velocities), Text26 (gamma),
//           Check3, Check4; the elements of objects 1..10; Main.Mass
// Writes:   Main.Mass(0), gamma, kodBary, kodMoon; X0..VZ0 of objects 0..11
//           (13 with the split) and X..VZ of objects 0..10 (relative to each
//           body's centre); the grid and the picture
// Notes:    Any error (a box that is no number, an eccentricity of 1 or
//           more, a zero mass) shows "Задайте правильно данные" (title
//           "Celvan7m"); bodies computed before it keep their new data.
void Form1::Command12_Click() {
  withErrorTrap(form1text::kBadData, form1text::kTitle7m, [&] {
    Main.Mass[0] = CDbl(Text25.Text());
    Main.gamma = CDbl(Text26.Text());
    putSunAtRestAtOrigin();
    Main.kodBary = Check4.Value() == 1 ? kBarycentricOrbits : 0;
    const bool moonIsObject10 = Check3.Value() == 1;
    for (int i = 1; i <= kSpareBody; ++i) {
      Main.CurrentObject = static_cast<int16_t>(i);
      PositionFromElements();
      // The Moon's velocity is taken about the Earth alone.
      Main.kodMoon = i == kSpareBody && moonIsObject10 ? 1 : 0;
      VelocityFromElements();
      throwOnFloatingPointFlags();  // this body is wrong: keep the ones before it
      setStartState(i, currentState(i));
    }
    setStartState(kMoonSlot, currentState(kSpareBody));
    if (Main.kodMoon == 1) {
      if (Main.kodBary == kBarycentricOrbits)
        SplitEarthMoonBary();
      else
        SplitEarthMoon();
      AddEarthMoonBarycentre();
    }
    refreshGrid();
    redrawOrbitPicture();
  });
}

// CopyMoonToObject10: the Moon's angles (object 11) reduced to 0..2pi, then
// its elements, mass and Earth/Moon mass ratio copied into object 10.
void Form1::CopyMoonToObject10() {
  Main.AlfaL[kMoonSlot] = reducedToOneTurn(Main.AlfaL[kMoonSlot]);
  Main.AlfaP[kMoonSlot] = reducedToOneTurn(Main.AlfaP[kMoonSlot]);
  Main.AlfaU[kMoonSlot] = reducedToOneTurn(Main.AlfaU[kMoonSlot]);
  Main.MassRatio[kSpareBody] = Main.MassRatio[kMoonSlot];
  Main.Mass[kSpareBody] = Main.Mass[kMoonSlot];
  Main.AlfaL[kSpareBody] = Main.AlfaL[kMoonSlot];
  Main.AlfaU[kSpareBody] = Main.AlfaU[kMoonSlot];
  Main.AlfaP[kSpareBody] = Main.AlfaP[kMoonSlot];
  Main.Eks[kSpareBody] = Main.Eks[kMoonSlot];
  Main.Rsr[kSpareBody] = Main.Rsr[kMoonSlot];
  Main.Betta[kSpareBody] = Main.Betta[kMoonSlot];
  Main.Wsr[kSpareBody] = Main.Wsr[kMoonSlot];
}

// SplitEarthMoon: without "Bary" the Moon's start data (slot 11) are
// geocentric; they are reduced to the barycentre, position and velocity
// alike, so that the Earth (slot 13, balancing the Moon by mass) and the Moon
// keep their geocentric separation and relative velocity. (Reducing the
// velocity alone would stretch the Earth-Moon distance by the factor 1 + q,
// some 4 700 km, and put the Moon on a wrong orbit.)
void Form1::SplitEarthMoon() {
  const double q = moonToEarthMassRatio();
  BodyState moon = startState(kMoonSlot);
  moon.position = moon.position / (q + 1);
  moon.velocity = moon.velocity / (q + 1);
  setStartState(kMoonSlot, moon);
  setStartState(kEarthOffsetSlot, {-q * moon.position, -q * moon.velocity});
}

// SplitEarthMoonBary: with "Bary" the Moon's start data already describe its
// motion about the barycentre; the Earth's offset balances it by mass.
void Form1::SplitEarthMoonBary() {
  const double q = moonToEarthMassRatio();
  const BodyState moon = startState(kMoonSlot);
  setStartState(kEarthOffsetSlot, {-q * moon.position, -q * moon.velocity});
}

// AddEarthMoonBarycentre: the Moon (object 10) and the Earth (object 3)
// placed about the barycentre that object 3 holds until here. Object 3
// becomes the Earth alone, with its mass and ratio.
void Form1::AddEarthMoonBarycentre() {
  const BodyState barycentre = startState(kEarth);
  setStartState(kSpareBody, startState(kMoonSlot) + barycentre);
  setStartState(kEarth, startState(kEarthOffsetSlot) + barycentre);
  Main.Mass[kEarth] = Main.Mass[kEarthOffsetSlot];
  Main.MassRatio[kEarth] = Main.Mass[0] / Main.Mass[kEarthOffsetSlot];
}
