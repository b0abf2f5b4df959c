// "Просмотреть данные моделирования по одной планете" and its "Сохранить":
// the model shift file of one planet of a plan (layout in ShiftFiles.h)
// listed on the picture, the six shifts of one experiment shown in the
// planet's row of the grid, and the file written back with that experiment
// corrected.
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "statistics/Form15Texts.h"
#include "statistics/Form19.h"
#include "core/runtime/ProgramFiles.h"
#include "statistics/ScrolledPicture.h"
#include "core/stat/ShiftFiles.h"

namespace {

constexpr double kViewWidth = 36;
constexpr int kMostExperiments = 91;
// Rows of the listing take half a unit each below 5 units of head room.
constexpr double kViewHeadRoom = 5;

constexpr const char* kShiftLabels[kShiftCount + 1] = {
    "", "    dAlfaP100= ", "    dAlfaU100= ", "    dBetta100= ", "    dEks100= ", "    dRsr100= ", "    dW100= "};
constexpr const char* kShiftMasks[kShiftCount + 1] = {
    "", "0000.0000", "0000.0000", "000.00000", "000.00000", "0000.0000", "0000.0000"};

std::string viewedRowLine(int r, const ShiftRow& shifts) {
  std::string line = (r > 9 ? " " : "   ") + Str(r);
  for (int s = 1; s <= kShiftCount; ++s) line += kShiftLabels[s] + Format(shifts[s], kShiftMasks[s]);
  return line;
}

}  // namespace

int Form19::selectedPlanet() const {
  for (int p = 1; p <= 10; ++p)
    if (Option9[p].Value()) return p;
  return 1;
}

// Command1_Click: the model shift file of the chosen planet of plan N.
// Reads:    Text7, Option9, Text8; the file
// Writes:   Main.PlanNumber, SelectedObject, FilePath ("\CelvanpRas.dat"),
//           Stat.LastRun; Main.ModelShifts(p, 1..6, 1..LastRun); Text10 = the
//           number of experiments; the shift boxes of row p = experiment
//           Text8; the listing; the view kept for the write-back
// Notes:    Titles "Celvan7": "Задайте правильно данные" for a plan number
//           that is no number; "Не могу найти файл \PlanN\CelvanpRas.dat";
//           "Ошибка при чтении данных из файла ..." for a read that fails or
//           an experiment in Text8 that is no number or above 91, with the
//           rows read kept. Only a view read whole can be written back.
void Form19::Command1_Click() {
  if (!withErrorTrap(form15text::kBadData, form15text::kTitle7, [&] { Main.PlanNumber = CInt(Text7.Text()); }))
    return;
  const int p = selectedPlanet();
  Main.SelectedObject = p;
  Main.FilePath = "\\Celvan" + Str(p) + "Ras.dat";
  const std::string name = modelShiftFileName(Main.PlanNumber, p);
  view_ = ShiftView{};
  readProgramFile(name, {"Не могу найти файл " + name, "Ошибка при чтении данных из файла " + name, form15text::kTitle7},
                  [this](int file) { readShiftView(file); });
}

void Form19::readShiftView(int file) {
  const int p = Main.SelectedObject;
  const std::string title = LineInput(file);
  Stat.LastRun = CInt(InputNumber(file));
  Text10.setText(Str(Stat.LastRun));
  // A plan has at most 91 experiments; a count beyond is a fault of the
  // file, refused before the picture is sized for it.
  checkIndex(Stat.LastRun, 0, kMostExperiments);
  const std::string columns = LineInput(file);
  setPictureExtents(Stat.LastRun / 2.0 + kViewHeadRoom, kViewWidth);
  scrolled::printAt(Picture1, 1, pictureHeight_, title);
  scrolled::printAt(Picture1, 0, pictureHeight_ - 0.5, columns);
  for (int r = 1; r <= Stat.LastRun; ++r) {
    double number = 0;
    const ShiftRow shifts = readShiftRow(file, number);
    for (int s = 1; s <= kShiftCount; ++s) Main.ModelShifts(p, s, r) = shifts[s];
    scrolled::printAt(Picture1, 0.1, pictureHeight_ - 1 - r / 2.0, viewedRowLine(r, shifts));
  }
  view_ = ShiftView{true, Main.PlanNumber, p, Stat.LastRun, title, columns};
  const int e = CInt(Text8.Text());
  for (int s = 1; s <= kShiftCount; ++s) shiftBox(p, s).setText(Str(Main.ModelShifts(p, s, e)));
}

// Command2_Click "Сохранить": the shift boxes of the viewed planet's row
// into experiment Text8, then the viewed file written whole: its title and
// column lines, its count, every row from memory in the scaled layout.
// Reads:    Text8, the shift boxes of the viewed planet; the view
// Writes:   Main.ModelShifts(planet, 1..6, e); the file
// Notes:    Titles "Celvan7": without a view read whole, "Сначала
//           просмотрите данные моделирования по одной планете"; a box that is
//           no number or an experiment above 91, "Задайте правильно данные";
//           a write that fails, "Ошибка при записи данных в файл ..." with
//           Text10 = the rows written.
void Form19::Command2_Click() {
  if (!view_.made) {
    MsgBox("Сначала просмотрите данные моделирования по одной планете", form15text::kTitle7);
    return;
  }
  const int p = view_.planet;
  const bool converted = withErrorTrap(form15text::kBadData, form15text::kTitle7, [&] {
    const int e = CInt(Text8.Text());
    for (int s = 1; s <= kShiftCount; ++s) Main.ModelShifts(p, s, e) = CDbl(shiftBox(p, s).Text());
  });
  if (!converted) return;
  const std::string name = modelShiftFileName(view_.plan, p);
  const std::string failed = "Ошибка при записи данных в файл " + name;
  int written = 0;
  const bool done = writeProgramFile(name, {failed, failed, form15text::kTitle7}, [&](int file) {
    PrintJoined(file, {view_.title});
    PrintJoined(file, {view_.count});
    PrintJoined(file, {view_.columns});
    for (int r = 1; r <= view_.count; ++r) {
      ShiftRow shifts{};
      for (int s = 1; s <= kShiftCount; ++s) shifts[s] = Main.ModelShifts(p, s, r);
      writeShiftRow(file, r, shifts);
      written = r;
    }
  });
  if (!done) Text10.setText(Str(written));
}
