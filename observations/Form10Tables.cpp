// The observed place from an ancient table for the date of a "Tab" epoch.
#include "core/runtime/MessageBox.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"

// ComputeTablePosition: no table can be evaluated from this window yet; the
// run is told so and stops after the pass.
void Form10::ComputeTablePosition() {
  MsgBox("Ошибка вычислений в таблицах" + Main.TheoryName, "Celvan7.0");
  Main.StopFlag = 1;
}
