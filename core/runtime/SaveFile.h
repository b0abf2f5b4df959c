#pragma once
// The one way a handler replaces a whole text file: the new text goes to a
// file beside the old one, which it replaces only when everything was
// written and closed without an error. A failed save leaves the old file as
// it was and shows the handler's own message.
#include <functional>
#include <string>

struct FileMessages {
  std::string cannotOpen;  // no free file number, or Open refused
  std::string failed;      // a read or write after the opening failed
  std::string title;
};

// saveTextFile: writes a file under a handler's error traps.
// Given:    path (as Open takes it), fileNumber (free), the messages, and
//           write, which prints the whole text into the file number
// Returns:  true when the file was replaced; false after one message box:
//           cannotOpen when Open refused, failed when write threw (a value
//           that cannot be formatted included), raised a floating-point
//           flag, or the close was refused. The file number is free again
//           in every case.
bool saveTextFile(const std::string& path, int fileNumber, const FileMessages& messages,
                  const std::function<void(int fileNumber)>& write);
