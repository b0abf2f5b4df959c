// The default run of the model window from its start to its end year, as a
// user makes it: the start-up window's initial data (1801), "К моделированию",
// then the model window's defaults (Mercury followed, one-hour steps reduced
// a thousandfold near its passages, an output pass every 1000 steps, the end
// in 2000). Timed two ways, one per call:
//   default_run window     "Начать" in the model window, with its output
//                          passes drawing (offscreen unless a display is set)
//   default_run headless   the same start values run without a window
// Prints the wall and processor time of the run (on a busy machine the
// processor time is the steadier figure), its model time and where it ended.
// Optional second argument: the end year (default the window's, 2000).
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "setup/Form1.h"
#include "tests/science/engine/SolarSystemSetup.h"
#include "ui/Runtime.h"
#include "ui/UserActions.h"

namespace {

double processorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The start values that "Начать" reads from the model window, and the run
// without it.
void runHeadless(Form2& form) {
  Main.SelectedObject = static_cast<int16_t>(CLng(form.Text13.Text()));
  Main.ModelMode = 1;
  Main.ForceModel = 0;
  Main.TimeDirection = 1;
  Main.FiniteVgrFlag = form.Check13.Value() == 1 ? 1 : 0;
  Main.TestMode = 0;
  Main.P00 = CDbl(form.Text38.Text());
  Main.NC0 = static_cast<int16_t>(CInt(form.Text37.Text()));
  Main.StepDivisor = static_cast<int16_t>(CInt(form.Text39.Text()));
  Main.Vgr = CDbl(form.Text35.Text()) * Main.Vsv;
  Main.DistanceExponent = CDbl(form.Text45.Text());
  Main.EndYear = CLng(form.Text40.Text());
  Main.dAlfa = CDbl(form.Text17.Text());
  HeadlessRunWindow window;
  window.controls = form.readControls();
  ModelRun run;
  solar::startRun(run, window);
  Main.BodyNumber = Main.SelectedObject;
  Main.Period = Main.SiderealPeriod[Main.BodyNumber];
  run.RunExperiment(window);
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool headless = argc > 1 && std::strcmp(argv[1], "headless") == 0;
  if (argc < 2 || (!headless && std::strcmp(argv[1], "window") != 0)) {
    std::fprintf(stderr, "usage: default_run window|headless [end year]\n");
    return 2;
  }
  if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::installRuntime(app);
  form1().Show();
  ui::clickAsUser(form1().Command1);
  Form2& form = form2();
  form.Show();
  if (argc > 2) ui::typeAsUser(form.Text40, argv[2]);

  const double processorStart = processorSeconds();
  const auto start = std::chrono::steady_clock::now();
  if (headless) runHeadless(form);
  else ui::clickAsUser(form.Command1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double processor = processorSeconds() - processorStart;

  std::printf("%s run: %.2f s wall, %.2f s processor, model time %.4f years, ended at JD %.4f (%d-%02d-%02d)\n",
              headless ? "headless" : "window", seconds, processor, Main.ModelTime / Main.sekG, Main.JD,
              static_cast<int>(Main.CalendarYear), static_cast<int>(Main.CalendarMonth),
              static_cast<int>(Main.CalendarDay));
  std::printf("Mercury: perihelion %.6f deg, passages %d\n", Main.AlfaPCurrent,
              static_cast<int>(Main.RevolutionCount));
  ui::unloadAllForms();
  return 0;
}
