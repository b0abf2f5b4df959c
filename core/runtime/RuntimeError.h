#pragma once
// Run-time errors of the program. Handlers with an error trap catch them at
// their edge and show one message box; procedures of the shared modules have
// no trap of their own and let them pass to the calling handler.
#include <stdexcept>
#include <string>
#include <utility>

// The classic error numbers, kept so that a trap can tell the kinds apart.
enum class ErrorCode {
  InvalidCall = 5,       // invalid argument (square root of a negative, ...)
  Overflow = 6,          // overflow of a number or of a 16/32-bit conversion
  OutOfMemory = 7,       // a file too large to read
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,     // text that does not convert to a number
  BadFileNumber = 52,    // a file number that is not open (or out of 1..511)
  FileNotFound = 53,
  BadFileMode = 54,      // printing to a file open for input, reading one open for output
  FileAlreadyOpen = 55,
  DeviceIOError = 57,    // a write that the disk refused
  InputPastEnd = 62,
  TooManyFiles = 67,     // no free file number left
  PathFileAccessError = 75,  // a folder opened as a file, a file without permission
  PathNotFound = 76,
};

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorCode code, const std::string& what)
      : std::runtime_error(what), code_(code) {}
  // An error of a file names the file and the reason in the user's words
  // ("нет места на диске"), so that a handler can show them beside its own
  // message.
  RuntimeError(ErrorCode code, const std::string& what, std::string file, std::string cause)
      : std::runtime_error(what), code_(code), file_(std::move(file)), cause_(std::move(cause)) {}
  ErrorCode code() const { return code_; }
  const std::string& file() const { return file_; }    // empty when no file is named
  const std::string& cause() const { return cause_; }

 private:
  ErrorCode code_;
  std::string file_;
  std::string cause_;
};

// IEEE arithmetic does not raise: a trap clears the floating-point exception
// flags where its protected work begins and tests them where the work ends
// (and at each pass of a long loop). Division by zero, overflow and invalid
// operations (square root of a negative, 0/0) become RuntimeErrors.
void clearFloatingPointFlags();
void throwOnFloatingPointFlags();

// Checked index into a table with the given bounds (inclusive), as the
// classic arrays refuse an index out of range. The test is inline, since
// the tables are read in the model's inner loops; the error is raised out
// of line.
[[noreturn]] void throwIndexOutOfRange(long index, long lowest, long highest);
inline void checkIndex(long index, long lowest, long highest) {
  if (index < lowest || index > highest) [[unlikely]]
    throwIndexOutOfRange(index, lowest, highest);
}
