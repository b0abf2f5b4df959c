// The ancient tables as Form10's source: the table buttons with their
// presets, the opening, binding and release of the table's workbook in the
// window's own spreadsheet application, and the reading of a table for a
// date. The window never saves a table's workbook: the table's file stays as
// the user keeps it, whatever dates the runs wrote into its cells.
#include <exception>
#include <string>

#include "core/observations/AncientTables.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form10.h"
#include "observations/Form10Texts.h"
#include "observations/Form13.h"

namespace {

constexpr int kYearsShown = 30;
// The Prec* correction of AlKhwarizmi's start: the precession of this many
// years at the plan window's rate.
constexpr double kAlKhwarizmiYears = 15;
constexpr int16_t kEgyptianCalendar = 2;

}  // namespace

std::string Form10::tablePath() const { return ancientTablePath(tables_.chosen()); }

// Option4_Click: a table chosen (Index 1..10) or none (0). The date boxes,
// calendar, day start and corrections take the table's presets; a table
// other than the one this window holds is opened in place of it and read
// at its preset date, which also fixes the precession the table had then.
void Form10::Option4_Click(int Index) {
  try {
    Main.SelectedObject = WholeNumberFromText(Text1.Text());
    Main.SourceIndex = static_cast<int16_t>(Index);
    const AncientTablePreset& preset = observationWindowTablePresets().at(Index);
    TableSwitchMode = tables_.switchFor(preset);
    Option16.setValue(true);
    Option6.setValue(true);
    Text2.setText("1");
    Text3.setText("1");
    Check15.setValue(1);
    Check16.setValue(1);
    Check17.setValue(0);
    switch (preset.kind) {
      case AncientTablePreset::Kind::NoTable:
        Main.TheoryName.clear();
        break;
      case AncientTablePreset::Kind::NameOnly:
        Main.TheoryName = preset.name;
        break;
      case AncientTablePreset::Kind::Table:
        Main.TheoryName = preset.name;
        TableSheetCount = preset.sheetCount;
        Text4.setText(Str(preset.year));
        Text24.setText(Str(preset.longitude));
        Text25.setText(Str(preset.latitude));
        if (preset.calendarMode == kEgyptianCalendar) Option7.setValue(true);
        if (preset.dayStartHour == 0) Option15.setValue(true);
        Text2.setText(Str(preset.day));
        Text3.setText(Str(preset.month));
        break;
      case AncientTablePreset::Kind::Nothing:
        break;
    }
    Main.StartYear = CLng(Text4.Text());
    Text16.setText(Str(Main.StartYear));
    Text14.setText(Str(Main.StartYear + kYearsShown));
    if (!tables_.carryOut(TableSwitchMode, Main.TheoryName, TableSheetCount)) return;
  } catch (const std::exception&) {
    MsgBox(std::string(form10text::kTableNotFound) + "\r\n" + tablePath(), form10text::kTableTitle);
    return;
  }
  Command2_Click();
  Main.JD0 = Main.JD;
  Main.JDut = Main.JD;
  ReadAncientTable();
  Main.SavedPrecession = Main.GeneralPrecession;
  if (Main.TheoryName == "AlKhwarizmi" && Check19.Value() == 1)
    Main.SavedPrecession -= form13().PrecessionRate * kAlKhwarizmiYears / 100 / 3600;
  Main.StopFlag = 0;
  Main.DateErrorFlag = 0;
}

// The reading is made on this window's own workbook with the cells of the
// table it holds; a chosen table whose workbook is not open here is a
// failure like a cell that is not a number.
bool Form10::ReadAncientTable() {
  try {
    tables_.read(kObservationWindowTableReader, Main.SelectedObject, Check19.Value() == 1);
    return true;
  } catch (const std::exception&) {
    MsgBox(form10text::kTableFailed + tables_.chosen(), form10text::kRunTitle);
    Main.StopFlag = 1;
    return false;
  }
}

// ComputeTablePosition: the loop's reading at the epoch's Julian Day.
bool Form10::ComputeTablePosition() {
  Main.JDut = Main.JD;
  return ReadAncientTable();
}

void Form10::ReleaseWorkbook() { tables_.release(); }

std::string Form10::tableRunRefusal(int object) const {
  if (tables_.lacks()) return std::string(form10text::kTableNotFound) + "\r\n" + tablePath();
  if (!ancientTableGivesBody(kObservationWindowTableReader, tables_.chosen(), object))
    return ancientTableLacksBodyText(tables_.chosen(), object);
  return "";
}
