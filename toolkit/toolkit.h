#pragma once
// The window toolkit as the windows see it: loading, showing and unloading windows, focus, the
// message box, starting a program, text measurement, and the dispatch of user events, which catches
// any error that escapes the handlers and tells the user, so that no error ends the program.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/variant.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "toolkit/program.h"
#include "toolkit/window_view.h"

namespace tarvex {

inline constexpr int kOkOnly = 0;
inline constexpr int kMinimizedFocus = 2;

class Toolkit {
 public:
  explicit Toolkit(Platform& platform) : platform_(platform) {}
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

  Platform& platform() { return platform_; }
  // Each window loaded from now on gets a view from views, which hands what the user does to input.
  // Without it, windows are records only (or show in the views that tests set on them).
  void show_windows_in(ViewMaker& views, UserInput& input) {
    views_ = &views;
    input_ = &input;
  }

  // --- Windows ---
  // Runs the window's Form_Load.
  void Load(Form& window);
  // Shows the window and gives the focus to the first stop of its tab order.
  void Show(Form& window);
  // Shows the window over its owner and returns only after it has been unloaded.
  void ShowModal(Form& window, Form& owner);
  void Unload(Form& window);
  // Drops a window from the toolkit's lists without unloading it (it is being destroyed).
  void forget(Form& window);

  // The window that takes the user's input: the last one shown that is still loaded.
  Form* active_window() const;
  const std::vector<Form*>& loaded_windows() const { return loaded_; }
  // The program runs while any window is loaded.
  bool running() const { return !loaded_.empty(); }

  // --- Services ---
  // Without a caption the program's title is used.
  void MsgBox(const Text& prompt, int buttons = kOkOnly, const Text& caption = {});
  void Shell(const Text& command_line, int window_style);
  float text_width(const Font& font, std::u16string_view text) { return platform_.text_width(font, text); }

  // Moves the focus within its window: the focus-lost handler of the old owner runs before the
  // focus-gained handler of the new one. Moving it to the control that has it runs nothing.
  void move_focus(Control& to);

  // Runs one user event. Whatever escapes its handlers is reported in a message box, and the window
  // goes on taking input: nothing that a handler throws ends the program. The properties it changed
  // reach the views when it ends (see WindowView). Returns the words the user was given when
  // the event failed (the program's start needs them when its window never came up).
  std::optional<Text> dispatch(const std::function<void()>& event);

  // A property of a shown window has changed: held for its view while a dispatch runs, else told at once.
  void note_change(Form& window, Control& control, PropertyBase& property, bool made_in_widget);
  // A window announced a command's outcome: told to its view after the changes held so far.
  void note_announcement(Form& window);
  // Hands the changes held so far to the views, as the dispatch ends or before a modal wait.
  void deliver_changes();

 private:
  void show(Form& window, Form* owner, bool modal);
  // The window's view is closed and handed back to the front end.
  void close_view(Form& window);
  void drop_changes_of(const Form& window, bool records_alive);
  void deliver_held_changes();

  struct HeldChange {
    Form* window;
    Control* control;
    PropertyBase* property;
    bool made_in_widget;
  };

  Platform& platform_;
  ViewMaker* views_ = nullptr;
  UserInput* input_ = nullptr;
  std::vector<Form*> loaded_;
  std::vector<Form*> shown_;  // in the order shown; the last is active
  int dispatching_ = 0;
  std::vector<HeldChange> held_;
  std::vector<Form*> announcing_;
};

// The words for a user of an error that no handler caught.
Text describe_for_user(const std::exception& error);

}  // namespace tarvex
