#include "core/observations/AncientTables.h"

#include <string>

#include "core/runtime/RuntimeError.h"

namespace {

constexpr TableCell cell1(const char* address) { return {1, address}; }
constexpr TableCell none() { return {}; }

TableBodyCells body(int number, TableCell longitude, TableCell latitude) {
  return {number, longitude, latitude, false, none()};
}

// Where each table keeps its inputs (year, month, day, hours) and results.
const std::vector<AncientTableCells>& cellMaps() {
  static const std::vector<AncientTableCells> maps = {
      {"AlBattani", cell1("D9"), cell1("C9"), cell1("B9"), cell1("F9"),
       TablePrecession::None, none(), false,
       {body(0, cell1("C14"), none()), body(1, cell1("C20"), cell1("F20")),
        body(2, cell1("C19"), cell1("F19")), body(4, cell1("C18"), cell1("F18")),
        body(11, cell1("C15"), cell1("F15"))}},
      {"AlfonsoTab", cell1("D13"), cell1("C13"), cell1("B13"), cell1("F13"),
       TablePrecession::Cell, cell1("D39"), false,
       {body(0, cell1("D46"), none()), body(1, cell1("D145"), none()),
        body(2, cell1("D128"), none()), body(4, cell1("D112"), none()),
        body(11, cell1("D55"), cell1("D60"))}},
      {"AlKhwarizmi", cell1("D9"), cell1("C9"), cell1("B9"), cell1("F9"),
       TablePrecession::Cell, cell1("C22"), true,
       {body(0, cell1("C14"), none()), body(1, cell1("C20"), cell1("F20")),
        body(2, cell1("C19"), cell1("F19")), body(4, cell1("C18"), cell1("F18")),
        body(11, cell1("C15"), cell1("F15"))}},
      {"Almagest", cell1("B6"), cell1("C6"), cell1("D6"), cell1("E6"),
       TablePrecession::Almagest, none(), false,
       {body(0, {2, "N20"}, none()),
        {1, {8, "AD61"}, {8, "AD36"}, true, none()},
        {2, {7, "AD61"}, {7, "AD36"}, true, none()},
        {4, {6, "AD57"}, {6, "AF30"}, true, {6, "AE30"}},
        body(11, {3, "X36"}, {3, "X43"})}},
      {"RudolphineTables", cell1("C10"), cell1("D10"), cell1("E10"), cell1("F10"),
       TablePrecession::Cell, {3, "F27"}, false,
       {body(0, cell1("C13"), none()), body(1, cell1("C19"), cell1("G19")),
        body(2, cell1("C18"), cell1("G18")), body(4, cell1("C17"), cell1("G17")),
        body(11, cell1("C23"), cell1("G23"))}},
      {"Streete", cell1("C14"), cell1("D14"), cell1("E14"), cell1("F14"),
       TablePrecession::Cell, cell1("G20"), false,
       {body(0, cell1("D25"), none()), body(1, {9, "S35"}, {9, "S41"}),
        body(2, {8, "S35"}, {8, "S41"}), body(4, {7, "S35"}, {7, "S41"}),
        body(11, cell1("G50"), cell1("G46"))}},
      {"Tycho", cell1("E11"), cell1("D11"), cell1("C11"), cell1("G11"),
       TablePrecession::None, none(), false,
       {body(0, cell1("G20"), none()), body(11, cell1("G29"), cell1("G52"))}},
      {"Wing", cell1("C14"), cell1("D14"), cell1("E14"), cell1("F14"),
       TablePrecession::None, none(), false,
       {body(0, {3, "P19"}, none()), body(1, {8, "V51"}, {8, "V52"}),
        body(2, {7, "V48"}, {7, "V49"}), body(4, {6, "V48"}, {6, "V49"}),
        body(11, cell1("G47"), cell1("G43"))}},
  };
  return maps;
}

using Kind = AncientTablePreset::Kind;

constexpr int16_t kJulian = 1;
constexpr int16_t kEgyptian = 2;

AncientTablePreset table(int index, const char* caption, const char* name, int sheets, int year,
                         double longitude, double latitude) {
  return {index, Kind::Table, caption, name, sheets, year, 1, 1, longitude, latitude, kJulian, 12};
}
AncientTablePreset nameOnly(int index, const char* name) {
  return {index, Kind::NameOnly, "", name, 0, 0, 0, 0, 0, 0, 0, 0};
}
AncientTablePreset noTable() { return {0, Kind::NoTable, "", "", 0, 0, 0, 0, 0, 0, 0, 0}; }

}  // namespace

