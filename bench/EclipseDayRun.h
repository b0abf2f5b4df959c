#pragma once
// A run of the eclipse window stopped as a user stops it after a day:
// "Остановить" is pressed as soon as the run has passed a day, looked at
// whenever the run lets events run, which it does at every pass.
#include <QTimer>

#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "ui/UserActions.h"

namespace bench {

// Starts the run by start() (which presses "Начать", timed or not) and gives
// back the days it passed (UT).
template <class Start>
double runForADay(Form16& form, Start&& start) {
  double firstDay = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (firstDay == 0) firstDay = Main.JDut;
    if (Main.JDut - firstDay >= 1.0) ui::clickAsUser(form.Command4);
  });
  watch.start(0);
  start();
  watch.stop();
  return Main.JDut - firstDay;
}

}  // namespace bench
