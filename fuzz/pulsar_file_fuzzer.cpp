// The pulsar file "\Dat\Pulsar1.dat" loaded by the two-body window as the
// user loads it: file number 1, "Загрузить из файла".
#include <cstddef>
#include <cstdint>

#include "fuzz/WindowFuzzSupport.h"
#include "twobody/Form25.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::startWindows({"Dat"});
  fuzz::writeProgramFile("Dat/Pulsar1.dat", data, size);
  Form25& form = form25();
  fuzz::runReader([&] {
    form.Show();
    ui::typeAsUser(form.Text2, "1");
    ui::clickAsUser(form.Command7);
  });
  return 0;
}
