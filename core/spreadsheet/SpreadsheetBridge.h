#pragma once
// The helper process behind Spreadsheet: spreadsheet_bridge.py run by the
// system's Python 3 (the one that has the LibreOffice bridge), spoken to one
// line at a time over a socket pair that is its stdin and stdout. The
// protocol is written down at the top of the script.
#include <sys/types.h>

#include <string>
#include <vector>

#include "core/runtime/RuntimeError.h"

class SpreadsheetBridge {
 public:
  // Starts the helper and waits until its LibreOffice is ready; throws
  // RuntimeError(InvalidCall) when the script, Python or LibreOffice is
  // missing or the start takes too long.
  SpreadsheetBridge();
  // Asks the helper to end, waits a while, then ends it by force.
  ~SpreadsheetBridge();
  SpreadsheetBridge(const SpreadsheetBridge&) = delete;
  SpreadsheetBridge& operator=(const SpreadsheetBridge&) = delete;

  // Sends one request (its fields joined by tabs) and gives the fields of
  // an "ok" reply after the "ok"; an "error" reply throws the RuntimeError
  // that its kind stands for. A helper that has gone or does not answer
  // in time throws RuntimeError(InvalidCall), and so does every later call.
  std::vector<std::string> request(const std::vector<std::string>& fields,
                                   int timeoutSeconds);
  // False once the helper has ended or has been ended for not answering.
  bool isRunning();

 private:
  void start();
  void sendLine(const std::string& line);
  std::string receiveLine(int timeoutSeconds);
  void fail(const std::string& why);
  void endHelper();

  pid_t pid_ = -1;
  int socket_ = -1;
  std::string received_;  // bytes after the last whole line
};

// The tab-separated fields of one line of the helper (at least one).
std::vector<std::string> splitFields(const std::string& line);
// Whether a text can travel as one field of a request (no tab, no line end).
bool fitsInField(const std::string& text);
// The text of a reply field, with its escapes undone.
std::string unescapeField(const std::string& field);
// The error that a failure kind of the helper ("notfound", "value", ...) stands for.
ErrorCode errorCodeOfKind(const std::string& kind);
