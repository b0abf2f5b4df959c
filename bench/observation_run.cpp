// Runs of the observation window as a user makes them, in a program folder
// of their own that holds the synthetic observatory file of Mars
// (tests/fixtures/observations):
//   observation_run run    "Начать" over the whole file (146 epochs) with
//                          the window's defaults (JPL0, light time,
//                          aberration, nutation, the pictures drawn)
//   observation_run plan   "Выполнить эксперименты с" 1..25: the
//                          central-composite plan over four factors of the
//                          planet's orbit, each experiment a reduction of the
//                          first 24 epochs of the file
// Prints the wall and processor time (on a busy machine the processor time is
// the steadier figure), per epoch for a run. An optional second argument
// repeats the run that many times and prints the least times.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "bench/WindowRun.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "ui/UserActions.h"

namespace {

constexpr int kMars = 4;
constexpr int kHeaderLines = 5;
constexpr int kPlanEpochs = 24;
constexpr int kPlanExperiments = 25;

// The Mars file in "Obs" of the program folder: whole, or its header and
// first `records` epochs.
void copyMarsFile(const std::filesystem::path& folder, int records) {
  std::ifstream in(bench::fixturesFolder() / "observations" / "GREN4_G_100.txt", std::ios::binary);
  std::ofstream out(folder / "Obs" / "GREN4_G_100.txt", std::ios::binary);
  std::string line;
  for (int n = 0; std::getline(in, line) && (records == 0 || n < kHeaderLines + records); ++n) out << line << '\n';
}

// The window shown with "Obs", Mars, the observatory GREN and the last year
// 2004.
Form10& windowForMars() {
  Form10& form = form10();
  form.Show();
  ui::clickAsUser(form.Option2);
  ui::typeAsUser(form.Text1, std::to_string(kMars));
  ui::clickAsUser(form.Option9[1]);
  ui::typeAsUser(form.Text65, "2004");
  return form;
}

// The plan window's template of Mars at the file's start and the
// central-composite plan over parameters 2, 4, 5 and 7 (25 experiments).
void prepareCompositePlan(Form10& form) {
  ui::clickAsUser(form.Option10);
  Form13& plan = form13();
  ui::clickAsUser(plan.Command1);
  for (int i = 1; i <= 9; ++i) {
    const bool factor = i == 2 || i == 4 || i == 5 || i == 7;
    if ((plan.Check1[i].Value() == 1) != factor) ui::clickAsUser(plan.Check1[i]);
  }
  ui::clickAsUser(plan.Command4);
  ui::typeAsUser(form.Text65, "2004");
  ui::typeAsUser(form.Text26, "1");
  ui::typeAsUser(form.Text27, std::to_string(kPlanExperiments));
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool planMode = argc > 1 && std::strcmp(argv[1], "plan") == 0;
  if (argc < 2 || (!planMode && std::strcmp(argv[1], "run") != 0)) {
    std::fprintf(stderr, "usage: observation_run run|plan [repeats]\n");
    return 2;
  }
  const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  bench::WindowRun bench(argc, argv, {"Obs"});
  fillDesignColumns();  // the plan window builds its default plan at its load
  copyMarsFile(bench.folder(), planMode ? kPlanEpochs : 0);

  int epochs = 0;
  for (int r = 0; r < repeats; ++r) {
    Form10& form = windowForMars();
    if (planMode) prepareCompositePlan(form);
    if (planMode && Stat.RunCount != kPlanExperiments) {
      std::fprintf(stderr, "the plan has %d experiments, not %d\n", static_cast<int>(Stat.RunCount),
                   kPlanExperiments);
      return 1;
    }
    bench.time([&] { ui::clickAsUser(planMode ? form.Command7 : form.Command1); });
    epochs = form.statistics.N;
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
  if (planMode)
    std::printf("plan of %d experiments over %d epochs: %.3f s wall, %.3f s processor\n", kPlanExperiments,
                epochs, bench.leastWall, bench.leastProcessor);
  else
    std::printf("run of %d epochs: %.3f s wall, %.3f s processor, %.1f us processor per epoch\n", epochs,
                bench.leastWall, bench.leastProcessor, 1e6 * bench.leastProcessor / std::max(epochs, 1));
  bench.printMessageBoxes();
  return 0;
}
