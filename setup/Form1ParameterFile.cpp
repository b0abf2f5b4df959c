// The parameter file "\Dat\Celvan" & N & ".dat": a complete set of the
// objects' parameters that the user keeps. "Сохранить данные в файле №"
// writes it; the source "параметры и данные из файла" of "Загрузить
// параметры на" reads it back.
//
// Layout (Windows-1251, CR LF, items in print zones of 14 columns):
//   1  Fix(day × 1000), month, year as numbers, then the constants text
//   2  "mSol / 10^25____gamma * 10^16____Lae"
//   3  Fix(mSol / 10^25), Fix(10^16 × gamma), Fix(Lae) (metres)
//   4  the titles of the object lines
//   5  one line per object 0..LastObjectIndex: number ("00"), then
//      Fix(MK·AlfaL·kUgol), Fix(Rsr)/1000, Fix(MK·Wsr·sekG), Fix(MK·Eks),
//      Fix(MK·Betta·kUgol), Fix(MK·AlfaP·kUgol), Fix(MK·AlfaU·kUgol),
//      Fix(X0/1000), Fix(Y0)/1000, Fix(Z0/1000), Fix(MK·VX0), Fix(MK·VY0),
//      Fix(MK·VZ0), Fix(1000·MassRatio), each through the mask "0"
//      (micro-degrees, km, micro-radians per Julian year, millionths, km,
//      µm/s, thousandths).
// The file keeps the start data X0..VZ0, from which a model run starts;
// the current tables X..VZ are scratch that other windows overwrite.
#include <cmath>
#include <string>
#include <vector>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/SaveFile.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

constexpr const char* kConstantsText =
    "               MK=1 000 000         kUgol=180 град/pi       sekG = 31557600 сек";
constexpr const char* kConstantsTitle = "mSol / 10^25____gamma * 10^16____Lae";
constexpr const char* kObjectTitles =
    "№ объкта_MK * AlfaL * kUgol__R0sr / 1000__MK * W0sr * sekG__MK * Eks0__MK * Betta0 * "
    "kUgol__MK * AlfaP0 * kUgol__MK * AlfaU0 * kUgol__X / 1000__Y / 1000__Z / 1000__MK * "
    "VX___MK * VY___MK * VZ_____1000 * km";

// Scales of the file: the day in thousandths, the Sun's mass in 10^25 kg,
// the gravitational constant in 10^-16 SI units, lengths in km.
constexpr double kDayScale = 1000;
constexpr double kSunMassScale = 1e25;
constexpr double kGammaScale = 1e16;
using astro::kMetresPerKilometre;
constexpr double kMassRatioScale = 1000;
// Days in the 65536 years that the date procedures can name: a day count
// beyond it ("1E+303") gives a file whose date no load accepts.
constexpr double kLargestDayCount = 65536 * 366.0;

std::string wholeText(double value) { return Format(value, "0"); }

std::string cannotFindMessage(int number) {
  return "Не могу найти файл " + form1text::parameterFileName(number);
}

// The fifteen fields of object i's line.
std::vector<PrintItem> objectLine(int i) {
  const double mk = Main.MK;
  const double kUgol = Main.kUgol;
  return {Format(i, "00"),
          wholeText(Fix(mk * Main.AlfaL[i] * kUgol)),
          wholeText(Fix(Main.Rsr[i]) / kMetresPerKilometre),
          wholeText(Fix(mk * Main.Wsr[i] * Main.sekG)),
          wholeText(Fix(mk * Main.Eks[i])),
          wholeText(Fix(mk * Main.Betta[i] * kUgol)),
          wholeText(Fix(mk * Main.AlfaP[i] * kUgol)),
          wholeText(Fix(mk * Main.AlfaU[i] * kUgol)),
          wholeText(Fix(Main.X0[i] / kMetresPerKilometre)),
          wholeText(Fix(Main.Y0[i]) / kMetresPerKilometre),
          wholeText(Fix(Main.Z0[i] / kMetresPerKilometre)),
          wholeText(Fix(mk * Main.VX0[i])),
          wholeText(Fix(mk * Main.VY0[i])),
          wholeText(Fix(mk * Main.VZ0[i])),
          wholeText(Fix(Main.MassRatio[i] * kMassRatioScale))};
}

// Reads the fifteen fields of object i's line into the shared tables.
void readObjectLine(int fileNumber, int i) {
  const double mk = Main.MK;
  const double kUgol = Main.kUgol;
  Main.SelectedObject = CLng(InputNumber(fileNumber));
  Main.AlfaL[i] = InputNumber(fileNumber) / mk / kUgol;
  Main.Rsr[i] = InputNumber(fileNumber) * kMetresPerKilometre;
  Main.Wsr[i] = InputNumber(fileNumber) / mk / Main.sekG;
  Main.Eks[i] = InputNumber(fileNumber) / mk;
  Main.Betta[i] = InputNumber(fileNumber) / mk / kUgol;
  Main.AlfaP[i] = InputNumber(fileNumber) / mk / kUgol;
  Main.AlfaU[i] = InputNumber(fileNumber) / mk / kUgol;
  Main.X[i] = Main.X0[i] = InputNumber(fileNumber) * kMetresPerKilometre;
  Main.Y[i] = Main.Y0[i] = InputNumber(fileNumber) * kMetresPerKilometre;
  Main.Z[i] = Main.Z0[i] = InputNumber(fileNumber) * kMetresPerKilometre;
  Main.VX[i] = Main.VX0[i] = InputNumber(fileNumber) / mk;
  Main.VY[i] = Main.VY0[i] = InputNumber(fileNumber) / mk;
  Main.VZ[i] = Main.VZ0[i] = InputNumber(fileNumber) / mk;
  Main.MassRatio[i] = InputNumber(fileNumber) / kMassRatioScale;
}

}  // namespace

