#include <charconv>
#include <cmath>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/spreadsheet/Spreadsheet.h"
#include "core/spreadsheet/SpreadsheetBridge.h"

namespace {

constexpr int kCellTimeoutSeconds = 60;

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

Worksheet::CellValue Worksheet::readCell(const std::string& address) const {
  if (!bridge_) throw RuntimeError(ErrorCode::InvalidCall, "the worksheet is not set");
  requireCellAddress(address);
  const auto reply = bridge_->request(
      {"read", std::to_string(book_), std::to_string(sheet_), address}, kCellTimeoutSeconds);
  if (reply.size() == 1 && reply[0] == "empty") return {};
  if (reply.size() == 2 && reply[0] == "number")
    return {CellValue::Kind::Number, numberFromReply(reply[1]), {}};
  if (reply.size() == 2 && reply[0] == "text")
    return {CellValue::Kind::Text, 0, unescapeField(reply[1])};
  throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper gave no cell value");
}

void Worksheet::writeCell(const std::string& address, double value) {
  if (!bridge_) throw RuntimeError(ErrorCode::InvalidCall, "the worksheet is not set");
  requireCellAddress(address);
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow, "no number for " + address);
  bridge_->request({"write", std::to_string(book_), std::to_string(sheet_), address,
                    exactNumberText(value)},
                   kCellTimeoutSeconds);
}

double Worksheet::readNumber(const std::string& address) const {
  const CellValue value = readCell(address);
  if (value.kind == CellValue::Kind::Text) return CDbl(value.text);
  return value.number;
}

std::string Worksheet::readText(const std::string& address) const {
  const CellValue value = readCell(address);
  if (value.kind == CellValue::Kind::Number) return Str(value.number);
  return value.text;
}
