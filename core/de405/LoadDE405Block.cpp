// LoadDE405Block: the block of the DE405 ephemeris that contains Main.JD.
// Reads:    Main.JD, Main.DE405BlockSize, Main.FileState, Main.DE405FileHandle
// Returns:  Main.EphemerisJD = Main.JD; the twenty-year file that holds it
//           open on Main.DE405FileHandle with Main.FileState = 10; the block
//           with DE405BlockStartJD <= JD < DE405BlockEndJD in Main.DE405Buffer
//           (1..1020); Main.DE405FileYear, Main.DE405RecordsInFile,
//           Main.DE405RecordNumber and Main.IterIndex (the block's number and
//           coefficient count), Main.DE405BlockStartJD, Main.DE405BlockEndJD
// Notes:    File k (year 1600 + 20 k) serves the days B(k) <= JD < B(k + 1);
//           a day outside B(0) <= JD < B(30), or one whose file is not in
//           the JPL folder or ends before it, shows "В файлах DE405 нет
//           такой даты" with a line that says which days the files present
//           cover (title "Celvan7m"), sets Main.StopFlag = 1 and leaves the
//           reader's file closed. A file the reader left open is closed
//           first. Every load reads its file from the first block on. A file
//           that is not in the layout, or whose first block starts after the
//           day, raises a run-time error in the caller. The block loop keeps its counter to itself:
//           Main.CurrentObject is left alone.
#include <filesystem>
#include <string>

#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"

using namespace de405;

namespace {

// Index k of the file whose range holds the day, or -1 when none does.
int fileIndexFor(double day) {
  for (int k = 0; k < kFileCount; ++k)
    if (kFileStartJD[k] <= day && day < kFileStartJD[k + 1]) return k;
  return -1;
}

bool filePresent(int k) {
  std::error_code missing;
  return std::filesystem::is_regular_file(de405FilePath(k), missing);
}

bool refuseDay() {
  MsgBox(std::string(kNoSuchDateMessage) + "\r\n" + DE405CoverageText(), kLoaderTitle);
  Main.StopFlag = 1;
  return false;
}

void openFile(int k) {
  Main.DE405FileYear = kFirstFileYear + kYearsPerFile * k;
  // A file repeats the first block of the next range at its end.
  Main.DE405RecordsInFile =
      static_cast<int16_t>((kFileStartJD[k + 1] - kFileStartJD[k]) / kBlockDays + 1.0);
  closeDE405File();
  Main.DE405FileHandle = static_cast<int16_t>(FreeFile());
  Main.FileState = 0;
  Open(de405FilePath(k), OpenMode::Input, Main.DE405FileHandle);
  Main.FileState = kFileOpenState;
}

}  // namespace

std::string de405FilePath(int k) {
  return programPath("\\JPL\\ascp" + std::to_string(kFirstFileYear + kYearsPerFile * k) + ".405");
}

bool loadDE405BlockContaining(double day) {
  const int k = fileIndexFor(day);
  if (k < 0 || !filePresent(k)) return refuseDay();
  openFile(k);
  Main.DE405Buffer.redim(Main.DE405BlockSize + 1);
  do {
    if (EndOfFile(Main.DE405FileHandle)) {
      closeDE405File();
      return refuseDay();
    }
    readDE405Block();
  } while (day >= Main.DE405BlockEndJD);
  if (!(Main.DE405BlockStartJD <= day))
    throw RuntimeError(ErrorCode::TypeMismatch, "DE405 file: no block holds the day");
  return true;
}

void LoadDE405Block() {
  Main.EphemerisJD = Main.JD;
  loadDE405BlockContaining(Main.JD);
}

void readDE405Block() {
  const int file = Main.DE405FileHandle;
  Main.DE405RecordNumber = CInt(InputNumber(file));
  Main.IterIndex = CInt(InputNumber(file));
  if (Main.IterIndex != kValuesPerBlock)
    throw RuntimeError(ErrorCode::TypeMismatch, "DE405 block: not 1018 values");
  for (long i = 1; i <= kNumbersPerBlock; ++i) Main.DE405Buffer[i] = InputNumber(file);
  Main.DE405BlockStartJD = Main.DE405Buffer[1];
  Main.DE405BlockEndJD = Main.DE405Buffer[2];
  if (!(Main.DE405BlockEndJD - Main.DE405BlockStartJD == kBlockDays))
    throw RuntimeError(ErrorCode::TypeMismatch, "DE405 block: not 32 days long");
}

void closeDE405File() {
  if (Main.FileState != kFileOpenState) return;
  Close(Main.DE405FileHandle);
  Main.FileState = 0;
}
