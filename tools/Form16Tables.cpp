// The ancient tables as Form16's source of the Sun's and the body's places:
// the table buttons with their presets, the table's workbook held in the
// window's own spreadsheet application, the reading of a table at the
// window's table date, and the table stage of a pass.
#include <cmath>
#include <exception>
#include <string>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/observations/AncientTables.h"
#include "core/runtime/Clock.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/state/KeptValues.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "tools/Form16.h"
#include "tools/Form16Texts.h"
#include "tools/Form17.h"

namespace {

constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;
constexpr int16_t kEgyptianCalendar = 2;
using astro::kHoursPerDay;
using astro::kDegreesPerHour;

}  // namespace

// Option4_Click: a table chosen (Index 1..10) or none (0). The table starts
// its day at noon and counts in the Julian calendar (the Almagest in the
// Egyptian one); a table other than the one this window holds is opened in
// place of it and read at its preset date, which fixes the precession the
// table had then; Form17 then applies its laws again.
void Form16::Option4_Click(int Index) {
  TableDate preset{0, 1, 1, 0.0};
  try {
    const AncientTablePreset& button = eclipseWindowTablePresets().at(Index);
    TableSwitchMode = tables_.switchFor(button);
    Option16.setValue(true);
    Option6.setValue(true);
    Label16.setCaption(form16text::kDaysFromEra);
    switch (button.kind) {
      case AncientTablePreset::Kind::NoTable: sourceName_.clear(); break;
      case AncientTablePreset::Kind::NameOnly: sourceName_ = button.name; break;
      case AncientTablePreset::Kind::Table:
        sourceName_ = button.name;
        TableSheetCount = button.sheetCount;
        TableMeridianLongitude = button.longitude;
        preset = {button.year, button.month, button.day, 0.0};
        if (button.calendarMode == kEgyptianCalendar) {
          Label16.setCaption(form16text::kDaysFromNabonassar);
          Option7.setValue(true);
        }
        break;
      case AncientTablePreset::Kind::Nothing: break;
    }
    if (!tables_.carryOut(TableSwitchMode, sourceName_, TableSheetCount)) return;
    Text2.setText(Str(preset.day));
    Text3.setText(Str(preset.month));
    Text4.setText(Str(preset.year));
    Command2_Click();
    tableStartJulianDay_ = Main.JD;
    Main.JDut = Main.JD;
    tableDate_ = preset;
    ReadAncientTable();
    savedPrecession_ = Main.GeneralPrecession;
    form17().Text5.setText(TimeText());  // fires Form17's Text5_Change
    Main.StopFlag = 0;
  } catch (const std::exception&) {
    MsgBox(std::string(form16text::kTableFileNotFound) + "\r\n" + ancientTablePath(sourceName_),
           form16text::kDateTitle);
  }
}

// The reading is made on this window's own workbook with the cells of the
// table it holds; a chosen table whose workbook is not open here fails like
// a cell that is no number.
void Form16::ReadAncientTable() {
  try {
    // The reader's inputs that the observation window keeps in the shared
    // state too (its table date, the start day of its run, the precession
    // it kept) hold this window's values for this reading only, so that a
    // reduction of that window, running or to come, finds its own.
    const KeptValues observationWindowInputs(Main.ObsYear, Main.ObsMonth, Main.ObsDay, Main.DayHours, Main.JD0,
                                             Main.SavedPrecession);
    Main.ObsYear = tableDate_.year;
    Main.ObsMonth = tableDate_.month;
    Main.ObsDay = tableDate_.day;
    Main.DayHours = tableDate_.hours;
    Main.JD0 = tableStartJulianDay_;
    Main.SavedPrecession = savedPrecession_;
    tables_.read(kEclipseWindowTableReader, body_, Check4.Value() == 1);
  } catch (const std::exception&) {
    MsgBox(form16text::kTableFailed, form16text::kTitle);
    Main.StopFlag = 1;
    return;
  }
  Text31.setText(Str(Main.GeneralPrecession));
  Text41.setText("0");
  if (Check4.Value() == 1) Text41.setText(Str(savedPrecession_ + Main.PrecessionL));
}

// Why a run in table mode may not start: the chosen table's workbook is not
// open here, or the table does not give the body (the run would show the
// theory's places as the table's); "" when it may.
std::string Form16::tableRunRefusal(int body) const {
  if (tables_.lacks())
    return std::string(form16text::kTableFileNotFound) + "\r\n" + ancientTablePath(tables_.chosen());
  if (!ancientTableGivesBody(kEclipseWindowTableReader, tables_.chosen(), body))
    return ancientTableLacksBodyText(tables_.chosen(), body);
  return "";
}

// The table stage of a pass, after the geocentric directions of the Sun and
// the body: the table read at the first ephemeris time moved to the table's
// meridian, written in the window's calendar and day start; the Sun and the
// body placed in the table's directions at the theory's distances, and the
// scene made heliocentric again for the pictures.
void Form16::placeBodiesByTable() {
  restoreCalendar();
  DateFromJulianDay(Main.JDet1 + TableMeridianLongitude / kDegreesPerHour / kHoursPerDay);
  const double wholeDay = std::floor(Main.CalendarDay);
  tableDate_ = {Main.CalendarYear, Main.CalendarMonth, static_cast<int32_t>(wholeDay),
                (Main.CalendarDay - wholeDay) * kHoursPerDay};
  ReadAncientTable();
  for (int16_t k : sunAndBody())
    SphericalToRectangular(k, Main.LonL[k], Main.LatB[k], Main.PairDistance(kEarth, k));
  Main.X[kEarth] = -Main.X[kSun];
  Main.Y[kEarth] = -Main.Y[kSun];
  Main.Z[kEarth] = -Main.Z[kSun];
  for (int16_t k : sunAndBody()) {
    if (k == kSun) continue;
    Main.X[k] -= Main.X[kSun];
    Main.Y[k] -= Main.Y[kSun];
    Main.Z[k] -= Main.Z[kSun];
  }
  Main.X[kSun] = Main.Y[kSun] = Main.Z[kSun] = 0.0;
}