const TableBodyCells* AncientTableCells::bodyCells(int number) const {
  for (const TableBodyCells& cells : bodies)
    if (cells.body == number) return &cells;
  return nullptr;
}

const AncientTableCells* ancientTableCells(const std::string& name) {
  for (const AncientTableCells& map : cellMaps())
    if (name == map.name) return &map;
  return nullptr;
}

const std::vector<AncientTablePreset>& observationWindowTablePresets() {
  static const std::vector<AncientTablePreset> presets = [] {
    std::vector<AncientTablePreset> rows = {
        noTable(),
        table(1, "AlBattani", "AlBattani", 9, 900, 37, 36),
        table(2, "Alfonso*", "AlfonsoTab", 7, 1200, -4, 39.9),
        table(3, "AlKhwarizmi*", "AlKhwarizmi", 9, 800, 44, 33),
        table(4, "Almagest*", "Almagest", 8, 607, 39, 30.97),
        nameOnly(5, "HandyTables"),
        nameOnly(6, "PrutenticTables"),
        table(7, "Rudolphine*", "RudolphineTables", 11, 1600, 12.5, 55.9),
        table(8, "Streete*", "Streete", 10, 1620, 0, 51.5),
        table(9, "Tycho (0,11)", "Tycho", 1, 1580, 12.5, 55.9),
        table(10, "Wing", "Wing", 10, 1640, 0, 51.5),
    };
    rows[4].day = 23;
    rows[4].month = 3;
    rows[4].calendarMode = kEgyptian;
    rows[9].dayStartHour = 0;
    return rows;
  }();
  return presets;
}

const std::vector<AncientTablePreset>& eclipseWindowTablePresets() {
  static const std::vector<AncientTablePreset> presets = [] {
    std::vector<AncientTablePreset> rows = {
        noTable(),
        table(1, "AlBattani", "AlBattani", 9, 900, 37, 0),
        table(2, "Alfonso*", "AlfonsoTab", 7, 1252, -4, 0),
        table(3, "AlKhwarizmi*", "AlKhwarizmi", 9, 800, 44, 0),
        table(4, "Almagest*", "Almagest", 8, 884, 30, 0),
        nameOnly(5, "HandyTables"),
        nameOnly(6, "PrutenticTables"),
        table(7, "Rudolphine*", "RudolphineTables", 11, 1600, 12.5, 0),
        table(8, "Streete*", "Streete", 10, 1620, 0, 0),
        {9, Kind::Nothing, "Tycho", "", 0, 0, 0, 0, 0, 0, 0, 0},
        table(10, "Wing", "Wing", 10, 1640, 0, 0),
    };
    rows[4].day = 16;
    rows[4].month = 6;
    rows[4].calendarMode = kEgyptian;
    return rows;
  }();
  return presets;
}

const Worksheet& TableWorkbookCells::sheet(const TableCell& cell) const {
  if (cell.sheet < 1 || cell.sheet > static_cast<int>(sheets_.size()))
    throw RuntimeError(ErrorCode::SubscriptOutOfRange,
                       "worksheet " + std::to_string(cell.sheet) + " is not bound");
  return sheets_[cell.sheet - 1];
}

void TableWorkbookCells::write(const TableCell& cell, double value) {
  exchange_.write(sheet(cell), cell.address, value);
}

std::size_t TableWorkbookCells::read(const TableCell& cell) {
  return exchange_.read(sheet(cell), cell.address);
}

void TableWorkbookCells::run() { exchange_.run(); }

double TableWorkbookCells::number(std::size_t read) const { return exchange_.number(read); }

std::string TableWorkbookCells::text(std::size_t read) const { return exchange_.text(read); }

const AncientTableReader kObservationWindowTableReader = {3.9, false, true};
const AncientTableReader kEclipseWindowTableReader = {6.83, true, false};
