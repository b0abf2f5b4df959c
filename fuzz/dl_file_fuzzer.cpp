// The coefficient file "\Dat\dL2.dat" loaded by the perturbation window as
// the user loads it: file number 2, "Загрузить".
#include <cstddef>
#include <cstdint>

#include "fuzz/WindowFuzzSupport.h"
#include "observations/Form22.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::startWindows({"Dat"});
  fuzz::writeProgramFile("Dat/dL2.dat", data, size);
  Form22& form = form22();
  fuzz::runReader([&] {
    form.Show();
    ui::typeAsUser(form.Text10, "2");
    ui::clickAsUser(form.Command3);
  });
  return 0;
}
