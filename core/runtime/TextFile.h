#pragma once
// Text files by file number, as every procedure and window of the program
// uses them. Written files: print zones of 14 columns, numbers with a blank
// for the sign and a trailing blank, CR LF line ends, Windows-1251. Readers
// take CR LF or LF. Paths are UTF-8 inside the program.
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class OpenMode { Input, Output, Append };

// FreeFile: the lowest file number (1..511) not in use; none left throws
// RuntimeError(TooManyFiles).
int FreeFile();
// Open: opens a file under a number.
// Given:    path (UTF-8; a "\" is taken as "/", so a path written the classic
//           way still names the same file); mode: Input reads the whole file
//           at once, Output writes a new file that replaces the old one at
//           Close (the lines go to path + ".tmp" until then, a file created
//           afresh: a ".tmp" left by an interrupted save is removed first, a
//           link in its place is removed, never followed), Append creates
//           the file or writes at its end; fileNumber 1..511
// Notes:    throws RuntimeError: FileNotFound (no such file for Input),
//           PathNotFound (its folder is missing; folders are never created),
//           PathFileAccessError (a folder, or no permission, or the temporary
//           cannot be created), FileAlreadyOpen (the number is in use),
//           BadFileNumber (outside 1..511), OutOfMemory (a file to read
//           larger than 256 MB). An error of the file itself names the file
//           and the reason (RuntimeError::file, cause).
void Open(const std::string& path, OpenMode mode, int fileNumber);
// Close: closes a file; closing a closed file is harmless. A file open for
// Output is synced to the disk and then takes the place of the old file,
// and the folder is synced after it. What one opening for Append wrote is
// kept whole or not at all.
// Notes:    a write or a close the system refused throws DeviceIOError with
//           the file and the reason; a file open for Output then leaves the
//           old file as it was, a file open for Append is cut back to its
//           length at the opening.
void Close(int fileNumber);
// Abandon: closes a file after a failed save: a file open for Output keeps
// nothing of what was written and the old file stays as it was; a file open
// for Append is cut back to its length at the opening. Never throws.
void Abandon(int fileNumber);
void CloseAll();
// Tests only: the disk takes that many more bytes and refuses the rest, as
// a full disk does (the write that passes the limit is cut short); none
// given: as many as the disk takes. setDiskFullForTesting(true) leaves no
// room at all.
void setDiskSpaceForTesting(std::optional<std::uintmax_t> bytes);
void setDiskFullForTesting(bool full);
// EndOfFile (the classic EOF, a name the C library keeps as a macro): true
// when a file open for input has nothing more to read (always true for a file
// open for output). An unopened number throws BadFileNumber.
bool EndOfFile(int fileNumber);

// A number as Print writes it: the default number text with a blank in
// place of a plus sign and a trailing blank (" 5 ", "-2,5 ").
std::string printedNumber(double value);
std::string printedNumber(float value);  // with the digits of a Single

// One item of a Print # line: a number (printed with its sign blank and a
// trailing blank, whole numbers of any type included) or a text (printed as
// it stands).
class PrintItem {
 public:
  PrintItem(double value) : text_(printedNumber(value)) {}
  PrintItem(float value) : text_(printedNumber(value)) {}
  template <std::integral Whole>
    requires(!std::same_as<Whole, bool> && !std::same_as<Whole, char>)
  PrintItem(Whole value) : text_(printedNumber(static_cast<double>(value))) {}
  PrintItem(std::string text) : text_(std::move(text)) {}
  PrintItem(const char* text) : text_(text) {}
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// PrintZones: items separated by commas, then CR LF. Each item starts in the
// next 14-column zone (columns 1, 15, 29, 43, ...) after the columns the
// previous item took; an item reaching or passing a zone start pushes the
// next item one zone further; the gap is filled with blanks. A text holding
// a line end starts counting columns anew after it.
// Notes:    a file open for input throws BadFileMode; a refused write throws
//           DeviceIOError.
void PrintZones(int fileNumber, const std::vector<PrintItem>& items);
// PrintJoined: items separated by semicolons: one after the other, then CR LF.
// An empty list writes an empty line.
void PrintJoined(int fileNumber, const std::vector<PrintItem>& items);

// List input. A number field ends at a blank, a comma or a line end; blanks
// and line ends before it are skipped (line ends do not matter between
// numbers). A number takes an optional sign, a decimal point and an exponent
// written with E or D ("0.245153650000000000D+07"). A text field starts after
// the blanks before it and ends at a comma or a line end (its trailing blanks
// dropped), or is a quoted text up to its closing quote; an empty line is an
// empty text. The comma or line end that ends a field is taken with it.
// Notes:    reading at the end throws InputPastEnd; a number field that is not
//           wholly a number (an empty field between two commas included)
//           throws TypeMismatch; a file open for output throws BadFileMode.
double InputNumber(int fileNumber);
std::string InputText(int fileNumber);
// LineInput: the rest of the current line without its line end (CR LF, LF or
// CR); at the end of the file throws InputPastEnd.
std::string LineInput(int fileNumber);

// Windows-1251 <-> UTF-8. A character with no Windows-1251 byte (and a
// malformed UTF-8 sequence) is written as "?"; the unused byte 0x98 reads as
// U+FFFD.
std::string utf8ToCp1251(const std::string& text);
std::string cp1251ToUtf8(const std::string& bytes);
