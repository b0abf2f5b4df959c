#pragma once
// Spreadsheet workbooks evaluated by a spreadsheet program outside ours: the
// ancient tables ("\Tab\" & name & ".xls") compute the places of the bodies
// from a date written into their input cells. A window keeps a Spreadsheet
// (the application), the Workbook it opened and the Worksheets it bound;
// writing input cells and then reading result cells gives the values the
// workbook recomputes from the new inputs.
//
// The work is done by LibreOffice Calc, headless, driven by the helper
// script spreadsheet_bridge.py that lies beside the executable (Debian
// packages libreoffice-calc-nogui and python3-uno). The helper starts on
// the first opening and ends when the application and every workbook and
// worksheet taken from it have been dropped.
//
// Every failure throws RuntimeError, so that the caller's trap reports it
// in its own words: the helper that cannot start or has gone (InvalidCall),
// a missing file (FileNotFound), a file that is no workbook
// (PathFileAccessError), a worksheet beyond the workbook's count
// (SubscriptOutOfRange), a cell whose content is no number or whose formula
// fails (TypeMismatch), a workbook already closed, a bad cell address or an
// object never set (InvalidCall).
#include <memory>
#include <string>
#include <vector>

#include "core/runtime/RuntimeError.h"

class SpreadsheetBridge;
class CellExchange;

// What a cell holds: nothing, a number, a text, or why it could not be read.
struct CellValue {
  enum class Kind { Empty, Number, Text, Failed } kind = Kind::Empty;
  double number = 0;
  std::string text;
  ErrorCode error = ErrorCode::InvalidCall;  // why a read failed; its message in text
};

// Worksheet.cpp: the cell values of an exchange's reply, a kind and a field
// per cell ("number", "text", "empty" or a failure kind), for `readCount`
// reads. A reply of another length, or a number field that is no finite
// number, throws RuntimeError(InvalidCall): the helper's answer is not
// trusted with a value no table can give.
std::vector<CellValue> cellValuesFromReply(const std::vector<std::string>& reply,
                                           std::size_t readCount);
// Worksheet.cpp: a cell's value as a number (a text read in the user's
// locale, an empty cell 0) or as text (a number in the default number
// text); a failed read throws its own error.
double cellNumber(const CellValue& cell);
std::string cellText(const CellValue& cell);

// Worksheet: one sheet of an open workbook, or nothing (default).
class Worksheet {
 public:
  Worksheet() = default;
  bool isSet() const { return bridge_ != nullptr; }
  // Worksheet.cpp: writes a number (whole or with fraction) into the cell at
  // an A1 address ("D9"); the workbook recomputes what depends on it.
  void writeCell(const std::string& address, double value);
  // Worksheet.cpp: the cell's value as a number: an empty cell gives 0, a
  // text cell the number its text gives in the user's locale ("12,5").
  double readNumber(const std::string& address) const;
  // Worksheet.cpp: the cell's value as text: "" for an empty cell, a number
  // in the default number text (decimal comma).
  std::string readText(const std::string& address) const;

 private:
  friend class Workbook;
  friend class CellExchange;
  Worksheet(std::shared_ptr<SpreadsheetBridge> bridge, int book, int sheet)
      : bridge_(std::move(bridge)), book_(book), sheet_(sheet) {}

  std::shared_ptr<SpreadsheetBridge> bridge_;
  int book_ = 0;
  int sheet_ = 0;
};

// CellExchange: the writes and reads of one step of a table, made in one
// request: the numbers are written in order, the workbook recomputes, then
// the cells are read. Every cell lies on a worksheet of one workbook. One
// request instead of one per cell keeps a step near a millisecond.
class CellExchange {
 public:
  // Worksheet.cpp: adds the writing of a number into a cell.
  void write(const Worksheet& sheet, const std::string& address, double value);
  // Worksheet.cpp: adds the reading of a cell; gives its index for number()
  // and text().
  std::size_t read(const Worksheet& sheet, const std::string& address);
  // Worksheet.cpp: makes the request. A write that fails throws and nothing
  // is read; a read that fails keeps its failure for number() or text(), so
  // that the reads before it still give their values.
  void run();
  // Worksheet.cpp: the value of read `index` of the last run, as
  // Worksheet::readNumber and readText give it, or that read's failure.
  double number(std::size_t index) const;
  std::string text(std::size_t index) const;

 private:
  void useWorkbookOf(const Worksheet& sheet, const std::string& address);
  const CellValue& value(std::size_t index) const;

  std::shared_ptr<SpreadsheetBridge> bridge_;
  int book_ = 0;
  std::vector<std::string> writeFields_;  // sheet, cell, number of each write
  std::vector<std::string> readFields_;   // sheet, cell of each read
  std::vector<CellValue> values_;         // of the reads, after run()
};

// Workbook: an open workbook, or nothing (default).
class Workbook {
 public:
  Workbook() = default;
  bool isSet() const { return bridge_ != nullptr; }
  // Spreadsheet.cpp: the number of its worksheets.
  int worksheetCount() const;
  // Spreadsheet.cpp: worksheet `index`, counted from 1 in workbook order.
  Worksheet worksheet(int index) const;

 private:
  friend class Spreadsheet;
  Workbook(std::shared_ptr<SpreadsheetBridge> bridge, int book, int sheetCount)
      : bridge_(std::move(bridge)), book_(book), sheetCount_(sheetCount) {}
  void requireSet() const;

  std::shared_ptr<SpreadsheetBridge> bridge_;
  int book_ = 0;
  int sheetCount_ = 0;
};

// How a workbook is opened: ReadOnly never writes its file, nor a lock file
// beside it, and opens it also when a lock file of another program (or a
// stale one) stands there; its cells may still be written and recomputed in
// memory, but it cannot be saved.
enum class WorkbookAccess { ReadWrite, ReadOnly };

// Spreadsheet: the application that holds the open workbooks. The workbook
// opened last and not yet closed is the active one.
class Spreadsheet {
 public:
  Spreadsheet();
  ~Spreadsheet();
  Spreadsheet(const Spreadsheet&) = delete;
  Spreadsheet& operator=(const Spreadsheet&) = delete;

  // Spreadsheet.cpp: opens the workbook file at a path of this system
  // (programPath("\\Tab\\Almagest.xls")); it becomes the active workbook.
  // When the helper has gone, a new one is started first.
  Workbook openWorkbook(const std::string& path, WorkbookAccess access = WorkbookAccess::ReadWrite);
  // Whether the application is to be shown. The helper works headless, so
  // this is only remembered.
  void setVisible(bool visible) { visible_ = visible; }
  bool visible() const { return visible_; }
  // Spreadsheet.cpp: saves the active workbook into its own file and format;
  // a workbook opened read-only fails.
  void saveActiveWorkbook();
  // Spreadsheet.cpp: closes the active workbook without saving; the one
  // opened before it becomes active. Its Workbook and Worksheets then fail.
  void closeActiveWorkbook();

 private:
  SpreadsheetBridge& startedBridge();
  int activeBook() const;

  std::shared_ptr<SpreadsheetBridge> bridge_;
  std::vector<int> openBooks_;  // in the order of opening; the last is active
  bool visible_ = false;
};
