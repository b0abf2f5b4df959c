#include <charconv>
#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/spreadsheet/Spreadsheet.h"
#include "core/spreadsheet/SpreadsheetBridge.h"

namespace {

constexpr int kExchangeTimeoutSeconds = 60;

// The shortest text with a decimal point that reads back as the same number.
std::string exactNumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// A number field of the helper's reply. "inf", "nan" or a value beyond the
// range of a double are refused like a field that is no number at all: no
// table cell holds them, and a window would draw or divide by them.
double numberFromReply(const std::string& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
      !std::isfinite(value))
    throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper gave no number");
  return value;
}

void requireReadValue(const CellValue& cell) {
  if (cell.kind == CellValue::Kind::Failed) throw RuntimeError(cell.error, cell.text);
}

void requireCellAddress(const std::string& address) {
  if (address.empty() || !fitsInField(address))
    throw RuntimeError(ErrorCode::InvalidCall, "no cell " + address);
}

}  // namespace

void CellExchange::useWorkbookOf(const Worksheet& sheet, const std::string& address) {
  if (!sheet.bridge_) throw RuntimeError(ErrorCode::InvalidCall, "the worksheet is not set");
  requireCellAddress(address);
  if (!bridge_) {
    bridge_ = sheet.bridge_;
    book_ = sheet.book_;
  } else if (bridge_ != sheet.bridge_ || book_ != sheet.book_) {
    throw RuntimeError(ErrorCode::InvalidCall, "the cells of one exchange lie in two workbooks");
  }
}

void CellExchange::write(const Worksheet& sheet, const std::string& address, double value) {
  useWorkbookOf(sheet, address);
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow, "no number for " + address);
  writeFields_.insert(writeFields_.end(),
                      {std::to_string(sheet.sheet_), address, exactNumberText(value)});
}

std::size_t CellExchange::read(const Worksheet& sheet, const std::string& address) {
  useWorkbookOf(sheet, address);
  readFields_.insert(readFields_.end(), {std::to_string(sheet.sheet_), address});
  return readFields_.size() / 2 - 1;
}

void CellExchange::run() {
  values_.clear();
  if (!bridge_) return;
  std::vector<std::string> request = {"exchange", std::to_string(book_),
                                      std::to_string(writeFields_.size() / 3)};
  request.insert(request.end(), writeFields_.begin(), writeFields_.end());
  request.insert(request.end(), readFields_.begin(), readFields_.end());
  const auto reply = bridge_->request(request, kExchangeTimeoutSeconds);
  values_ = cellValuesFromReply(reply, readFields_.size() / 2);
}

std::vector<CellValue> cellValuesFromReply(const std::vector<std::string>& reply,
                                           std::size_t readCount) {
  if (reply.size() != 2 * readCount)
    throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper gave no cell values");
  std::vector<CellValue> values;
  values.reserve(readCount);
  for (std::size_t i = 0; i < reply.size(); i += 2) {
    const std::string& kind = reply[i];
    const std::string& field = reply[i + 1];
    if (kind == "empty")
      values.push_back({});
    else if (kind == "number")
      values.push_back({CellValue::Kind::Number, numberFromReply(field), {}});
    else if (kind == "text")
      values.push_back({CellValue::Kind::Text, 0, unescapeField(field)});
    else
      values.push_back({CellValue::Kind::Failed, 0, unescapeField(field), errorCodeOfKind(kind)});
  }
  return values;
}

double cellNumber(const CellValue& cell) {
  requireReadValue(cell);
  if (cell.kind == CellValue::Kind::Text) return CDbl(cell.text);
  return cell.number;
}

std::string cellText(const CellValue& cell) {
  requireReadValue(cell);
  if (cell.kind == CellValue::Kind::Number) return Str(cell.number);
  return cell.text;
}

const CellValue& CellExchange::value(std::size_t index) const {
  if (index >= values_.size())
    throw RuntimeError(ErrorCode::InvalidCall, "the cell has not been read");
  return values_[index];
}

double CellExchange::number(std::size_t index) const { return cellNumber(value(index)); }

std::string CellExchange::text(std::size_t index) const { return cellText(value(index)); }

void Worksheet::writeCell(const std::string& address, double value) {
  CellExchange exchange;
  exchange.write(*this, address, value);
  exchange.run();
}

double Worksheet::readNumber(const std::string& address) const {
  CellExchange exchange;
  const std::size_t cell = exchange.read(*this, address);
  exchange.run();
  return exchange.number(cell);
}

std::string Worksheet::readText(const std::string& address) const {
  CellExchange exchange;
  const std::size_t cell = exchange.read(*this, address);
  exchange.run();
  return exchange.text(cell);
}
