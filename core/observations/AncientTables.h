#pragma once
// Ancient astronomers' tables as a source of observed places: one spreadsheet
// workbook per table, program folder & "\Tab\" & name & ".xls", that computes
// the ecliptic longitude and latitude of the Sun, the Moon and some planets
// from a date written into four cells of its first worksheet. This file holds
// where each table keeps its inputs and results (its cell map), the presets
// of the table buttons of the observation and eclipse windows, and the reader
// that both windows use, each with its own settings.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/spreadsheet/Spreadsheet.h"

// A cell of a table: worksheet (from 1) and A1 address; worksheet 0 = none.
struct TableCell {
  int sheet = 0;
  const char* address = "";
  bool isSet() const { return sheet != 0; }
};

// Where a table gives one body: longitude in degrees; latitude in degrees, or
// in minutes of arc, or none (latitude 0); a cell whose text "S" makes the
// latitude southern.
struct TableBodyCells {
  int body = 0;
  TableCell longitude;
  TableCell latitude;
  bool latitudeInMinutes = false;
  TableCell hemisphere;
};

// The table's own precession in longitude: none (0), read from a cell, or for
// the Almagest one degree per Julian century from the start date plus a
// constant of the window.
enum class TablePrecession { None, Cell, Almagest };

struct AncientTableCells {
  const char* name;
  TableCell year, month, day, hours;  // inputs, all on worksheet 1
  TablePrecession precessionKind;
  TableCell precession;
  bool precessionAdded;  // the table counts from the stars: its precession is added
  std::vector<TableBodyCells> bodies;

  const TableBodyCells* bodyCells(int body) const;
};

// The cell map of a table by name; nullptr for a name without one (the
// empty name, "HandyTables", "PrutenticTables", any other).
const AncientTableCells* ancientTableCells(const std::string& name);

// What a table button sets. `kind`: NoTable (the hidden "none" button),
// NameOnly (a hidden table without cells: only its name is taken), Table, or
// Nothing (a hidden button that sets nothing). For a Table: its worksheet
// count; its year, and its day and month (1 and 1 unless it says otherwise);
// its meridian, east longitude in degrees (the observation window writes it
// with `latitude` into the observer's boxes); the calendar of its dates
// (CalendarMode: 1 Julian, 2 Egyptian) and the hour its day begins.
struct AncientTablePreset {
  enum class Kind { NoTable, NameOnly, Table, Nothing };
  int index;
  Kind kind;
  const char* caption;
  const char* name;
  int sheetCount;
  int year;
  int day;
  int month;
  double longitude;
  double latitude;
  int16_t calendarMode;
  double dayStartHour;
};

// The table buttons Option4(0..10) of each window.
const std::vector<AncientTablePreset>& observationWindowTablePresets();
const std::vector<AncientTablePreset>& eclipseWindowTablePresets();

// How a window reads its tables.
struct AncientTableReader {
  // The Almagest's precession at the start date, degrees.
  double almagestStartPrecession;
  // The Sun is read at every reading, whatever the body (the eclipse window);
  // otherwise only when the Sun is the body.
  bool sunAtEveryReading;
  // Whether the window reads the Tycho table.
  bool readsTycho;
};
extern const AncientTableReader kObservationWindowTableReader;
extern const AncientTableReader kEclipseWindowTableReader;

// The cells of one reading: the writes, then the reads, made in one exchange
// by the window's implementation (TableWorkbookCells); tests put a table of
// their own in its place.
class TableCellsExchange {
 public:
  virtual ~TableCellsExchange() = default;
  virtual void write(const TableCell& cell, double value) = 0;
  virtual std::size_t read(const TableCell& cell) = 0;
  // Writes, recomputes, reads. A write that fails throws.
  virtual void run() = 0;
  // A read's value (an empty cell 0), or its failure thrown.
  virtual double number(std::size_t read) const = 0;
  virtual std::string text(std::size_t read) const = 0;
};

// The exchange with the worksheets a window has bound, TableSheet(1..n) in
// sheets[0..n-1], made in one request. A cell on a worksheet not bound fails.
class TableWorkbookCells : public TableCellsExchange {
 public:
  explicit TableWorkbookCells(const std::vector<Worksheet>& sheets) : sheets_(sheets) {}
  void write(const TableCell& cell, double value) override;
  std::size_t read(const TableCell& cell) override;
  void run() override;
  double number(std::size_t read) const override;
  std::string text(std::size_t read) const override;

 private:
  const Worksheet& sheet(const TableCell& cell) const;

  const std::vector<Worksheet>& sheets_;
  CellExchange exchange_;
};

// readAncientTable: one reading of the table `tableName` for the body `body`.
// Reads:    Main.ObsYear, ObsMonth, ObsDay, DayHours (the table date, in the
//           table's calendar and day origin, local time of its meridian),
//           Main.JDut, Main.JD0, Main.SavedPrecession
// Given:    the window's reader settings; the name of the table whose
//           workbook `cells` reach (a name without a cell map reads nothing);
//           `precessionCorrection`: the Prec* correction is switched on
// Writes:   the date into the table's input cells; Main.GeneralPrecession
//           (the table's precession); Main.LonL/LatB of the bodies read: the
//           body when the table gives it, the Sun (0) when the reader reads
//           it at every reading; with the correction Main.PrecessionL
//           (degrees at 5025" per Julian century since JD0) and the
//           longitudes read moved from the table's precession to the one it
//           had at the start (SavedPrecession) plus PrecessionL.
// Notes:    A table counted from the stars ("AlKhwarizmi") adds its
//           precession to the longitudes read. A failing cell throws
//           RuntimeError; what was stored before it stays.
void readAncientTable(const AncientTableReader& reader, const std::string& tableName,
                      TableCellsExchange& cells, int body, bool precessionCorrection);

// Whether the window's reader gives the body from that table: a run over a
// body the table lacks would compare the program with its own values.
bool ancientTableGivesBody(const AncientTableReader& reader, const std::string& tableName,
                           int body);

// The message that refuses a run over a body the table does not give:
// "В таблице " & name & " нет объекта № " & body.
std::string ancientTableLacksBodyText(const std::string& tableName, int body);
