#pragma once
// The workbook of an ancient table as one window holds it: the window's own
// spreadsheet application (created on first use), the workbook it opened,
// the worksheets it bound, the name of the table they belong to and the
// name of the table the window chose last. The observation window and the
// eclipse window each keep one, each on a table of its own; every decision
// here goes by what this holder holds and its window chose, never by a name
// another window may have set since.
//
// A holder opens a workbook read-only and never saves it: the table's file
// stays as the user keeps it, whatever dates the readings wrote into its
// cells, and no lock file is written beside it.
#include <memory>
#include <string>
#include <vector>

#include "core/observations/AncientTables.h"
#include "core/spreadsheet/Spreadsheet.h"

// The path of a table's workbook: program folder & "\Tab\" & name & ".xls".
std::string ancientTablePath(const std::string& tableName);

// What a table button does with the workbook (TableSwitchMode).
enum TableSwitch : int {
  kCloseAndOpen = 0,  // another table held: close it, open the new one
  kOpen = 1,          // none held: open the new one
  kCloseOnly = 2,     // "none" chosen while a table is held
  kKeep = 3,          // the same table again, "none" with none held, or a button without a table
};

class HeldTableWorkbook {
 public:
  // The switch a table button makes, from what it names and what is held.
  int switchFor(const AncientTablePreset& preset) const;

  // Carries the switch of a button that chose the table `name` ("" for
  // none) out: the window's choice becomes `name`; closes the held workbook
  // for kCloseAndOpen and kCloseOnly; opens the table read-only and binds its
  // first `sheetCount` worksheets for kCloseAndOpen and kOpen. Gives whether
  // a workbook was opened. A failing opening throws and leaves nothing held.
  bool carryOut(int tableSwitch, const std::string& name, int sheetCount);

  // The name of the table held ("" when none) and its worksheets 1..n.
  const std::string& table() const { return table_; }
  const std::vector<Worksheet>& sheets() const { return TableSheet; }
  // The table the window chose last ("" when none), held or not.
  const std::string& chosen() const { return chosen_; }

  // The chosen table has cells but its workbook is not the one held (its
  // opening failed).
  bool lacks() const;

  // One reading (readAncientTable) of the held workbook; a chosen table not
  // held throws like a cell that is no number.
  void read(const AncientTableReader& reader, int body, bool precessionCorrection);

  // Closes the held workbook and drops it with its worksheets; the
  // application stays. A workbook already gone (its engine ended) is no
  // failure.
  void close();
  // close(), the choice forgotten and the application dropped too: the next
  // opening creates one.
  void release();

 private:
  std::unique_ptr<Spreadsheet> SpreadsheetApp;
  Workbook TableWorkbook;
  std::vector<Worksheet> TableSheet;
  std::string table_;
  std::string chosen_;
};
