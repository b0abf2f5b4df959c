#include "core/spreadsheet/Spreadsheet.h"

#include <string>
#include <vector>

#include "core/runtime/RuntimeError.h"
#include "core/spreadsheet/SpreadsheetBridge.h"

namespace {

// A large workbook takes its time to load and recompute.
constexpr int kOpenTimeoutSeconds = 180;
constexpr int kRequestTimeoutSeconds = 60;

}  // namespace

Spreadsheet::Spreadsheet() = default;
Spreadsheet::~Spreadsheet() = default;

// A helper that has gone (LibreOffice ended under it) took its workbooks
// with it; the next opening starts a new one instead of failing for good.
SpreadsheetBridge& Spreadsheet::startedBridge() {
  if (!bridge_ || !bridge_->isRunning()) {
    openBooks_.clear();
    bridge_.reset();
    bridge_ = std::make_shared<SpreadsheetBridge>();
  }
  return *bridge_;
}

int Spreadsheet::activeBook() const {
  if (openBooks_.empty()) throw RuntimeError(ErrorCode::InvalidCall, "no workbook is open");
  return openBooks_.back();
}

Workbook Spreadsheet::openWorkbook(const std::string& path, WorkbookAccess access) {
  if (!fitsInField(path)) throw RuntimeError(ErrorCode::FileNotFound, "no file " + path);
  std::vector<std::string> request{"open", path};
  if (access == WorkbookAccess::ReadOnly) request.push_back("readonly");
  const auto reply = startedBridge().request(request, kOpenTimeoutSeconds);
  if (reply.size() != 2) throw RuntimeError(ErrorCode::InvalidCall, "the opening gave no workbook");
  const int book = std::stoi(reply[0]);
  openBooks_.push_back(book);
  return Workbook(bridge_, book, std::stoi(reply[1]));
}

void Spreadsheet::saveActiveWorkbook() {
  const int book = activeBook();
  bridge_->request({"save", std::to_string(book)}, kRequestTimeoutSeconds);
}

void Spreadsheet::closeActiveWorkbook() {
  const int book = activeBook();
  openBooks_.pop_back();
  bridge_->request({"close", std::to_string(book)}, kRequestTimeoutSeconds);
}

void Workbook::requireSet() const {
  if (!bridge_) throw RuntimeError(ErrorCode::InvalidCall, "the workbook is not set");
}

int Workbook::worksheetCount() const {
  requireSet();
  return sheetCount_;
}

Worksheet Workbook::worksheet(int index) const {
  requireSet();
  if (index < 1 || index > sheetCount_)
    throw RuntimeError(ErrorCode::SubscriptOutOfRange,
                       "no worksheet " + std::to_string(index) + " of " +
                           std::to_string(sheetCount_));
  return Worksheet(bridge_, book_, index);
}
