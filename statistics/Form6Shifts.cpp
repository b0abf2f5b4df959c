// "Смещение в файле =" and "Изменить смещение в файле": the model shift
// file of a plan and a body, or the observed shift file of an imitator
// folder, read into the shift tables and listed on the picture; the shift
// of the last fit put into the table and the whole file written again,
// after refitting every experiment of the plan when "все из плана" is
// ticked.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "core/runtime/ProgramFiles.h"
#include "statistics/ScrolledPicture.h"
#include "core/stat/ShiftFiles.h"

using namespace form6text;

namespace {

// The columns of a listing line: the caption before each shift and the
// mask of its number.
struct ListingColumn {
  const char* caption;
  const char* mask;
};
constexpr std::array<ListingColumn, 6> kModelListing{{{"    dAlfaP  = ", "00000.0000"},
                                                      {"     dAlfaU  = ", "00000.0000"},
                                                      {"     dBetta  = ", "0000.0000"},
                                                      {"     dEks  = ", "000.0000"},
                                                      {"     dRsr  = ", "0000.0000"},
                                                      {"     dW  = ", "0000.0000"}}};
constexpr std::array<ListingColumn, 6> kObservedListing{{{"    dAlfaP  = ", "00000.0000"},
                                                         {"     dAlfaU  = ", "00000.0000"},
                                                         {"     dBetta  = ", "0000.00000"},
                                                         {"     dEks  = ", "000.0000"},
                                                         {"     dRsr  = ", "0000.0000"},
                                                         {"     dW  = ", "000.0000"}}};

std::string listingLine(double number, const std::array<double, 7>& row,
                        const std::array<ListingColumn, 6>& columns) {
  std::string line = (number > 9 ? " " : "   ") + Str(number);
  for (int s = 1; s <= 6; ++s) line += columns[s - 1].caption + Format(row[s], columns[s - 1].mask);
  return line;
}

FileMessages readingMessages(const std::string& path) {
  return {kCannotFindFile + std::string(kCrLf) + path, kReadError + std::string(kCrLf) + path, kTitle};
}

FileMessages writingMessages(const std::string& path) {
  const std::string message = kWriteError + std::string(kCrLf) + path;
  return {message, message, kTitle};
}

}  // namespace

// The folder of "имитаторы": "\NEW", "\JPL", else "\Ser".
std::string Form6::chosenImitatorFolder() const {
  if (Option13.Value()) return "\\NEW";
  if (Option14.Value()) return "\\JPL";
  return "\\Ser";
}

// The shift of the option chosen in "по параметру" among 1..7; 0 for "Ves".
int Form6::chosenShiftParameter() const {
  for (int i = 1; i <= 7; ++i)
    if (Option4[i].Value()) return i;
  return 0;
}

// The shift file of the choice on the window: the model file of the plan
// and the body, or the observed file of the imitator folder.
std::string Form6::chosenShiftFile(int16_t plan, int body) const {
  return Option7.Value() ? observedShiftFileName(chosenImitatorFolder())
                         : modelShiftFileName(plan, body);
}

// Command4_Click "Смещение в файле =".
void Form6::Command4_Click() {
  const int body = chosenPlanet(), s = chosenShiftParameter();
  int16_t plan = 0;
  if (!withErrorTrap(kBadData, kTitle, [&] { plan = CInt(Text28.Text()); })) return;
  Main.PlanNumber = plan;
  shiftFileRead_ = chosenShiftFile(plan, body);
  if (!Option7.Value()) {
    Main.FileState = sample::kModelShiftsRead;
    Main.MsgBoxAnswer = 1;
    const std::string path = modelShiftFileName(plan, body);
    readProgramFile(path, readingMessages(path), [&](int file) {
      sample::ShiftFileContents contents;
      try {
        sample::readModelShiftFile(file, contents);
      } catch (...) {
        listModelShifts(contents, body);
        throw;
      }
      listModelShifts(contents, body);
      Stat.RunIndex = CInt(Text10.Text());
      Text25.setText(Str(Main.ModelShifts(body, s, Stat.RunIndex)));
    });
  } else {
    Main.ImitatorFolder = chosenImitatorFolder();
    Main.PictureHeight = 20;
    Main.PictureScaleWidth = 42;
    DrawSampleFrame();
    Main.FileState = sample::kObservedShiftsRead;
    Main.MsgBoxAnswer = 1;
    const std::string path = observedShiftFileName(Main.ImitatorFolder);
    readProgramFile(path, readingMessages(path), [&](int file) {
      sample::ShiftFileContents contents;
      try {
        sample::readObservedShiftFile(file, contents);
      } catch (...) {
        listObservedShifts(contents);
        throw;
      }
      listObservedShifts(contents);
      Text25.setText(Str(Main.ObservedShifts(body, s)));
    });
  }
}

