#pragma once
// What the drivers of runs through a window share: the offscreen platform
// unless a display is set, a program folder of their own with the
// perturbation coefficients the windows load, message boxes answered at
// once, and the least wall and processor time of repeated runs.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <initializer_list>
#include <memory>

#include "core/runtime/MessageBoxRecorder.h"
#include "core/runtime/ProgramFolder.h"
#include "core/state/StartUpState.h"
#include "ui/Forms.h"
#include "ui/Runtime.h"

namespace bench {

inline double processorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

inline std::filesystem::path fixturesFolder() { return CELVAN_FIXTURES_DIR; }

// The application with the windows' run-time, the shared state as after the
// program's start, and a fresh program folder with "Dat" and the given
// sub-folders, removed at the end.
class WindowRun {
 public:
  WindowRun(int& argc, char** argv, std::initializer_list<const char*> subfolders)
      : application_(offscreenUnlessDisplayed(argc), argv) {
    ui::installRuntime(application_);
    ui::endProcessWithLastForm(false);
    boxes_ = std::make_unique<MessageBoxRecorder>();  // in place of the dialogs
    startWithStartUpState();
    char pattern[] = "/tmp/celvan-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::create_directories(folder_ / "Dat");
    for (const char* sub : subfolders) std::filesystem::create_directories(folder_ / sub);
    std::filesystem::copy_file(fixturesFolder() / ".." / ".." / "data" / "Dat" / "dL1.dat", folder_ / "Dat" / "dL1.dat");
    setProgramFolder(folder_.string());
  }
  ~WindowRun() { std::filesystem::remove_all(folder_); }
  WindowRun(const WindowRun&) = delete;
  WindowRun& operator=(const WindowRun&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  // "message boxes: n, the last: ..." for the end of a driver's report.
  void printMessageBoxes() const {
    std::printf("message boxes: %d%s%s\n", boxes_->count(), boxes_->count() > 0 ? ", the last: " : "",
                boxes_->count() > 0 ? boxes_->last().text.c_str() : "");
  }

  // Times one run (what the function does) and keeps the least times. The
  // events pending before it (the first painting of a window just shown and
  // filled in) are handled first, as they are long before a user presses a
  // button, so that the time is the run's own.
  template <class Run>
  void time(Run run) {
    QApplication::processEvents();
    const double processorStart = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    run();
    leastWall = std::min(leastWall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    leastProcessor = std::min(leastProcessor, processorSeconds() - processorStart);
  }
  double leastWall = 1e30, leastProcessor = 1e30;

 private:
  static int& offscreenUnlessDisplayed(int& argc) {
    if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
  }
  QApplication application_;
  std::unique_ptr<MessageBoxRecorder> boxes_;
  std::filesystem::path folder_;
};

}  // namespace bench
