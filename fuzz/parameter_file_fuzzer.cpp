// The parameter file "\Dat\Celvan9.dat" loaded by the start window as the
// user loads it: file number 9, "параметры и данные из файла", "Загрузить".
#include <cstddef>
#include <cstdint>

#include "fuzz/WindowFuzzSupport.h"
#include "setup/Form1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::startWindows({"Dat", "JPL"});
  fuzz::writeProgramFile("Dat/Celvan9.dat", data, size);
  Form1& form = form1();
  fuzz::runReader([&] {
    ui::typeAsUser(form.Text23, "9");
    ui::clickAsUser(form.Option6);
    ui::clickAsUser(form.Command3);
  });
  return 0;
}
