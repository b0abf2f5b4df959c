#include "core/observations/HeldTableWorkbook.h"

#include <exception>
#include <string>

#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"

std::string ancientTablePath(const std::string& tableName) {
  return programPath("\\Tab\\" + tableName + ".xls");
}

int HeldTableWorkbook::switchFor(const AncientTablePreset& preset) const {
  using Kind = AncientTablePreset::Kind;
  switch (preset.kind) {
    case Kind::NoTable: return table_.empty() ? kKeep : kCloseOnly;
    case Kind::Table:
      if (table_ == preset.name) return kKeep;
      break;
    case Kind::NameOnly: break;
    case Kind::Nothing: return kKeep;
  }
  return table_.empty() ? kOpen : kCloseAndOpen;
}

bool HeldTableWorkbook::carryOut(int tableSwitch, const std::string& name, int sheetCount) {
  chosen_ = name;
  if (tableSwitch == kKeep) return false;
  if (tableSwitch == kCloseAndOpen || tableSwitch == kCloseOnly) close();
  if (tableSwitch == kCloseOnly) return false;
  if (!SpreadsheetApp) SpreadsheetApp = std::make_unique<Spreadsheet>();
  TableWorkbook = SpreadsheetApp->openWorkbook(ancientTablePath(name), WorkbookAccess::ReadOnly);
  SpreadsheetApp->setVisible(true);
  try {
    for (int i = 1; i <= sheetCount; ++i) TableSheet.push_back(TableWorkbook.worksheet(i));
  } catch (const std::exception&) {
    close();
    throw;
  }
  table_ = name;
  return true;
}

bool HeldTableWorkbook::lacks() const { return ancientTableCells(chosen_) != nullptr && chosen_ != table_; }

void HeldTableWorkbook::read(const AncientTableReader& reader, int body, bool precessionCorrection) {
  if (lacks()) throw RuntimeError(ErrorCode::InvalidCall, "the table's workbook is not open");
  TableWorkbookCells cells(TableSheet);
  readAncientTable(reader, table_, cells, body, precessionCorrection);
}

void HeldTableWorkbook::close() {
  TableSheet.clear();
  table_.clear();
  if (!TableWorkbook.isSet()) return;
  TableWorkbook = Workbook();
  try {
    SpreadsheetApp->closeActiveWorkbook();
  } catch (const RuntimeError&) {
  }
}

void HeldTableWorkbook::release() {
  close();
  chosen_.clear();
  SpreadsheetApp.reset();
}
