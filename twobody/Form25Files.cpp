// The pulsar parameter files "\Dat\Pulsar<N>.dat": the masses of m1 and m2
// (millionths of a solar mass), m1's eccentricity, longitude of periastron
// and inclination (millionths, degrees), its mean distance (m) and the pulse
// period P0, which is also the integration step (microseconds), as seven
// whole numbers on the third line under a title and a blank line.
#include <string>
#include <vector>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"
#include "twobody/engine/TwoBody.h"

using twobody::kM1;

namespace {

constexpr int kM2MassSlot = 13;
constexpr const char* kTitle =
    "km1= 1000000*m1 / mSol_____km2= 1000000*m2 / mSol___1000000*Eks___1000000*AlfaP "
    "град___1000000*Betta град___Rsr м___1000000*P0i сек";

std::string wholeNumber(double value) { return Format(Fix(value), "0"); }

}  // namespace

std::string Form25::pulsarFileName() const {
  return "\\Dat\\Pulsar" + std::to_string(Main.FileNumber) + ".dat";
}

// Command8_Click "Сохранить в файле".
void Form25::Command8_Click() { savePulsarFile(); }

// Command7_Click "Загрузить из файла".
void Form25::Command7_Click() { loadPulsarFile(); }

// The boxes into the file numbered by Text2, replacing it. Each phase has
// its message (title "Celvan7m").
bool Form25::savePulsarFile() {
  const std::string title = form25text::kTitle7m;
  int handle = 0;
  if (!withErrorTrap(form25text::kGiveFileNumber, title, [&] {
        Main.FileNumber = CInt(Text2.Text());
        Main.MassRatio[kM1] = CDbl(Text4.Text());
        Main.MassRatio[kM2MassSlot] = CDbl(Text5.Text());
        Main.Eks[kM1] = CDbl(Text7.Text());
        Main.Rsr[kM1] = CDbl(Text10.Text()) * Main.MK;
        Main.AlfaP[kM1] = CDbl(Text8.Text()) / Main.kUgol;
        Main.Betta[kM1] = CDbl(Text37.Text()) / Main.kUgol;
        Main.P00 = CDbl(Text22.Text());
        handle = FreeFile();
      }))
    return false;
  const std::string name = pulsarFileName();
  if (!withErrorTrap(form25text::kCannotFindFile + std::to_string(Main.FileNumber) + ".dat",
                     title, [&] { Open(programPath(name), OpenMode::Output, handle); }))
    return false;
  const double mk = Main.MK;
  const bool written =
      withErrorTrap(form25text::kWriteError + std::to_string(Main.FileNumber) + ".dat", title,
                    [&] {
                      PrintZones(handle, {kTitle});
                      PrintZones(handle, {"  "});
                      PrintZones(handle, {wholeNumber(mk * Main.MassRatio[kM1]),
                                          wholeNumber(mk * Main.MassRatio[kM2MassSlot]),
                                          wholeNumber(mk * Main.Eks[kM1]),
                                          wholeNumber(mk * Main.AlfaP[kM1] * Main.kUgol),
                                          wholeNumber(mk * Main.Betta[kM1] * Main.kUgol),
                                          wholeNumber(Main.Rsr[kM1]),
                                          wholeNumber(Main.P00 * mk)});
                    });
  Close(handle);
  return written;
}

// The file numbered by Text2 into the boxes. Each phase has its message
// (title "Celvan7m"); boxes filled before a reading error keep their text.
bool Form25::loadPulsarFile() {
  const std::string title = form25text::kTitle7m;
  int handle = 0;
  if (!withErrorTrap(form25text::kBadData, title, [&] {
        Main.FileNumber = CInt(Text2.Text());
        handle = FreeFile();
      }))
    return false;
  const std::string name = pulsarFileName();
  if (!withErrorTrap(form25text::kCannotFindFile + std::to_string(Main.FileNumber) + ".dat",
                     title, [&] { Open(programPath(name), OpenMode::Input, handle); }))
    return false;
  const double mk = Main.MK;
  const bool read = withErrorTrap(
      form25text::kReadError + std::to_string(Main.FileNumber) + ".dat", title, [&] {
        Main.ScratchText = InputText(handle);
        Main.ScratchText = InputText(handle);
        Main.MassRatio[kM1] = InputNumber(handle);
        Main.MassRatio[kM2MassSlot] = InputNumber(handle);
        Main.Eks[kM1] = InputNumber(handle);
        Main.AlfaP[kM1] = InputNumber(handle);
        Main.Betta[kM1] = InputNumber(handle);
        Main.Rsr[kM1] = InputNumber(handle);
        Main.P00 = InputNumber(handle);
        Text4.setText(Str(Main.MassRatio[kM1] / mk));
        Text5.setText(Str(Main.MassRatio[kM2MassSlot] / mk));
        Text7.setText(Str(Main.Eks[kM1] / mk));
        Text10.setText(Str(Main.Rsr[kM1] / mk));
        Text1.setText("0");
        Text8.setText(Str(Main.AlfaP[kM1] / mk));
        Text9.setText("0");
        Text37.setText(Str(Main.Betta[kM1] / mk));
        Text22.setText(Str(Main.P00 / mk));
        Text40.setText("0");
        Text13.setText("0");
      });
  Close(handle);
  return read;
}