// Command4_Click "Сохранить данные в файле №": writes the shared tables into
// parameter file N (Text23), replacing it.
// Reads:    Text23, Text34, Text33, Text32; Main.mSol, gamma, Lae, the
//           elements, X0..VZ0 and MassRatio of objects 0..LastObjectIndex
// Writes:   Main.FileNumber, StartYear, StartMonth, StartDay,
//           DataFileHandle, ScratchText; the file
// Notes:    "Задайте номер файла" for boxes that are no numbers, "Не могу
//           найти файл \Dat\CelvanN.dat" when the file cannot be created,
//           "Ошибка записи в файл \Dat\CelvanN.dat" when writing fails (a
//           value that cannot be written included; the old file then stays
//           as it was); all under the title "Celvan7m". The file number must
//           be a whole positive number and the day a count of days a date
//           can hold, else "Задайте номер файла".
void Form1::Command4_Click() {
  const bool numbered = withErrorTrap("Задайте номер файла", form1text::kTitle7m, [&] {
    Main.FileNumber = FileNumberFromText(Text23.Text());
    Main.StartYear = CLng(Text34.Text());
    Main.StartMonth = CLng(Text33.Text());
    Main.StartDay = CDbl(Text32.Text());
    if (!(std::fabs(Main.StartDay) <= kLargestDayCount))
      throw RuntimeError(ErrorCode::Overflow, "the day names no date the file could be read back with");
    Main.DataFileHandle = static_cast<int16_t>(FreeFile());
  });
  if (!numbered) return;
  const std::string name = form1text::parameterFileName(Main.FileNumber);
  saveTextFile(programPath(name), Main.DataFileHandle,
               {cannotFindMessage(Main.FileNumber), "Ошибка записи в файл " + name, form1text::kTitle7m},
               [this](int) { writeParameterFile(); });
}

void Form1::writeParameterFile() {
  const int file = Main.DataFileHandle;
  Main.ScratchText = kConstantsText;
  PrintZones(file, {Fix(Main.StartDay * kDayScale), static_cast<double>(Main.StartMonth),
                    static_cast<double>(Main.StartYear), Main.ScratchText});
  PrintZones(file, {std::string(kConstantsTitle)});
  PrintZones(file, {wholeText(Fix(Main.mSol / kSunMassScale)),
                    wholeText(Fix(kGammaScale * Main.gamma)), wholeText(Fix(Main.Lae))});
  PrintZones(file, {std::string(kObjectTitles)});
  for (int i = 0; i <= Main.LastObjectIndex; ++i) PrintZones(file, objectLine(i));
}

// The source "параметры и данные из файла": opens file N (Main.FileNumber)
// and reads it; the end of the load follows with the file's read trap.
// Notes:    "Не могу найти файл \Dat\CelvanN.dat" when it cannot be opened,
//           "Ошибка чтения данных из файла \Dat\CelvanN.dat" when a field is
//           missing or wrong (the file is closed), title "Celvan7m". The
//           objects read before an error stay loaded. The date of the file
//           becomes the date of the initial data (InitialDataJD).
void Form1::loadParameterFile() {
  const int number = Main.FileNumber;
  Main.DataFileHandle = static_cast<int16_t>(FreeFile());
  const bool opened = withErrorTrap(cannotFindMessage(number), form1text::kTitle7m, [&] {
    Open(programPath(form1text::parameterFileName(number)), OpenMode::Input, Main.DataFileHandle);
  });
  if (!opened) return;
  const std::string readError =
      "Ошибка чтения данных из файла " + form1text::parameterFileName(number);
  const bool read = withErrorTrap(readError, form1text::kTitle7m, [&] {
    readParameterFile();
    Close(Main.DataFileHandle);
    finishParameterLoad();
  });
  if (!read) Close(Main.DataFileHandle);
}

void Form1::readParameterFile() {
  const int file = Main.DataFileHandle;
  Main.InputDay = InputNumber(file);
  Main.InputMonth = CLng(InputNumber(file));
  Main.InputYear = CLng(InputNumber(file));
  Text34.setText(Str(Main.InputYear));
  Text33.setText(Str(Main.InputMonth));
  Text32.setText(Str(Main.InputDay / kDayScale));
  Main.StartYear = Main.InputYear;
  Main.StartMonth = Main.InputMonth;
  Main.StartDay = Main.InputDay / kDayScale;
  Main.DateErrorFlag = 0;
  Main.JD = JulianDayFromDate(Main.StartDay, Main.StartMonth, Main.StartYear);
  if (Main.DateErrorFlag == 1)
    throw RuntimeError(ErrorCode::InvalidCall, "the date of the parameter file is refused");
  Main.SeriesStartJD = Main.JD;
  Text24.setText(Str(Main.JD));
  Main.JD0 = Main.JD;
  Main.InitialDataJD = Main.JD;

  Main.ScratchText = InputText(file);  // the constants text of line 1
  InputText(file);                     // line 2
  Main.mSol = InputNumber(file) * kSunMassScale;
  Main.gamma = InputNumber(file) / kGammaScale;
  Main.Lae = InputNumber(file);
  InputText(file);  // line 4
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    readObjectLine(file, i);
    setMassFromRatio(i);
    markLoadedBody(i);
  }
}
