// Where Form10's observed places come from: the kind of source ("Tab", the
// tables of ancient astronomers, or "Obs", the observatory files), the
// observatory with its file, and the theory of the observed planet's orbit.
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "observations/Form13.h"

namespace {

constexpr int kHeaderTextLines = 4;
constexpr int kHeaderLines = 5;  // the four text lines and the line of the years

struct Observatory {
  const char* code;
  const char* longitude;  // degrees east, as the boxes show it
  const char* latitude;   // degrees north
};

// The observatories of Option9(1..6); element 7 takes the code typed in
// "иная Obs" and 1,111 for both coordinates.
const Observatory kObservatories[] = {
    {"", "0", "0"},           {"GREN", "0", "51,477"},    {"PARI", "2,337", "48,836"},
    {"USNO", "-77,066", "38,921"}, {"NIKO", "31,975", "46,972"}, {"CAPE", "18,477", "-33,934"},
    {"SUMM", "0", "0"},
};
constexpr int kOtherObservatory = 7;
constexpr const char* kOtherCoordinate = "1,111";

}  // namespace

ObservationCriterion Form10::criterion() const {
  return Option18.Value() ? ObservationCriterion::AbsDL : ObservationCriterion::DR;
}

// Option1_Click "Tab": the tables' buttons in, the observatories' out; an
// open observatory file is closed; no source chosen.
void Form10::Option1_Click() {
  for (int i = 0; i <= 10; ++i) Option4[i].setEnabled(true);
  for (int i = 0; i <= 7; ++i) Option9[i].setEnabled(false);
  closeObservatoryFile();
  Main.SourceKind = "Tab";
  Main.TheoryName.clear();
  Main.SourceIndex = 0;
  Check1.setCaption("Ras(ЭКЛ)");
  Check9.setCaption("Nab(ЭКЛ)");
  Option9[0].setValue(true);
  Check26.setEnabled(false);
}

// Option2_Click "Obs": the observatories' buttons in, the tables' out; the
// table's workbook released; no source chosen.
void Form10::Option2_Click() {
  for (int i = 0; i <= 7; ++i) Option9[i].setEnabled(true);
  for (int i = 0; i <= 10; ++i) Option4[i].setEnabled(false);
  ReleaseWorkbook();
  Main.SourceKind = "Obs";
  Main.TheoryName.clear();
  Main.SourceIndex = 0;
  Check1.setCaption("Ras(ЭКВ)");
  Check9.setCaption("Nab(ЭКВ)");
  Option4[0].setValue(true);
  Check26.setEnabled(true);
}

// Option9_Click: an observatory chosen (Index 1..7) or none (0). The date
// boxes, the calendar and the corrections are preset, the observer's place
// written, and the observatory's file of the object and number opened at
// its first record (also when the same observatory is chosen again), its
// header read and the Julian Day of 1,5 January of its first year computed.
// A typed code that is no plain name (a path separator, "..") would put
// the observatory's files elsewhere: it is refused and no observatory is
// chosen.
void Form10::Option9_Click(int Index) {
  if (Index == kOtherObservatory && !isPlainFileName(Text59.Text())) {
    MsgBox(form10text::kBadData, form10text::kTitle);
    Option9[0].setValue(true);  // runs Option9_Click(0): the open file closed
    return;
  }
  bool open = false;
  withErrorTrap(form10text::kBadData, form10text::kTitle, [&] {
    Main.SelectedObject = WholeNumberFromText(Text1.Text());
    Main.SourceIndex = static_cast<int16_t>(Index);
    Option15.setValue(true);
    Option5.setValue(true);
    Text2.setText("1,5");
    Text3.setText("1");
    Check15.setValue(1);
    Check16.setValue(1);
    Check17.setValue(1);
    if (Index == 0) {
      Main.TheoryName.clear();
    } else if (Index == kOtherObservatory) {
      Main.TheoryName = Text59.Text();
      Text24.setText(kOtherCoordinate);
      Text25.setText(kOtherCoordinate);
    } else {
      Main.TheoryName = kObservatories[Index].code;
      Text24.setText(kObservatories[Index].longitude);
      Text25.setText(kObservatories[Index].latitude);
    }
    std::string suffix = ".txt";
    if (Check3.Value() == 1) suffix = (Option18.Value() ? "L" : "LB") + suffix;
    Main.FilePath = programPath("\\Obs\\" + Main.TheoryName + std::to_string(Main.SelectedObject) + "_G_" +
                                std::to_string(FileNumberFromText(Text56.Text())) + suffix);
    Text57.setText(Text56.Text());
    closeObservatoryFile();
    open = Index != 0;
  });
  if (open) openObservatoryFile();
}

// Opens FilePath on a fresh file number and reads its four header lines
// and its years. A file that cannot be opened or whose header cannot be
// read is reported with its path.
void Form10::openObservatoryFile() {
  const bool read = withFileErrorTrap(Main.FilePath + "\r\n" + form10text::kFileNotFound, form10text::kTitle, [this] {
    Main.TextLines[1].clear();
    Main.DataFileHandle = static_cast<int16_t>(FreeFile());
    ObsFileState = 0;
    Open(Main.FilePath, OpenMode::Input, Main.DataFileHandle);
    ObsFileState = 9;
    skippedLines = 0;
    for (int line = 1; line <= kHeaderTextLines; ++line) {
      Main.TextLines[1] += LineInput(Main.DataFileHandle);
      if (line < kHeaderTextLines) Main.TextLines[1] += "\r\n";
    }
    Main.StartYear = CLng(InputNumber(Main.DataFileHandle));
    Main.EndYear = CLng(InputNumber(Main.DataFileHandle));
  });
  if (!read) return;
  Text4.setText(Str(Main.StartYear));
  Text16.setText(Str(Main.StartYear));
  Text14.setText(Str(Main.EndYear));
  Command2_Click();
  Main.StopFlag = 0;
  Main.DateErrorFlag = 0;
}

// The file opened again at its first record, its five header lines passed.
void Form10::reopenObservatoryFile() {
  Close(Main.DataFileHandle);
  Open(Main.FilePath, OpenMode::Input, Main.DataFileHandle);
  ObsFileState = 9;
  skippedLines = 0;
  for (int line = 1; line <= kHeaderLines; ++line) LineInput(Main.DataFileHandle);
}

void Form10::closeObservatoryFile() {
  if (ObsFileState != 9) return;
  Close(Main.DataFileHandle);
  ObsFileState = 0;
}

// Option10_Click "План": the plan's elements, of J2000 or of the date; no
// plan over the perturbations.
void Form10::Option10_Click() {
  Option13.setEnabled(true);
  Option14.setEnabled(true);
  Form13& plan = form13();
  plan.Check2.setValue(0);
  plan.Check2.setEnabled(false);
}

// Option11_Click "JPL0" and Option12_Click "Ser0": a theory's elements, of
// J2000; a plan over the perturbations may be chosen.
void Form10::Option11_Click() {
  Option13.setEnabled(true);
  Option13.setValue(true);
  Option14.setEnabled(false);
  Form13& plan = form13();
  plan.Check2.setValue(0);
  plan.Check2.setEnabled(true);
}

void Form10::Option12_Click() { Option11_Click(); }