// The rows of a model shift file read so far into ModelShifts(body, 1..6,
// experiment) and listed, one line per experiment numbered by its place.
void Form6::listModelShifts(const sample::ShiftFileContents& contents, int body) {
  if (contents.declaredRows < 0) return;
  Stat.RunCount = static_cast<int16_t>(contents.declaredRows);
  Main.PictureHeight = contents.declaredRows / 2.0 + 10;
  Main.PictureScaleWidth = 42;
  DrawSampleFrame();
  const double height = Main.PictureHeight;
  scrolled::printAt(Picture1, 1.6, height - 0.5, contents.titleLines.at(0));
  if (contents.titleLines.size() > 1) scrolled::printAt(Picture1, 1.6, height - 1, contents.titleLines[1]);
  for (std::size_t i = 0; i < contents.rows.size(); ++i) {
    const int e = static_cast<int>(i) + 1;
    Stat.RunIndex = static_cast<int16_t>(e);
    for (int s = 1; s <= 6; ++s) Main.ModelShifts(body, s, e) = contents.rows[i][s];
    scrolled::printAt(Picture1, 1.5, height - 1 - e / 2.0, listingLine(e, contents.rows[i], kModelListing));
  }
}

// The rows of an observed shift file read so far into ObservedShifts(body,
// 1..6) and listed, each with the number written in it.
void Form6::listObservedShifts(const sample::ShiftFileContents& contents) {
  const double height = Main.PictureHeight;
  for (std::size_t i = 0; i < contents.titleLines.size(); ++i)
    scrolled::printAt(Picture1, 1.6, height - 0.5 * (i + 1), contents.titleLines[i]);
  for (std::size_t i = 0; i < contents.rows.size(); ++i) {
    const int b = static_cast<int>(i) + 1;
    for (int s = 1; s <= 6; ++s) Main.ObservedShifts(b, s) = contents.rows[i][s];
    scrolled::printAt(Picture1, 1, height - 1 - b / 2.0, listingLine(contents.rows[i][0], contents.rows[i], kObservedListing));
  }
}

// Command5_Click "Изменить смещение в файле": only after a shift file has
// been chosen by "Смещение в файле =", and only into that file: the tables
// hold its rows, so with another plan, body, kind or imitator folder chosen
// since, nothing is written and the message says which file is in memory.
void Form6::Command5_Click() {
  const int body = chosenPlanet(), s = chosenShiftParameter();
  int16_t plan = 0;
  if (!withErrorTrap(kBadData, kTitle, [&] { plan = CInt(Text28.Text()); })) return;
  if (Main.MsgBoxAnswer != 1) {
    MsgBox(kNoShiftFileRead, kTitle);
    return;
  }
  if (chosenShiftFile(plan, body) != shiftFileRead_) {
    MsgBox(otherShiftFileChosen(shiftFileRead_, chosenShiftFile(plan, body)), kTitle);
    return;
  }
  std::vector<int> missing;
  const bool batch = Option8.Value() && Check12.Value() == 1;
  if (batch && !fitEveryExperiment(missing)) return;
  if (!Option7.Value()) {
    if (!withErrorTrap(kBadData, kTitle, [&] {
          const int16_t e = CInt(Text10.Text());
          // The last experiment of a batch without a series keeps its
          // empty shift, not the fit shown from the one before.
          const bool lastMissing = !missing.empty() && missing.back() == e;
          if (!lastMissing) Main.ModelShifts(body, s, e) = CDbl(Text24.Text());
        }))
      return;
    const std::string path = modelShiftFileName(plan, body);
    writeProgramFile(path, writingMessages(path),
                     [&](int file) { sample::writeModelShiftFile(file, plan, body); });
  } else {
    const std::string folder = chosenImitatorFolder();
    if (!withErrorTrap(kBadData, kTitle, [&] { Main.ObservedShifts(body, s) = CDbl(Text24.Text()); })) return;
    const std::string path = observedShiftFileName(folder);
    writeProgramFile(path, writingMessages(path),
                     [&](int file) { sample::writeObservedShiftFile(file, folder); });
  }
}

// "все из плана": the series of every experiment of the plan loaded and
// fitted in turn, each storing its shift; a failure of a fit shows its
// message and the next one follows. An experiment whose series cannot be
// loaded is not fitted: its shift of the chosen parameter is left empty
// (0), never another experiment's, and one message at the end names every
// such experiment and their count (they are also given back in `missing`).
// Returns false when the window was closed meanwhile (then nothing is
// written).
bool Form6::fitEveryExperiment(std::vector<int>& missing) {
  const int body = chosenPlanet(), s = chosenShiftParameter();
  const int16_t experiments = Stat.RunCount;
  for (int16_t e = 1; e <= experiments; ++e) {
    Stat.RunIndex = e;
    Text10.setText(Str(e));
    if (loadWithoutItsMessages()) {
      Command9_Click();
    } else {
      missing.push_back(e);
      Main.ModelShifts(body, s, e) = 0;
    }
    DoEvents();
    if (!isLoaded()) return false;
  }
  if (!missing.empty()) {
    std::string numbers;
    for (const int e : missing) numbers += (numbers.empty() ? "" : ", ") + Str(e);
    MsgBox(missingSeries(numbers, Str(static_cast<double>(missing.size()))), kTitle);
  }
  return true;
}

// "Загрузить данные полученные" for one experiment of the batch, with the
// messages of a series that cannot be loaded held back for the batch's one
// message; a question is still put to the user. True when the series was
// read whole.
bool Form6::loadWithoutItsMessages() {
  MessageBoxHandler previous;
  previous = setMessageBoxHandler([&previous](const MessageBoxRequest& request) {
    if (request.buttons == MsgBoxButtons::Ok) return MsgBoxResult::Ok;
    return previous ? previous(request) : MsgBoxResult::No;
  });
  Command6_Click();
  setMessageBoxHandler(previous);
  return seriesLoaded_;
}
