// Steering a run and leaving the window: stop, continue (in the direction of
// time chosen now), one pass of NC0 steps, the navigation buttons, closing
// the window and leaving the program. A run that is going on runs these
// handlers nested inside its event pump.
#include "core/de405/DE405.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "model/Form23.h"
#include "statistics/Form15.h"
#include "statistics/Form6.h"
#include "model/Form7.h"

// Command4_Click "Остановить": the run ends at its next output pass, and a
// running plan with it (its current experiment becomes its last).
void Form2::Command4_Click() {
  Main.StopFlag = 1;
  Main.PlanNumber = 0;
  Stat.RunIndex = Stat.RunCount;
}

// Command5_Click "Продолжить": the run goes on from where it stopped; when
// "Вперед"/"Назад" now differs from the direction of the run, the
// velocities and M0sys change sign first.
void Form2::Command5_Click() {
  Main.StopFlag = 0;
  Main.StepCounter = 0;
  run_.chooseTimeDirection(Option2.Value() ? -1 : 1);
  run_.RunExperiment(*this);
}

// Command2_Click "NC0 шагов": exactly NC0 steps and one output pass. A box
// that holds no whole number is refused before the run moves.
void Form2::Command2_Click() {
  int16_t passes = 0;
  if (!withErrorTrap("Задайте правильно данные", "Celvan7", [&] { passes = CInt(Text37.Text()); })) return;
  Main.StopFlag = 1;
  Main.StepCounter = 0;
  Main.NC0 = passes;
  run_.RunExperiment(*this);
}

// Command9_Click "Дополнительные параметры": the options window of the
// gravitational interaction, loaded first when it is not loaded.
void Form2::Command9_Click() { form23().Show(); }

// Command7_Click "Тест гравитации*", Command3_Click "К статистике",
// Command10_Click "К плану": the DE405 file is closed and the window of each
// is shown. A run going on stays suspended.
void Form2::Command7_Click() {
  closeDE405File();
  form7().Show();
}
void Form2::Command3_Click() {
  closeDE405File();
  form6().Show();
}
void Form2::Command10_Click() {
  closeDE405File();
  form15().Show();
}

// Command8_Click "Закрыть форму": this window only.
void Form2::Command8_Click() {
  closeDE405File();
  Unload();
}
void Form2::closeByTitleBar() { Command8_Click(); }

// Command6_Click "Выход": this window first, then every other in number
// order; the program ends with the last window.
void Form2::Command6_Click() {
  closeDE405File();
  Unload();
  ui::unloadAllForms();
}
