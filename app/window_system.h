#pragma once
// Starting Qt on the user's window system. When Qt cannot reach it, it prints lines of its own ("could
// not connect to display", advice to reinstall the application) and aborts, which tells the user
// nothing true. While the QApplication is built, Qt's remarks are held back: if Qt gives up, the
// program says in one line why the window cannot open and ends with status 1; if it starts, the
// remarks are passed on as Qt would have printed them.
#include <string>

namespace tarvex {

// What decides which window system Qt tries: its -platform option, QT_QPA_PLATFORM, DISPLAY and
// WAYLAND_DISPLAY (empty when not set).
struct WindowSystemChoice {
  std::string platform_option;
  std::string platform_variable;
  std::string display;
  std::string wayland_display;

  static WindowSystemChoice of_this_process(int argc, char** argv);
};

// Why the window cannot open, in the user's words: "there is no display (DISPLAY is not set)".
std::string why_no_window(const WindowSystemChoice& choice);

class WindowSystemWatch {
 public:
  // Call just before the QApplication is built.
  WindowSystemWatch(int argc, char** argv);
  ~WindowSystemWatch() { started(); }
  WindowSystemWatch(const WindowSystemWatch&) = delete;
  WindowSystemWatch& operator=(const WindowSystemWatch&) = delete;

  // Call once the QApplication is built: Qt's held remarks go where they would have gone.
  void started();
};

}  // namespace tarvex
