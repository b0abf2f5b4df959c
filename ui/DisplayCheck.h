#pragma once
// Whether the program can reach a graphical display, decided before the
// application is created: without one the window system's own start-up
// would end the process with a message of its own, in English and with
// advice that does not help.
#include <string>

namespace ui {

// What the process sees of its environment: the chosen window-system
// platform (QT_QPA_PLATFORM), the X display (DISPLAY), the Wayland display
// (WAYLAND_DISPLAY) and the folder of the local X servers' sockets.
struct DisplayEnvironment {
  std::string platform;
  std::string x11Display;
  std::string waylandDisplay;
  std::string x11SocketFolder = "/tmp/.X11-unix";
};

DisplayEnvironment currentDisplayEnvironment();

// An empty text when a display can be reached, or a platform that needs
// none was chosen; otherwise the user's message: the program needs a
// graphical display, which one is missing, and how to run it under a
// virtual one. A local X display (":N") counts only when its server's
// socket is there; a remote one ("host:N") and a Wayland one are trusted.
std::string missingDisplayMessage(const DisplayEnvironment& environment);

}  // namespace ui
