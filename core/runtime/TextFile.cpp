// File numbers: opening, closing and the end-of-file test.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFileTable.h"

namespace {

namespace fs = std::filesystem;

// The largest file a reader takes in (the largest the program knows, a
// block file of the ephemeris, is about 6 MB).
constexpr std::uintmax_t kLargestReadableFile = 256u << 20;

bool diskFullForTesting = false;

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
  // A file far beyond any the program writes or reads is refused before a
  // byte is kept: a corrupt or foreign file must not take all the memory.
  const std::uintmax_t size = fs::file_size(path, ignored);
  if (!ignored && size > kLargestReadableFile)
    throw RuntimeError(ErrorCode::OutOfMemory, "File too large to read (" + std::to_string(size) +
                                                   " bytes, at most " + std::to_string(kLargestReadableFile) +
                                                   "): " + path);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::string temporaryPathBeside(const std::string& path) { return path + ".tmp"; }

// Output goes to a new file beside the target; Append writes at the end of
// the target itself, one whole record per opening.
void openForWriting(OpenTextFile& file) {
  std::error_code ignored;
  if (fs::is_directory(file.path, ignored)) throwOpenFailure(file.path, file.mode);
  const bool replacing = file.mode == OpenMode::Output;
  if (replacing) file.temporaryPath = temporaryPathBeside(file.path);
  const std::string& written = replacing ? file.temporaryPath : file.path;
  std::FILE* stream = std::fopen(written.c_str(), replacing ? "wb" : "ab");
  if (stream == nullptr) throwOpenFailure(file.path, file.mode);
  file.stream.reset(stream);
}

// Flushes and closes the stream; an Output file then replaces its target.
// Returns false when anything was refused; the temporary is gone then and
// the target is as it was.
bool finishWriting(OpenTextFile& file, bool keep) {
  std::FILE* stream = file.stream.release();
  bool written = keep && !file.writeFailed && !diskFullForTesting;
  written = std::fflush(stream) == 0 && written;
  if (written && !file.temporaryPath.empty()) written = ::fsync(::fileno(stream)) == 0;
  written = std::fclose(stream) == 0 && written;
  if (file.temporaryPath.empty()) return written;
  std::error_code failure;
  if (written) fs::rename(file.temporaryPath, file.path, failure);
  if (!written || failure) {
    fs::remove(file.temporaryPath, failure);
    return false;
  }
  return true;
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
    openForWriting(file);
  openFiles()[fileNumber] = std::move(file);
}

void Close(int fileNumber) {
  if (!isValidFileNumber(fileNumber) || !openFiles()[fileNumber]) return;
  OpenTextFile file = std::move(*openFiles()[fileNumber]);
  openFiles()[fileNumber].reset();
  // The last buffered lines reach the disk here: a refused write must not
  // pass as a file written.
  if (file.stream && !finishWriting(file, true))
    throwFileError(ErrorCode::DeviceIOError, "Device I/O error", file.path);
}

void Abandon(int fileNumber) {
  if (!isValidFileNumber(fileNumber) || !openFiles()[fileNumber]) return;
  OpenTextFile file = std::move(*openFiles()[fileNumber]);
  openFiles()[fileNumber].reset();
  if (file.stream) finishWriting(file, file.temporaryPath.empty());
}

void setDiskFullForTesting(bool full) { diskFullForTesting = full; }

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
