// File numbers: opening, closing and the end-of-file test.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFileTable.h"

namespace {

namespace fs = std::filesystem;

// The largest file a reader takes in (the largest the program knows, a
// block file of the ephemeris, is about 6 MB).
constexpr std::uintmax_t kLargestReadableFile = 256u << 20;
constexpr const char* kTooLargeCause = "файл больше 256 МБ";
// Written lines are handed to the system in pieces of about this size, and
// what is left at the close.
constexpr std::size_t kWritePiece = 64u << 10;

// The bytes the disk still takes, while a test sets it; none set: as many
// as the disk itself takes.
std::optional<std::uintmax_t> diskSpaceForTesting;

// Slot 0 is never used, so that a slot's index is its file number.
std::array<std::optional<OpenTextFile>, kHighestFileNumber + 1>& openFiles() {
  static std::array<std::optional<OpenTextFile>, kHighestFileNumber + 1> files;
  return files;
}

bool isValidFileNumber(int fileNumber) { return fileNumber >= 1 && fileNumber <= kHighestFileNumber; }

[[noreturn]] void throwFileError(ErrorCode code, const char* what, const std::string& path, const std::string& cause) {
  throw RuntimeError(code, std::string(what) + ": " + path, path, cause);
}

std::string withForwardSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// The error an open that the system refused (with systemError) stands for.
[[noreturn]] void throwOpenFailure(const std::string& path, OpenMode mode, int systemError) {
  const std::string cause = causeOfFileFailure(systemError);
  std::error_code ignored;
  const fs::path file(path);
  const fs::path folder = file.parent_path();
  if (!folder.empty() && !fs::is_directory(folder, ignored))
    throwFileError(ErrorCode::PathNotFound, "Path not found", path, cause);
  if (mode == OpenMode::Input && !fs::exists(file, ignored))
    throwFileError(ErrorCode::FileNotFound, "File not found", path, cause);
  throwFileError(ErrorCode::PathFileAccessError, "Path/File access error", path, cause);
}

// A file far beyond any the program writes or reads is refused before it
// is kept: a corrupt or foreign file must not take all the memory.
[[noreturn]] void throwTooLargeToRead(const std::string& path) {
  throwFileError(ErrorCode::OutOfMemory, "File too large to read", path, kTooLargeCause);
}

// Reads an open file to its end; the system's error number, or 0.
int readToEnd(int descriptor, const std::string& path, std::string& bytes) {
  char piece[1 << 16];
  for (;;) {
    const ssize_t got = ::read(descriptor, piece, sizeof piece);
    if (got == 0) return 0;
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.append(piece, static_cast<std::size_t>(got));
    if (bytes.size() > kLargestReadableFile) throwTooLargeToRead(path);
  }
}

// Closes a file descriptor when the scope ends, whatever ends it.
struct ClosedAtScopeEnd {
  int descriptor;
  ~ClosedAtScopeEnd() { ::close(descriptor); }
};

std::string readWholeFile(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) throwOpenFailure(path, OpenMode::Input, errno);
  const ClosedAtScopeEnd closed{descriptor};
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) throwOpenFailure(path, OpenMode::Input, errno);
  if (S_ISDIR(status.st_mode)) throwOpenFailure(path, OpenMode::Input, EISDIR);
  if (static_cast<std::uintmax_t>(status.st_size) > kLargestReadableFile) throwTooLargeToRead(path);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  const int failure = readToEnd(descriptor, path, bytes);
  if (failure != 0) throwOpenFailure(path, OpenMode::Input, failure);
  return bytes;
}

// Output: the new file beside the target, always created afresh. A new file
// that an interrupted save left there is removed first, and the name is
// never followed through a link put in its place.
int createNewFileBeside(const std::string& target, const std::string& temporary) {
  if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
    const int failure = errno;
    std::error_code ignored;
    if (fs::is_directory(temporary, ignored))
      throwFileError(ErrorCode::PathFileAccessError, "Path/File access error", target,
                     "на месте нового файла " + fs::path(temporary).filename().string() + " стоит папка");
    throwOpenFailure(target, OpenMode::Output, failure);
  }
  const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (descriptor < 0) throwOpenFailure(target, OpenMode::Output, errno);
  return descriptor;
}

