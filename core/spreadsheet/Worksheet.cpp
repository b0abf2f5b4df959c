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

double numberFromReply(const std::string& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size())
    throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper gave no number");
  return value;
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
  if (reply.size() != readFields_.size())
    throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper gave no cell values");
  for (std::size_t i = 0; i < reply.size(); i += 2) {
    const std::string& kind = reply[i];
    const std::string& field = reply[i + 1];
    if (kind == "empty")
      values_.push_back({});
    else if (kind == "number")
      values_.push_back({CellValue::Kind::Number, numberFromReply(field), {}});
    else if (kind == "text")
      values_.push_back({CellValue::Kind::Text, 0, unescapeField(field)});
    else
      values_.push_back({CellValue::Kind::Failed, 0, unescapeField(field), errorCodeOfKind(kind)});
  }
}

const CellExchange::CellValue& CellExchange::value(std::size_t index) const {
  if (index >= values_.size())
    throw RuntimeError(ErrorCode::InvalidCall, "the cell has not been read");
  const CellValue& value = values_[index];
  if (value.kind == CellValue::Kind::Failed) throw RuntimeError(value.error, value.text);
  return value;
}

double CellExchange::number(std::size_t index) const {
  const CellValue& cell = value(index);
  if (cell.kind == CellValue::Kind::Text) return CDbl(cell.text);
  return cell.number;
}

std::string CellExchange::text(std::size_t index) const {
  const CellValue& cell = value(index);
  if (cell.kind == CellValue::Kind::Number) return Str(cell.number);
  return cell.text;
}

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
