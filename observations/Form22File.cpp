// Form22's coefficient files "\Dat\dL" & N & ".dat": for each planet a
// title line and two print lists of eight whole numbers, the coefficients
// of the first and of the second perturber in millionths of a degree
// (Fix(MK × degrees)). The perturbers are not stored in the file.
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/SaveFile.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "observations/Form22.h"
#include "observations/Form22Texts.h"

namespace {

// The file of the number typed in Text10.
std::string coefficientFilePath(const ui::TextBox& fileNumberBox) {
  return programPath("\\Dat\\dL" + std::to_string(FileNumberFromText(fileNumberBox.Text())) + ".dat");
}

// Runs work on a file number of its own under the window's error trap and
// closes the file whether the work ends or fails. Returns true when it
// ended without an error.
template <class Work>
bool withCoefficientFile(Work work) {
  int fileNumber = 0;
  const bool done = withErrorTrap(form22text::kBadData, form22text::kTitle, [&] {
    fileNumber = FreeFile();
    work(fileNumber);
  });
  if (fileNumber != 0) Close(fileNumber);
  return done;
}

}  // namespace

// The whole file is read into a copy of the table first, so that a missing,
// short or wrong file leaves the shared table and the boxes as they were
// (not half filled with values still in millionths of a degree).
void Form22::Command3_Click() {
  auto coefficients = Main.PlanetPerturbationCoefficients;
  const bool read = withCoefficientFile([&](int file) {
    Open(coefficientFilePath(Text10), OpenMode::Input, file);
    for (int q = 1; q <= 4; ++q) {
      LineInput(file);  // the planet's title
      for (int p = 1; p <= 2; ++p)
        for (int t = 1; t <= 8; ++t) coefficients(p, 10 * q + t) = InputNumber(file) / Main.MK;
    }
  });
  if (!read) return;
  Main.PlanetPerturbationCoefficients = coefficients;
  ShowPlanetCoefficients();
}

// The boxes into the file numbered by Text10, replacing it only when the
// whole file is written.
void Form22::Command4_Click() {
  const FileMessages messages{form22text::kBadData, form22text::kBadData, form22text::kTitle};
  std::string path;
  int file = 0;
  if (!withErrorTrap(messages.failed, messages.title, [&] {
        ReadPlanetCoefficientBoxes();
        path = coefficientFilePath(Text10);
        file = FreeFile();
      }))
    return;
  saveTextFile(path, file, messages, [](int file) {
    for (int q = 1; q <= 4; ++q) {
      PrintZones(file, {form22text::kPlanets[q - 1].fileTitle});
      for (int p = 1; p <= 2; ++p) {
        std::vector<PrintItem> millionths;
        for (int t = 1; t <= 8; ++t)
          millionths.emplace_back(Fix(Main.MK * Main.PlanetPerturbationCoefficients(p, 10 * q + t)));
        PrintZones(file, millionths);
      }
    }
  });
}
