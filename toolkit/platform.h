#pragma once
// What the windows need from a real window system: the part that differs between the headless
// substitute and a front end (Qt, Windows). Everything else (records, events, focus, windows) is the
// toolkit's own. A front end implements this and a PropertyObserver per window (form.h), which it
// sets with Form::set_observer when the window is loaded; it builds the window's widgets from the
// record when the window is shown; and it hands what the user does to UserInput::perform as a
// UserAction (user_input.h). It reads records, never writes them.
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

  // A window's life, for a view to build, show and remove its widgets. At window_shown the record is
  // as its Form_Load left it, and nothing of it has been told before. A modal window is shown over
  // its owner, which takes no input until it is gone.
  virtual void window_loaded(Form&) {}
  virtual void window_shown(Form&, Form* /*owner*/, bool /*modal*/) {}
  virtual void window_unloaded(Form&) {}
  // The record of a window that is still loaded is going away (its program's input has ended).
  virtual void window_destroyed(Form&) {}
  // The toolkit has given the focus to a control (or taken it back to one the view moved away from).
  virtual void focus_moved(Form&, Control*) {}
  // Takes the user's input until the window has been unloaded (or the input has ended).
  virtual void run_modal(Form& window) = 0;
};

}  // namespace tarvex
