#pragma once
// The driver's view of the outside world: every message box, started program, window loaded (other
// than the start-up window) and window unloaded is printed as one line as it happens, around the
// real platform and views (headless, Qt or Windows), which do the rest. Programs are only printed,
// never started, and a modal window takes its input from the rest of the script.
#include <functional>
#include <ostream>

#include "toolkit/platform.h"
#include "toolkit/window_view.h"

namespace tarvex {

class RecordingPlatform : public Platform, public ViewMaker {
 public:
  RecordingPlatform(Platform& inner, ViewMaker& inner_views, std::ostream& out)
      : inner_(inner), inner_views_(inner_views), out_(out) {}

  // Carries out the next line of the script; false when there is no more.
  std::function<bool()> pump;
  // The window that the program starts with, whose loading goes without saying.
  const Form* start_up_window = nullptr;

  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override { return inner_.text_width(font, text); }
  void run_modal(Form& window) override;
  void end_program() override { inner_.end_program(); }

  WindowView& make_view(Form& window, UserInput& input) override;
  void drop_view(Form& window, WindowView& view) override;

 private:
  Platform& inner_;
  ViewMaker& inner_views_;
  std::ostream& out_;
};

}  // namespace tarvex
