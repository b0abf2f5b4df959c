#pragma once
// Text files by file number, as every procedure and window of the program
// uses them. Written files: print zones of 14 columns, numbers with a blank
// for the sign and a trailing blank, CR LF line ends, Windows-1251. Readers
// take CR LF or LF. Paths are UTF-8 inside the program.
#include <string>
#include <variant>
#include <vector>

enum class OpenMode { Input, Output, Append };

int FreeFile();
// Throws RuntimeError(FileNotFound / PathNotFound) when the file or its
// folder is missing, FileAlreadyOpen when the number is in use.
void Open(const std::string& path, OpenMode mode, int fileNumber);
void Close(int fileNumber);  // closing a closed file is harmless
void CloseAll();
bool EOF(int fileNumber);

// One item of a Print # line: a number (printed with its sign blank and a
// trailing blank) or a text (printed as it stands).
using PrintItem = std::variant<double, std::string>;
// Items separated by commas: each item starts in the next 14-column zone.
void PrintZones(int fileNumber, const std::vector<PrintItem>& items);
// Items separated by semicolons: printed one after the other.
void PrintJoined(int fileNumber, const std::vector<PrintItem>& items);
// A number as Print writes it: the default number text with a blank in
// place of a plus sign and a trailing blank (" 5 ", "-2,5 ").
std::string printedNumber(double value);

// List input: the next field up to a blank, a comma or a line end. Numbers
// take a decimal point and exponents written with E or D. Reading past the
// end throws InputPastEnd; a field that is no number throws TypeMismatch.
double InputNumber(int fileNumber);
std::string InputText(int fileNumber);
// The rest of the current line, without its line end.
std::string LineInput(int fileNumber);

// Windows-1251 <-> UTF-8.
std::string utf8ToCp1251(const std::string& text);
std::string cp1251ToUtf8(const std::string& bytes);
