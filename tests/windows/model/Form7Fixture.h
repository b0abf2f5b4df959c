#pragma once
// What the tests of the test bench Form7 share: the program started as a
// user sees it (Form1 shown), the model window opened from it and the bench
// opened by the model window's "Тест гравитации*"; a message-box recorder;
// readers of the boxes and of the picture; and the laws the bench is tested
// against (Newton's law, the retarded time of a source in uniform motion).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "model/Form7.h"
#include "model/Form7Texts.h"
#include "setup/Form1.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

namespace bench_test {

using Vector = std::array<double, 3>;

inline Vector minus(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline double dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
inline double length(const Vector& a) { return std::sqrt(dot(a, a)); }
inline Vector cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline Vector position(int body) { return {Main.X[body], Main.Y[body], Main.Z[body]}; }
inline Vector velocity(int body) { return {Main.VX[body], Main.VY[body], Main.VZ[body]}; }
inline Vector trace(int body) { return {Main.Xsled[body], Main.Ysled[body], Main.Zsled[body]}; }
inline Vector forceOn(int source, int target) {
  return {Main.ForceX(source, target), Main.ForceY(source, target), Main.ForceZ(source, target)};
}

// The retarded time T of a source moving uniformly with velocity v, seen
// from a point at d from the source's present position: the positive root
// of |d + v·T| = c·T, i.e. (c² − v²) T² − 2 (d·v) T − d² = 0.
// Reference: Jackson, Classical Electrodynamics, 3rd ed., § 14.1.
inline double retardedTime(const Vector& d, const Vector& v, double c) {
  const double a = c * c - dot(v, v);
  const double dv = dot(d, v);
  return (dv + std::sqrt(dv * dv + a * dot(d, d))) / a;
}

// The gravitational constant of the model (gamma, m³/(kg s²)).
inline double newtonForce(int i, int k, double distance) {
  return Main.gamma * Main.Mass[i] * Main.Mass[k] / (distance * distance);
}

}  // namespace bench_test

class Form7Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat"});
    form1().Show();
  }

  // The bench as a user opens it: "К моделированию", then "Тест гравитации*".
  Form7& openBench() {
    click(form1().Command1);
    Form2& model = form2();
    model.Show();
    click(model.Command7);
    return form7();
  }

  // Ticks exactly the given objects of "Check1".
  static void tickObjects(Form7& form, std::initializer_list<int> objects) {
    for (int object = 0; object <= 9; ++object) form.Check1[object].setValue(0);
    for (const int object : objects) form.Check1[object].setValue(1);
  }

  // Puts a state of the bodies where the model's last evaluation leaves it
  // for the bench (the snapshot of "текст теста").
  static void putInModelSnapshot(int body, const bench_test::Vector& r, const bench_test::Vector& v,
                                 const bench_test::Vector& a = {0, 0, 0}) {
    Main.DE405SumX[body] = r[0];
    Main.DE405SumY[body] = r[1];
    Main.DE405SumZ[body] = r[2];
    Main.DE405SumVX[body] = v[0];
    Main.DE405SumVY[body] = v[1];
    Main.DE405SumVZ[body] = v[2];
    Main.DE405SumX[body + 11] = a[0];
    Main.DE405SumY[body + 11] = a[1];
    Main.DE405SumZ[body + 11] = a[2];
  }

  static void press(Form7& form, int times) {
    for (int n = 0; n < times; ++n) click(form.Command3);
  }

  void expectBadDataMessage() const {
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, form7text::kBadData);
    EXPECT_EQ(boxes.last().title, "Celvan7");
  }

};
