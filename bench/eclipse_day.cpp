// A day of the eclipse window at a one-minute step, as a user runs it: the
// window's defaults (the Sun and the Moon over the Volga from 2006-03-29),
// "Начать", and "Остановить" pressed as the run passes a day (1440 passes).
//   eclipse_day theory   the places by the theory "JPL0"
//   eclipse_day de405    the places by DE405 ("JPL2"; the blocks of
//                        tests/fixtures/de405-2004-2006)
// Prints the wall and processor time and the simulated days per second of
// processor time. An optional second argument repeats the day that many
// times and prints the least times.
#include <cstdio>
#include <cstring>

#include "bench/EclipseDayRun.h"
#include "bench/WindowRun.h"
#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "ui/UserActions.h"

namespace {

constexpr int kJPL0 = 2, kJPL2 = 3;
constexpr const char* kOneMinute = "0,000694444444444444";

}  // namespace

int main(int argc, char* argv[]) {
  const bool de405 = argc > 1 && std::strcmp(argv[1], "de405") == 0;
  if (argc < 2 || (!de405 && std::strcmp(argv[1], "theory") != 0)) {
    std::fprintf(stderr, "usage: eclipse_day theory|de405 [repeats]\n");
    return 2;
  }
  const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  bench::WindowRun bench(argc, argv, {"JPL"});
  std::filesystem::copy_file(bench::fixturesFolder() / "de405-2004-2006" / "JPL" / "ascp2000.405",
                             bench.folder() / "JPL" / "ascp2000.405");

  double days = 0;
  for (int r = 0; r < repeats; ++r) {
    Form16& form = form16();
    form.Show();
    ui::clickAsUser(form.Option9[de405 ? kJPL2 : kJPL0]);
    ui::typeAsUser(form.Text26, kOneMinute);
    days = bench::runForADay(form, [&] { bench.time([&] { ui::clickAsUser(form.Command1); }); });
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
  std::printf("%s: %.4f days at a one-minute step: %.3f s wall, %.3f s processor, %.2f days per second\n",
              de405 ? "DE405" : "JPL0", days, bench.leastWall, bench.leastProcessor, days / bench.leastProcessor);
  bench.printMessageBoxes();
  return 0;
}
