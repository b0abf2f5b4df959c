// List input (Input #) and whole-line input (Line Input #) from a file read
// whole at its opening.
#include <string_view>

#include "core/runtime/DecimalNumber.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFileTable.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool endsNumberField(char c) { return isBlank(c) || isLineEnd(c) || c == ','; }

OpenTextFile& fileWithMoreToRead(int fileNumber) {
  OpenTextFile& file = fileOpenForReading(fileNumber);
  if (file.position >= file.bytes.size())
    throw RuntimeError(ErrorCode::InputPastEnd, "Input past end of file: " + file.path, file.path,
                       file.bytes.empty() ? "файл пуст" : "файл кончился");
  return file;
}

void skipWhile(OpenTextFile& file, bool (*skip)(char)) {
  while (file.position < file.bytes.size() && skip(file.bytes[file.position])) ++file.position;
}

// Takes one line end (CR LF, LF or CR) at the read position, if there is one.
void takeLineEnd(OpenTextFile& file) {
  const std::string& bytes = file.bytes;
  if (file.position < bytes.size() && bytes[file.position] == '\r') ++file.position;
  if (file.position < bytes.size() && bytes[file.position] == '\n') ++file.position;
}

// After a field: blanks, then the comma or the line end that ends it.
void takeFieldEnd(OpenTextFile& file) {
  skipWhile(file, isBlank);
  if (file.position < file.bytes.size() && file.bytes[file.position] == ',')
    ++file.position;
  else
    takeLineEnd(file);
}

std::string_view fieldUpTo(OpenTextFile& file, bool (*endsField)(char)) {
  const std::size_t start = file.position;
  while (file.position < file.bytes.size() && !endsField(file.bytes[file.position])) ++file.position;
  return std::string_view(file.bytes).substr(start, file.position - start);
}

}  // namespace

double InputNumber(int fileNumber) {
  OpenTextFile& file = fileOpenForReading(fileNumber);
  skipWhile(file, [](char c) { return isBlank(c) || isLineEnd(c); });
  fileWithMoreToRead(fileNumber);
  const std::string_view field = fieldUpTo(file, endsNumberField);
  const DecimalScan scan = scanDecimalNumber(field, '.', true);
  if (scan.length == 0 || scan.length != field.size())
    throw RuntimeError(ErrorCode::TypeMismatch,
                       "Type mismatch: \"" + cp1251ToUtf8(std::string(field)) + "\" in " + file.path);
  if (scan.overflow) throw RuntimeError(ErrorCode::Overflow, "Overflow: \"" + std::string(field) + "\" in " + file.path);
  takeFieldEnd(file);
  return scan.value;
}

std::string InputText(int fileNumber) {
  OpenTextFile& file = fileWithMoreToRead(fileNumber);
  skipWhile(file, isBlank);
  std::string field;
  if (file.position < file.bytes.size() && file.bytes[file.position] == '"') {
    ++file.position;
    field = fieldUpTo(file, [](char c) { return c == '"'; });
    if (file.position < file.bytes.size()) ++file.position;  // the closing quote
  } else {
    field = fieldUpTo(file, [](char c) { return c == ',' || isLineEnd(c); });
    while (!field.empty() && isBlank(field.back())) field.pop_back();
  }
  takeFieldEnd(file);
  return cp1251ToUtf8(field);
}

std::string LineInput(int fileNumber) {
  OpenTextFile& file = fileWithMoreToRead(fileNumber);
  const std::string_view line = fieldUpTo(file, isLineEnd);
  takeLineEnd(file);
  return cp1251ToUtf8(std::string(line));
}
