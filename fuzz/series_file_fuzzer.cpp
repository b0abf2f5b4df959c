// A series file loaded by the statistics window as the user loads it and
// shown: the first byte chooses a model run's series (8 fields a record,
// "\Plan1\Txt1\Celvan1Ras1.txt") or an observed one (13 fields,
// "\Ser\Plan1\Celvan1Nab.txt"); the rest is the file.
#include <cstddef>
#include <cstdint>

#include "fuzz/WindowFuzzSupport.h"
#include "statistics/Form6.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::startWindows({"Dat", "Ser/Plan1", "Plan1/Txt1", "Risunki"});
  const bool observed = (data[0] & 1) != 0;
  fuzz::writeProgramFile(observed ? "Ser/Plan1/Celvan1Nab.txt" : "Plan1/Txt1/Celvan1Ras1.txt", data + 1,
                         size - 1);
  Form6& form = form6();
  fuzz::runReader([&] {
    form.Show();
    ui::typeAsUser(form.Text28, "1");
    ui::typeAsUser(form.Text10, "1");
    ui::clickAsUser(form.Option3[1]);
    if (observed) {
      ui::clickAsUser(form.Option7);
      ui::clickAsUser(form.Option17);
    } else {
      ui::clickAsUser(form.Option8);
    }
    ui::clickAsUser(form.Command6);
  });
  return 0;
}
