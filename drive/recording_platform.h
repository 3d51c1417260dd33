#pragma once
// The driver's view of the outside world: every message box, started program, window loaded (other
// than the start-up window) and window unloaded is printed as one line as it happens, around the
// real platform (headless or Qt), which does the rest. Programs are only printed, never started, and
// a modal window takes its input from the rest of the script.
#include <functional>
#include <ostream>

#include "toolkit/platform.h"

namespace tarvex {

class RecordingPlatform : public Platform {
 public:
  RecordingPlatform(Platform& inner, std::ostream& out) : inner_(inner), out_(out) {}

  // Carries out the next line of the script; false when there is no more.
  std::function<bool()> pump;
  // The window that the program starts with, whose loading goes without saying.
  const Form* start_up_window = nullptr;

  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override { return inner_.text_width(font, text); }
  void window_loaded(Form& window) override;
  void window_shown(Form& window, Form* owner, bool modal) override { inner_.window_shown(window, owner, modal); }
  void window_unloaded(Form& window) override;
  void window_destroyed(Form& window) override { inner_.window_destroyed(window); }
  void focus_moved(Form& window, Control* control) override { inner_.focus_moved(window, control); }
  void run_modal(Form& window) override;

 private:
  Platform& inner_;
  std::ostream& out_;
};

}  // namespace tarvex
