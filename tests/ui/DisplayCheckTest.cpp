// The check for a graphical display before the application starts: which
// environments let the program start and what it says when none does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/core/support/ScratchFolder.h"
#include "ui/DisplayCheck.h"

namespace {

TEST(DisplayCheck, StartsOnlyWhereADisplayCanBeReached) {
  const ScratchFolder scratch("x11-sockets");
  const std::filesystem::path& sockets = scratch.path();
  std::ofstream(sockets / "X7").put('\0');  // a running local server :7
  struct Row {
    const char* what;
    const char* platform;
    const char* display;
    const char* wayland;
    bool starts;
    const char* named;  // what the message says is missing
  };
  const Row rows[] = {
      {"nothing set", "", "", "", false, "переменная DISPLAY не задана"},
      {"local server running", "", ":7", "", true, ""},
      {"screen of a running server", "", ":7.0", "", true, ""},
      {"local server not running", "", ":8", "", false, "дисплей :8 недоступен"},
      {"remote display trusted", "", "localhost:10.0", "", true, ""},
      {"Wayland session", "", "", "wayland-0", true, ""},
      {"X asked for, only Wayland there", "xcb", "", "wayland-0", false, "переменная DISPLAY не задана"},
      {"Wayland asked for, none there", "wayland", ":7", "", false, "WAYLAND_DISPLAY не задана"},
      {"drawing off screen needs none", "offscreen", "", "", true, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ui::DisplayEnvironment environment{row.platform, row.display, row.wayland, sockets.string()};
    const std::string text = ui::missingDisplayMessage(environment);
    EXPECT_EQ(text.empty(), row.starts) << text;
    if (row.starts) continue;
    EXPECT_NE(text.find("программе нужен графический дисплей"), std::string::npos);
    EXPECT_NE(text.find(row.named), std::string::npos) << text;
    EXPECT_NE(text.find("xvfb-run"), std::string::npos);
  }
}

}  // namespace
