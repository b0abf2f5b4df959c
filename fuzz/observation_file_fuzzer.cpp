// An observatory's file of Moon observations read as the reduction reads it:
// the five header lines, then record after record for both criteria until
// the data end or a read error stops it.
#include <cstddef>
#include <cstdint>

#include "core/observations/ObservationFiles.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool started = [] {
    startWithStartUpState();
    fuzz::useProgramFolder({"Obs"});
    return true;
  }();
  (void)started;
  fuzz::writeProgramFile("Obs/GREN11_G_1.txt", data, size);
  for (const ObservationCriterion criterion : {ObservationCriterion::DR, ObservationCriterion::AbsDL}) {
    Main.SelectedObject = 11;
    Main.StartYear = 1990;
    Main.EndYear = 1991;
    Main.StopFlag = 0;
    Main.DateErrorFlag = 0;
    fuzz::runReader([&] {
      Main.FilePath = observationFilePath("GREN", 11, 1);
      Main.DataFileHandle = static_cast<int16_t>(FreeFile());
      Open(Main.FilePath, OpenMode::Input, Main.DataFileHandle);
      for (int header = 1; header <= 5; ++header) LineInput(Main.DataFileHandle);
      for (std::size_t record = 0; Main.DateErrorFlag == 0 && Main.StopFlag == 0; ++record) {
        if (record > size) __builtin_trap();  // more records than lines
        readObservationRecord(criterion);
      }
    });
  }
  return 0;
}
