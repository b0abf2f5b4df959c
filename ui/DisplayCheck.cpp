#include "ui/DisplayCheck.h"

#include <cstdlib>
#include <filesystem>

namespace ui {
namespace {

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Platforms of the window system that draw without any display.
bool needsNoDisplay(const std::string& platform) {
  for (const char* own : {"offscreen", "minimal", "vnc", "linuxfb", "eglfs", "vkkhrdisplay"})
    if (platform.rfind(own, 0) == 0) return true;
  return false;
}

// The number of a local X display ":N" or ":N.S", or an empty text for a
// display on another host (or one written in a form we do not know).
std::string localDisplayNumber(const std::string& display) {
  if (display.empty() || display[0] != ':') return {};
  const std::size_t end = display.find('.', 1);
  const std::string number = display.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return {};
  return number;
}

bool x11Reachable(const DisplayEnvironment& environment) {
  const std::string& display = environment.x11Display;
  if (display.empty()) return false;
  const std::string number = localDisplayNumber(display);
  if (number.empty()) return true;
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(environment.x11SocketFolder) / ("X" + number), error);
}

std::string message(const std::string& what) {
  return "Celvan: программе нужен графический дисплей, а " + what +
         ".\n"
         "Запустите её из графического сеанса или под виртуальным дисплеем, например:\n"
         "    xvfb-run -a -s \"-screen 0 1280x800x24\" build/bin/celvan\n"
         "(xvfb-run входит в пакет xvfb: sudo apt-get install xvfb).\n";
}

}  // namespace

DisplayEnvironment currentDisplayEnvironment() {
  DisplayEnvironment environment;
  environment.platform = environmentValue("QT_QPA_PLATFORM");
  environment.x11Display = environmentValue("DISPLAY");
  environment.waylandDisplay = environmentValue("WAYLAND_DISPLAY");
  return environment;
}

std::string missingDisplayMessage(const DisplayEnvironment& environment) {
  const std::string& platform = environment.platform;
  if (needsNoDisplay(platform)) return {};
  const bool wantsWayland = platform.rfind("wayland", 0) == 0;
  const bool wantsX11 = platform.rfind("xcb", 0) == 0;
  if (!wantsX11 && !environment.waylandDisplay.empty()) return {};
  if (!wantsWayland && x11Reachable(environment)) return {};
  if (wantsWayland) return message("дисплей Wayland не найден (переменная WAYLAND_DISPLAY не задана)");
  if (environment.x11Display.empty()) return message("переменная DISPLAY не задана");
  return message("дисплей " + environment.x11Display + " недоступен (его X-сервер не запущен)");
}

}  // namespace ui
