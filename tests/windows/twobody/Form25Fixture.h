#pragma once
// What the tests of the two-body window share: the program started as a
// user sees it (Form1 shown, which prepares the shared state), the two-body
// window opened, a message-box recorder, and a way to let a run go on until
// a condition holds, as a user watching the window would stop it.
#include <gtest/gtest.h>

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
#include "twobody/Form25.h"
#include "twobody/Form26.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/WindowTest.h"

// Published constants the tests check the window against.
namespace reference {
// Gravitational constant of the window's theories, m³/(kg s²).
constexpr double kGamma = 66.7259e-12;
// Mass of the Sun of the Ser0 table, kg.
constexpr double kSunMass = 1.98976e30;
// Speed of light, m/s (exact by definition of the metre).
constexpr double kLightSpeed = 299792458;
constexpr double kSecondsPerDay = 86400;
constexpr double kPi = 3.14159265358979;
}  // namespace reference

class Form25Test : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat"});
    form1().Show();
  }

  static Form25& openTwoBodyWindow() {
    Form25& form = form25();
    form.Show();
    return form;
  }

  // "Проверить параметры орбиты m1" (or "Продолжить") pressed; at the first
  // output at which `done` holds, "Остановить" is pressed. A run that goes
  // on for far longer than any case needs is stopped and the case fails.
  static void runUntil(Form25& form, const std::function<bool()>& done) {
    watchRun(form, done, form.Command1);
  }
  static void continueUntil(Form25& form, const std::function<bool()>& done) {
    watchRun(form, done, form.Command3);
  }

 private:
  static void watchRun(Form25& form, const std::function<bool()>& done, ui::Control& start) {
    constexpr int kMostOutputs = 100000;
    int outputs = 0;
    bool acted = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      if (++outputs > kMostOutputs) {
        ADD_FAILURE() << "the run did not end";
        Main.StopFlag = 1;
        return;
      }
      if (acted || !done()) return;
      acted = true;
      click(form.Command2);
    });
    watcher.start(0);
    click(start);
    watcher.stop();
  }
};
