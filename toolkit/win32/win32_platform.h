#pragma once
// The toolkit on Windows: each loaded window is a FormView, message boxes are the system's own, the
// home page starts as the program the command line names, and text is measured with GDI in the
// typefaces that the windows draw.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/platform.h"
#include "toolkit/window_view.h"

namespace tarvex::win32 {

class FormView;

// Per-monitor DPI awareness and the common controls, once, before the first window.
void prepare_process();
// The user's number notation from the locale settings, handed to the value rules.
void use_system_notation();

class Win32Platform : public Platform, public ViewMaker {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // Called once each message box is on the screen, from within its own loop (a driver closes it
  // from here).
  std::function<void(HWND box)> message_box_shown;

  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override;
  void run_modal(Form& window) override;
  void end_program() override { PostQuitMessage(0); }

  // A window loaded while another takes the input belongs to that one (the About window to the main
  // window); the first window has none.
  WindowView& make_view(Form& window, UserInput& input) override;
  // A closed view is deleted once the message in which it closed has been handled.
  void drop_view(Form&, WindowView&) override {}
  // The window's view, nullptr while it has none.
  static FormView* view_of(const Form& window);

  // Waits for the next message and hands it on: the window's keys to its view first, then
  // Windows. False once the program has been asked to quit.
  bool pump_one();
  // Hands on every message already waiting, without waiting for more.
  void pump_waiting();
  // Runs the program's input until no window is left.
  int run();

 private:
  void dispatch(MSG& message);

  std::vector<std::unique_ptr<FormView>> views_;
  bool quit_ = false;
  int exit_code_ = 0;
};

}  // namespace tarvex::win32
