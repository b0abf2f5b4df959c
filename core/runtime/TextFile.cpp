// File numbers: opening, closing and the end-of-file test.
#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFileTable.h"

namespace {

namespace fs = std::filesystem;

// Slot 0 is never used, so that a slot's index is its file number.
std::array<std::optional<OpenTextFile>, kHighestFileNumber + 1>& openFiles() {
  static std::array<std::optional<OpenTextFile>, kHighestFileNumber + 1> files;
  return files;
}

bool isValidFileNumber(int fileNumber) { return fileNumber >= 1 && fileNumber <= kHighestFileNumber; }

[[noreturn]] void throwFileError(ErrorCode code, const char* what, const std::string& path) {
  throw RuntimeError(code, std::string(what) + ": " + path);
}

std::string withForwardSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// The error an open that the system refused stands for.
[[noreturn]] void throwOpenFailure(const std::string& path, OpenMode mode) {
  std::error_code ignored;
  const fs::path file(path);
  const fs::path folder = file.parent_path();
  if (!folder.empty() && !fs::is_directory(folder, ignored)) throwFileError(ErrorCode::PathNotFound, "Path not found", path);
  if (mode == OpenMode::Input && !fs::exists(file, ignored)) throwFileError(ErrorCode::FileNotFound, "File not found", path);
  throwFileError(ErrorCode::PathFileAccessError, "Path/File access error", path);
}

std::string readWholeFile(const std::string& path) {
  std::error_code ignored;
  if (fs::is_directory(path, ignored)) throwOpenFailure(path, OpenMode::Input);
  std::ifstream stream(path, std::ios::binary);
  if (!stream) throwOpenFailure(path, OpenMode::Input);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::FILE* openStream(const std::string& path, OpenMode mode) {
  std::FILE* stream = std::fopen(path.c_str(), mode == OpenMode::Append ? "ab" : "wb");
  if (stream == nullptr) throwOpenFailure(path, mode);
  return stream;
}

OpenTextFile& openFile(int fileNumber) {
  if (!isValidFileNumber(fileNumber) || !openFiles()[fileNumber])
    throw RuntimeError(ErrorCode::BadFileNumber, "Bad file name or number: " + std::to_string(fileNumber));
  return *openFiles()[fileNumber];
}

}  // namespace

OpenTextFile& fileOpenForReading(int fileNumber) {
  OpenTextFile& file = openFile(fileNumber);
  if (file.mode != OpenMode::Input) throwFileError(ErrorCode::BadFileMode, "Bad file mode (not open for input)", file.path);
  return file;
}

OpenTextFile& fileOpenForWriting(int fileNumber) {
  OpenTextFile& file = openFile(fileNumber);
  if (file.mode == OpenMode::Input) throwFileError(ErrorCode::BadFileMode, "Bad file mode (open for input)", file.path);
  return file;
}

int FreeFile() {
  for (int fileNumber = 1; fileNumber <= kHighestFileNumber; ++fileNumber)
    if (!openFiles()[fileNumber]) return fileNumber;
  throw RuntimeError(ErrorCode::TooManyFiles, "Too many files");
}

void Open(const std::string& path, OpenMode mode, int fileNumber) {
  if (!isValidFileNumber(fileNumber))
    throw RuntimeError(ErrorCode::BadFileNumber, "Bad file name or number: " + std::to_string(fileNumber));
  if (openFiles()[fileNumber])
    throw RuntimeError(ErrorCode::FileAlreadyOpen, "File already open: number " + std::to_string(fileNumber));
  OpenTextFile file;
  file.mode = mode;
  file.path = withForwardSlashes(path);
  if (mode == OpenMode::Input)
    file.bytes = readWholeFile(file.path);
  else
    file.stream.reset(openStream(file.path, mode));
  openFiles()[fileNumber] = std::move(file);
}

void Close(int fileNumber) {
  if (!isValidFileNumber(fileNumber) || !openFiles()[fileNumber]) return;
  OpenTextFile file = std::move(*openFiles()[fileNumber]);
  openFiles()[fileNumber].reset();
  // The last buffered lines reach the disk here: a refused write must not
  // pass as a file written.
  if (file.stream && std::fclose(file.stream.release()) != 0)
    throwFileError(ErrorCode::DeviceIOError, "Device I/O error", file.path);
}

void CloseAll() {
  std::exception_ptr firstFailure;
  for (int fileNumber = 1; fileNumber <= kHighestFileNumber; ++fileNumber) {
    try {
      Close(fileNumber);
    } catch (const RuntimeError&) {
      if (!firstFailure) firstFailure = std::current_exception();
    }
  }
  if (firstFailure) std::rethrow_exception(firstFailure);
}

bool EndOfFile(int fileNumber) {
  const OpenTextFile& file = openFile(fileNumber);
  return file.mode != OpenMode::Input || file.position >= file.bytes.size();
}
