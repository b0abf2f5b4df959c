// The pulsar parameter files "\Dat\Pulsar<N>.dat": the masses of m1 and m2
// (solar masses), m1's eccentricity, longitude of periastron and inclination
// (degrees), its mean distance (m) and the pulse period P0, which is also
// the integration step (s), as seven numbers on the third line under a
// title and a blank line. The numbers are written with a decimal point and
// all the digits that read back as the same number, so that a small mass
// such as m1 = 3.694E-8 keeps its digits. Files of the earlier layout, whose
// title begins "km1= 1000000*m1", hold whole millionths (the mean distance in
// whole metres) and are still read.
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/SaveFile.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"

namespace {

constexpr const char* kTitle =
    "m1 / mSol_____m2 / mSol___Eks___AlfaP град___Betta град___Rsr м___P0i сек";
// The title of the earlier layout of whole millionths.
constexpr const char* kScaledTitleStart = "km1= 1000000*m1";

// The parameters of a pulsar file in the units of the boxes, apart from the
// mean distance in metres.
struct PulsarParameters {
  double m1, m2, eks, alfaP, betta, rsr, p0;
};

// A number as the file holds it: a leading blank for the sign, a decimal
// point and the shortest digits that read back as the same number, the
// exponent with "E".
// A value that is not finite (a box times a scale beyond a Double) has no
// such text and is refused.
std::string fileNumberText(double value) {
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow, "Overflow: a pulsar parameter is not finite");
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return value < 0 ? text : " " + text;
}

bool isScaledLayout(const std::string& title) {
  return title.rfind(kScaledTitleStart, 0) == 0;
}

}  // namespace

std::string Form25::pulsarFileName() const {
  return "\\Dat\\Pulsar" + std::to_string(Main.FileNumber) + ".dat";
}

// Command8_Click "Сохранить в файле".
void Form25::Command8_Click() { savePulsarFile(); }

// Command7_Click "Загрузить из файла".
void Form25::Command7_Click() { loadPulsarFile(); }

// The boxes into the file numbered by Text2, replacing it only when the
// whole file is written. Each phase has
// its message (title "Celvan7m"). The values go from the boxes to the file
// only; nothing of the model is touched.
bool Form25::savePulsarFile() {
  const std::string title = form25text::kTitle7m;
  int handle = 0;
  PulsarParameters p{};
  if (!withErrorTrap(form25text::kGiveFileNumber, title, [&] {
        Main.FileNumber = FileNumberFromText(Text2.Text());
        handle = FreeFile();
      }))
    return false;
  // A box that is no number, or a value the file cannot hold (beyond a
  // Double once scaled), is refused before the file is touched.
  if (!withErrorTrap(form25text::kBadData, title, [&] {
        p = {CDbl(Text4.Text()),  CDbl(Text5.Text()),           CDbl(Text7.Text()),
             CDbl(Text8.Text()),  CDbl(Text37.Text()),          CDbl(Text10.Text()) * Main.MK,
             CDbl(Text22.Text())};
        for (double v : {p.m1, p.m2, p.eks, p.alfaP, p.betta, p.rsr, p.p0}) fileNumberText(v);
      }))
    return false;
  const std::string number = std::to_string(Main.FileNumber);
  return saveTextFile(programPath(pulsarFileName()), handle,
                      {form25text::kCannotFindFile + number + ".dat", form25text::kWriteError + number + ".dat", title},
                      [&](int) {
                        PrintZones(handle, {kTitle});
                        PrintZones(handle, {"  "});
                        std::vector<PrintItem> numbers;
                        for (double v : {p.m1, p.m2, p.eks, p.alfaP, p.betta, p.rsr, p.p0})
                          numbers.emplace_back(fileNumberText(v));
                        PrintZones(handle, numbers);
                      });
}

// The file numbered by Text2 into the boxes. Each phase has its message
// (title "Celvan7m"); boxes filled before a reading error keep their text.
// The numbers are read into the window's own values; nothing of the model is
// touched.
bool Form25::loadPulsarFile() {
  const std::string title = form25text::kTitle7m;
  int handle = 0;
  if (!withErrorTrap(form25text::kBadData, title, [&] {
        Main.FileNumber = FileNumberFromText(Text2.Text());
        handle = FreeFile();
      }))
    return false;
  const std::string name = pulsarFileName();
  if (!withErrorTrap(form25text::kCannotFindFile + std::to_string(Main.FileNumber) + ".dat",
                     title, [&] { Open(programPath(name), OpenMode::Input, handle); }))
    return false;
  const bool read = withErrorTrap(
      form25text::kReadError + std::to_string(Main.FileNumber) + ".dat", title, [&] {
        const bool scaled = isScaledLayout(InputText(handle));
        InputText(handle);
        PulsarParameters p{};
        for (double* v : {&p.m1, &p.m2, &p.eks, &p.alfaP, &p.betta, &p.rsr, &p.p0})
          *v = InputNumber(handle);
        const double k = scaled ? Main.MK : 1;
        Text4.setText(Str(p.m1 / k));
        Text5.setText(Str(p.m2 / k));
        Text7.setText(Str(p.eks / k));
        Text10.setText(Str(p.rsr / Main.MK));
        Text1.setText("0");
        Text8.setText(Str(p.alfaP / k));
        Text9.setText("0");
        Text37.setText(Str(p.betta / k));
        Text22.setText(Str(p.p0 / k));
        Text40.setText("0");
        Text13.setText("0");
      });
  Close(handle);
  return read;
}
