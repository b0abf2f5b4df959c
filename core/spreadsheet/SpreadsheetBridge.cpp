#include "core/spreadsheet/SpreadsheetBridge.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

#include "core/runtime/RuntimeError.h"

extern char** environ;

namespace {

constexpr const char* kScriptName = "spreadsheet_bridge.py";
// The Debian Python that python3-uno installs the LibreOffice bridge into.
constexpr const char* kSystemPython = "/usr/bin/python3";
constexpr int kStartTimeoutSeconds = 180;
constexpr int kQuitTimeoutSeconds = 30;
constexpr int kTermTimeoutSeconds = 5;

std::filesystem::path scriptBesideExecutable() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return kScriptName;
  return executable.parent_path() / kScriptName;
}

std::string joinFields(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  return line;
}

// Waits up to `seconds` for the process to end; true when it has.
bool waitForExit(pid_t pid, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (true) {
    const pid_t ended = waitpid(pid, nullptr, WNOHANG);
    if (ended == pid || (ended < 0 && errno == ECHILD)) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t begin = 0;
  while (true) {
    const std::size_t tab = line.find('\t', begin);
    fields.push_back(line.substr(begin, tab - begin));
    if (tab == std::string::npos) return fields;
    begin = tab + 1;
  }
}

ErrorCode errorCodeOfKind(const std::string& kind) {
  if (kind == "notfound") return ErrorCode::FileNotFound;
  if (kind == "unreadable") return ErrorCode::PathFileAccessError;
  if (kind == "sheet") return ErrorCode::SubscriptOutOfRange;
  if (kind == "value") return ErrorCode::TypeMismatch;
  return ErrorCode::InvalidCall;
}

bool fitsInField(const std::string& text) {
  return text.find_first_of("\t\r\n") == std::string::npos;
}

std::string unescapeField(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char escaped = field[++i];
    text += escaped == 't' ? '\t' : escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
  }
  return text;
}

SpreadsheetBridge::SpreadsheetBridge() {
  start();
  const std::string greeting = receiveLine(kStartTimeoutSeconds);
  if (greeting != "ready") {
    const auto fields = splitFields(greeting);
    fail("the spreadsheet helper did not start: " +
         unescapeField(fields.size() == 3 ? fields[2] : greeting));
  }
}

SpreadsheetBridge::~SpreadsheetBridge() {
  if (pid_ >= 0) {
    const std::string quit = "quit\n";
    send(socket_, quit.data(), quit.size(), MSG_NOSIGNAL);
    if (!waitForExit(pid_, kQuitTimeoutSeconds)) endHelper();
  }
  if (socket_ >= 0) close(socket_);
}

bool SpreadsheetBridge::isRunning() {
  if (pid_ >= 0 && waitForExit(pid_, 0)) pid_ = -1;
  return pid_ >= 0;
}

void SpreadsheetBridge::start() {
  const std::filesystem::path script = scriptBesideExecutable();
  if (!std::filesystem::is_regular_file(script))
    throw RuntimeError(ErrorCode::InvalidCall,
                       "the spreadsheet helper " + script.string() + " is missing");
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
    throw RuntimeError(ErrorCode::InvalidCall, "no socket for the spreadsheet helper");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
  const bool systemPython = access(kSystemPython, X_OK) == 0;
  std::string python = systemPython ? kSystemPython : "python3";
  std::string scriptText = script.string();
  char* argv[] = {python.data(), scriptText.data(), nullptr};
  const int spawned = systemPython
      ? posix_spawn(&pid_, python.c_str(), &actions, nullptr, argv, environ)
      : posix_spawnp(&pid_, python.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  socket_ = ends[0];
  if (spawned != 0) {
    pid_ = -1;
    close(socket_);
    socket_ = -1;
    throw RuntimeError(ErrorCode::InvalidCall, "Python 3 does not start");
  }
}

std::vector<std::string> SpreadsheetBridge::request(
    const std::vector<std::string>& fields, int timeoutSeconds) {
  if (pid_ < 0) throw RuntimeError(ErrorCode::InvalidCall, "the spreadsheet helper has ended");
  sendLine(joinFields(fields));
  auto reply = splitFields(receiveLine(timeoutSeconds));
  if (reply[0] == "ok") {
    reply.erase(reply.begin());
    return reply;
  }
  if (reply[0] == "error" && reply.size() == 3)
    throw RuntimeError(errorCodeOfKind(reply[1]), unescapeField(reply[2]));
  fail("the spreadsheet helper answered out of turn");
  return {};
}

void SpreadsheetBridge::sendLine(const std::string& line) {
  const std::string bytes = line + '\n';
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("the spreadsheet helper has gone");
    sent += static_cast<std::size_t>(n);
  }
}

std::string SpreadsheetBridge::receiveLine(int timeoutSeconds) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  while (received_.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) fail("the spreadsheet helper does not answer");
    pollfd wait = {socket_, POLLIN, 0};
    const int ready = poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;
    char buffer[4096];
    const ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("the spreadsheet helper has gone");
    received_.append(buffer, static_cast<std::size_t>(n));
  }
  const std::size_t end = received_.find('\n');
  std::string line = received_.substr(0, end);
  received_.erase(0, end + 1);
  return line;
}

// A helper that has gone or hangs is of no further use: it is ended, and
// this call and every later one fail.
void SpreadsheetBridge::fail(const std::string& why) {
  if (pid_ >= 0) endHelper();
  throw RuntimeError(ErrorCode::InvalidCall, why);
}

void SpreadsheetBridge::endHelper() {
  // SIGTERM lets the script end its LibreOffice; SIGKILL if it will not.
  kill(pid_, SIGTERM);
  if (!waitForExit(pid_, kTermTimeoutSeconds)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  pid_ = -1;
}