// Output goes to a new file beside the target; Append writes at the end of
// the target itself, one whole record per opening.
void openForWriting(OpenTextFile& file) {
  std::error_code ignored;
  if (fs::is_directory(file.path, ignored)) throwOpenFailure(file.path, file.mode, EISDIR);
  if (file.mode == OpenMode::Output) {
    file.temporaryPath = file.path + ".tmp";
    file.descriptor = createNewFileBeside(file.path, file.temporaryPath);
    return;
  }
  file.descriptor = ::open(file.path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (file.descriptor < 0) throwOpenFailure(file.path, file.mode, errno);
  file.lengthBefore = ::lseek(file.descriptor, 0, SEEK_END);
}

// Hands bytes to the system; its error number when it refused them, or 0.
// A disk that a test has set nearly full takes what fits and refuses the
// rest, as a full disk does.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t size = bytes.size();
    if (diskSpaceForTesting) {
      if (*diskSpaceForTesting == 0) return ENOSPC;
      size = static_cast<std::size_t>(std::min<std::uintmax_t>(size, *diskSpaceForTesting));
    }
    const ssize_t written = ::write(descriptor, bytes.data(), size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (diskSpaceForTesting) *diskSpaceForTesting -= static_cast<std::uintmax_t>(written);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The lines kept so far handed to the system; false once it refused any.
bool writeUnwritten(OpenTextFile& file) {
  if (file.refusal == 0) file.refusal = writeAll(file.descriptor, file.unwritten);
  file.unwritten.clear();
  return file.refusal == 0;
}

bool refused(OpenTextFile& file, int systemError) {
  file.refusal = systemError;
  return false;
}

// The folder's entry of a replaced file reaches the disk too, so that the
// replacement survives a power cut. The new file itself is complete and in
// place by then: a folder that cannot be synced is left to the system.
void syncFolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// Hands the last lines to the system and closes the file. An Output file is
// synced to the disk and then takes the place of its target; an Append
// file whose writing failed is cut back to its length at the opening, so
// that a record is there whole or not at all. Returns false when anything
// was refused (the reason kept in refusal) or keep is false; the new file
// of an Output is gone then and the target is as it was.
bool finishWriting(OpenTextFile& file, bool keep) {
  const bool replacing = !file.temporaryPath.empty();
  bool written = keep && writeUnwritten(file);
  if (written && replacing && ::fsync(file.descriptor) != 0) written = refused(file, errno);
  if (!written && !replacing && file.lengthBefore >= 0) {
    [[maybe_unused]] const int cut = ::ftruncate(file.descriptor, file.lengthBefore);
  }
  if (::close(file.descriptor) != 0 && written) written = refused(file, errno);
  file.descriptor = -1;
  if (!replacing) return written;
  if (written && ::rename(file.temporaryPath.c_str(), file.path.c_str()) != 0) written = refused(file, errno);
  if (!written) {
    ::unlink(file.temporaryPath.c_str());
    return false;
  }
  syncFolderOf(file.path);
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
  if (file.mode != OpenMode::Input)
    throw RuntimeError(ErrorCode::BadFileMode, "Bad file mode (not open for input): " + file.path);
  return file;
}

OpenTextFile& fileOpenForWriting(int fileNumber) {
  OpenTextFile& file = openFile(fileNumber);
  if (file.mode == OpenMode::Input)
    throw RuntimeError(ErrorCode::BadFileMode, "Bad file mode (open for input): " + file.path);
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
  if (file.descriptor >= 0 && !finishWriting(file, true))
    throwFileError(ErrorCode::DeviceIOError, "Device I/O error", file.path, causeOfFileFailure(file.refusal));
}

void Abandon(int fileNumber) {
  if (!isValidFileNumber(fileNumber) || !openFiles()[fileNumber]) return;
  OpenTextFile file = std::move(*openFiles()[fileNumber]);
  openFiles()[fileNumber].reset();
  if (file.descriptor >= 0) finishWriting(file, false);
}

void writeBytes(OpenTextFile& file, const std::string& bytes) {
  file.unwritten += bytes;
  if (file.unwritten.size() >= kWritePiece) writeUnwritten(file);
  if (file.refusal != 0)
    throwFileError(ErrorCode::DeviceIOError, "Device I/O error", file.path, causeOfFileFailure(file.refusal));
}

void setDiskSpaceForTesting(std::optional<std::uintmax_t> bytes) { diskSpaceForTesting = bytes; }

void setDiskFullForTesting(bool full) { setDiskSpaceForTesting(full ? std::optional<std::uintmax_t>(0) : std::nullopt); }

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
