#pragma once
// The services that the windows need from a real window system: the part that differs between the
// headless substitute and a front end (Qt, Windows), other than the views of the windows
// (window_view.h). Everything else (records, events, focus, windows) is the toolkit's own.
#include <string_view>

#include "core/variant.h"
#include "toolkit/control.h"

namespace tarvex {

class Form;

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with an OK button; returns when the user has closed it.
  virtual void message_box(const Text& caption, const Text& prompt, int buttons) = 0;
  // Starts a program and returns at once; throws std::runtime_error when it cannot.
  virtual void start_program(const Text& command_line, int window_style) = 0;
  // The width in twips of a text drawn in a font, as the window would draw it.
  virtual float text_width(const Font& font, std::u16string_view text) = 0;

  // Takes the user's input until the window has been unloaded (or the input has ended).
  virtual void run_modal(Form& window) = 0;
  // The last window has been unloaded: the program's input ends.
  virtual void end_program() {}
};

}  // namespace tarvex
