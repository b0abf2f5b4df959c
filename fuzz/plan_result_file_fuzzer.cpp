// The test-plan result file "\Dat\NabPlan3.txt" read by the plan designer
// for a plan of type 2 in three factors: "из файла", then "Выполнить
// эксперименты и рассчитать критерий", which goes on to the criterion and
// the picture.
#include <cstddef>
#include <cstdint>

#include "fuzz/WindowFuzzSupport.h"
#include "statistics/Form18.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::startWindows({"Dat"});
  fuzz::writeProgramFile("Dat/NabPlan3.txt", data, size);
  Form18& form = form18();
  fuzz::runReader([&] {
    form.Show();
    ui::clickAsUser(form.Option13);  // plan type 2
    for (int i = 1; i <= 6; ++i)
      if ((form.Check3[i].Value() == 1) != (i <= 3)) ui::clickAsUser(form.Check3[i]);
    ui::clickAsUser(form.Command14);  // "Создать план"
    ui::clickAsUser(form.Option7);
    ui::clickAsUser(form.Command4);
  });
  return 0;
}
