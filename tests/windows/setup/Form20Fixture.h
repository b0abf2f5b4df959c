#pragma once
// What the tests of the Moon window share: the program started as a user
// sees it (Form1 loaded and shown, which prepares the shared state), the
// Moon window opened, a message-box recorder, and a way to let the orbit
// check run until it has seen a number of perigee passages.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/state/SharedState.h"
#include "setup/Form1.h"
#include "setup/Form20.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

// Published constants the tests check the window against.
namespace reference {
// Gravitational constant of the theories "Ser0 (J2000)" and "JPL0 (J2000)",
// m³/(kg s²).
constexpr double kGamma = 66.7259e-12;
// Mass of the Sun of the "Ser0 (J2000)" table, kg; the Sun over the Earth-Moon
// pair of DE405 (Standish, JPL IOM 312.F-98-048); the Earth over the Moon of
// that table.
constexpr double kSunMass = 1.98976e30;
constexpr double kSunOverEarthMoon = 328900.5614;
constexpr double kEarthOverMoonSer0 = 81.3;
// The Earth over the Moon that the window's box "ml = mz /" starts with.
constexpr double kEarthOverMoonTyped = 81.300585;
// The Earth alone and the Moon of the Moon window's default data, kg.
inline double earthMass() {
  return kSunMass / kSunOverEarthMoon / (1 + 1 / kEarthOverMoonSer0);
}
inline double moonMass() { return earthMass() / kEarthOverMoonTyped; }
// Sidereal month, days (Astronomical Almanac).
constexpr double kSiderealMonth = 27.321662;
constexpr double kSecondsPerDay = 86400;
constexpr double kPi = 3.14159265358979;
}  // namespace reference

class Form20Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat"});
    form1().Show();
  }

  // The Moon window opened over the start-up window.
  static Form20& openMoonWindow() {
    Form20& form = form20();
    form.Show();
    return form;
  }

  // "Проверить параметры орбиты Луны" pressed; at the first pass end at
  // which `done` holds, `atEnd` runs (by default "Остановить" is pressed),
  // as a user watching the window would act. A check that runs on for far
  // longer than any case needs is stopped and the case fails.
  static void runCheckUntil(Form20& form, const std::function<bool()>& done,
                            const std::function<void()>& atEnd = {}) {
    watchCheck(form, done, atEnd, [&] { click(form.Command1); });
  }
  static void continueCheckUntil(Form20& form, const std::function<bool()>& done) {
    watchCheck(form, done, {}, [&] { click(form.Command3); });
  }
  static std::function<bool()> revolutions(int count) {
    return [count] { return Main.RevolutionCount >= count; };
  }

 private:
  static void watchCheck(Form20& form, const std::function<bool()>& done,
                         const std::function<void()>& atEnd, const std::function<void()>& start) {
    constexpr int kMostPasses = 20000;
    int passes = 0;
    bool acted = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      if (++passes > kMostPasses) {
        ADD_FAILURE() << "the check did not end";
        Main.StopFlag = 1;
        return;
      }
      if (acted || !done()) return;
      acted = true;
      if (atEnd)
        atEnd();
      else
        click(form.Command2);
    });
    watcher.start(0);
    start();
    watcher.stop();
  }

};

// The colour of a picture's pixel at user coordinates (x, y) of the Moon
// window's scale (-10, 12)-(10, -10).
inline QColor pixelAt(const ui::PictureBox& picture, double x, double y) {
  const QImage& image = picture.image();
  const int px = static_cast<int>(std::lround((x + 10) / 20 * (image.width() - 1)));
  const int py = static_cast<int>(std::lround((12 - y) / 22 * (image.height() - 1)));
  return image.pixelColor(px, py);
}

// How many pixels inside the user rectangle x0..x1, y0..y1 satisfy `is`.
inline int countPixels(const ui::PictureBox& picture, double x0, double y0, double x1, double y1,
                       const std::function<bool(const QColor&)>& is) {
  const QImage& image = picture.image();
  const auto column = [&](double x) { return static_cast<int>((x + 10) / 20 * image.width()); };
  const auto row = [&](double y) { return static_cast<int>((12 - y) / 22 * image.height()); };
  int count = 0;
  for (int py = row(y1); py <= row(y0); ++py)
    for (int px = column(x0); px <= column(x1); ++px)
      if (px >= 0 && py >= 0 && px < image.width() && py < image.height() &&
          is(image.pixelColor(px, py)))
        ++count;
  return count;
}
