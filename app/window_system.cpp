#include "app/window_system.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tarvex {
namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool starts_with(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// A remark of Qt's, kept until it is known whether Qt started.
struct HeldMessage {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

struct Watch {
  bool active = false;
  QtMessageHandler passed_to = nullptr;
  std::vector<HeldMessage> held;
  std::string why;
};

Watch& watch() {
  static Watch the_watch;
  return the_watch;
}

void hold_or_give_up(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  Watch& w = watch();
  if (type == QtFatalMsg) {
    // Qt is about to abort: nothing it said is of use to the user, and nothing of it needs ending.
    std::fprintf(stderr, "tarvex: cannot open the window: %s\n", w.why.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  w.held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                    context.category ? context.category : "", context.line, text});
}

}  // namespace

WindowSystemChoice WindowSystemChoice::of_this_process(int argc, char** argv) {
  WindowSystemChoice choice;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") choice.platform_option = argv[i + 1];
  }
  choice.platform_variable = variable("QT_QPA_PLATFORM");
  choice.display = variable("DISPLAY");
  choice.wayland_display = variable("WAYLAND_DISPLAY");
  return choice;
}

std::string why_no_window(const WindowSystemChoice& choice) {
  const std::string& asked = !choice.platform_option.empty() ? choice.platform_option : choice.platform_variable;
  // Unasked, Qt tries Wayland first where a Wayland display is named, and X where DISPLAY is set.
  const bool wayland =
      asked.empty() ? !choice.wayland_display.empty() && choice.display.empty() : starts_with(asked, "wayland");
  if (wayland) {
    const std::string name = choice.wayland_display.empty() ? "wayland-0" : choice.wayland_display;
    return "the Wayland display " + name + " cannot be reached";
  }
  if (!asked.empty() && !starts_with(asked, "xcb")) return "the window system '" + asked + "' cannot be started";
  if (choice.display.empty()) return "there is no display (DISPLAY is not set)";
  return "the display " + choice.display + " cannot be reached";
}

WindowSystemWatch::WindowSystemWatch(int argc, char** argv) {
  Watch& w = watch();
  w.why = why_no_window(WindowSystemChoice::of_this_process(argc, argv));
  w.held.clear();
  w.active = true;
  w.passed_to = qInstallMessageHandler(hold_or_give_up);
}

void WindowSystemWatch::started() {
  Watch& w = watch();
  if (!w.active) return;
  w.active = false;
  qInstallMessageHandler(w.passed_to);
  for (const HeldMessage& m : w.held) {
    const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
    w.passed_to(m.type, context, m.text);
  }
  w.held.clear();
}

}  // namespace tarvex
