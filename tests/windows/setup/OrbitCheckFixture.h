#pragma once
// What the tests of Form1's orbit check share: the program started, a
// check started from the controls and driven pass by pass, and the two-body
// laws the measured orbit is held against.
#include <QTimer>

#include <cmath>
#include <string>

#include "core/state/SharedState.h"
#include "tests/windows/setup/Form1Fixture.h"

class OrbitCheckTest : public Form1Test {
 protected:
  // The check of `body` started by "Проверить параметры ..." with the given
  // base step (s) and steps per pass; "Остановить" is pressed at the first
  // pass end, so the start returns after two passes.
  void startCheck(Form1& form, int body, const std::string& step,
                  const std::string& stepsPerPass) {
    if (!form.Option1[body].Value()) click(form.Option1[body]);
    type(form.Text30, step);
    type(form.Text29, stepsPerPass);
    pressAtNextPass(form.Command5);
    click(form.Command13);
  }

  // A button pressed by the user while the check lets events run (the press
  // is dropped if the button goes before events run).
  static void pressAtNextPass(ui::CommandButton& button) {
    QTimer::singleShot(0, button.widget(), [&button] { ui::clickAsUser(button); });
  }

  // "сделать NC0 шагов" until `count` more perihelion passages have been
  // measured; fails when they do not come within maxPasses.
  void runRevolutions(Form1& form, int count, int maxPasses = 2000) {
    int passes = 0;
    while (count > 0 && passes++ < maxPasses) {
      const double lastPassage = Main.PrevRevolutionTime;
      click(form.Command7);
      if (Main.PrevRevolutionTime != lastPassage) --count;
    }
    ASSERT_EQ(count, 0) << "no perihelion passage within " << maxPasses << " passes";
  }

  // "сделать NC0 шагов" until the model time has grown by `seconds`.
  static void runFor(Form1& form, double seconds) {
    const double end = Main.ModelTime + seconds;
    while (Main.ModelTime < end) click(form.Command7);
  }
};

// The relative orbit of a pair under a central attraction mu (m³/s²): the
// semi-major axis from the vis-viva law, the eccentricity from the
// Laplace-Runge-Lenz vector, the period from Kepler's third law.
struct RelativeOrbit {
  double a, e, period;  // m, -, s
};

inline RelativeOrbit relativeOrbit(const double r[3], const double v[3], double mu) {
  const double rr = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  const double vv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const double rv = r[0] * v[0] + r[1] * v[1] + r[2] * v[2];
  const double a = 1 / (2 / rr - vv / mu);
  double e2 = 0;
  for (int k = 0; k < 3; ++k) {
    const double ek = ((vv - mu / rr) * r[k] - rv * v[k]) / mu;
    e2 += ek * ek;
  }
  const double pi = std::acos(-1.0);
  return {a, std::sqrt(e2), 2 * pi * std::sqrt(a * a * a / mu)};
}

// The start orbit of object `body` about object `centre` from the start
// tables.
inline RelativeOrbit startOrbit(int body, int centre, double mu) {
  const double r[3] = {Main.X0[body] - Main.X0[centre], Main.Y0[body] - Main.Y0[centre],
                       Main.Z0[body] - Main.Z0[centre]};
  const double v[3] = {Main.VX0[body] - Main.VX0[centre], Main.VY0[body] - Main.VY0[centre],
                       Main.VZ0[body] - Main.VZ0[centre]};
  return relativeOrbit(r, v, mu);
}
