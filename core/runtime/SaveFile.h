#pragma once
// The one way a handler replaces a whole text file: the new text goes to a
// file beside the old one, which it replaces only when everything was
// written and closed without an error. A failed save leaves the old file as
// it was and shows the handler's own message, with a second line naming the
// file and the system's reason when the file was refused.
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
// The same on a free file number, taken under the trap of the opening.
bool saveTextFile(const std::string& path, const FileMessages& messages,
                  const std::function<void(int fileNumber)>& write);

// appendTextRecord: one record added at the end of a file (created when
// missing) on a free file number: all that write prints, or none of it when
// a write fails. Errors pass on to the caller's trap; the file number is
// free again in every case.
void appendTextRecord(const std::string& path, const std::function<void(int fileNumber)>& write);
