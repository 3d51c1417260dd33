#include "toolkit/toolkit.h"

#include <algorithm>

#include "core/errors.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

namespace {

void erase(std::vector<Form*>& windows, Form* window) {
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

Control* first_tab_stop(const Form& window) {
  for (Control* c : window.tab_order()) {
    if (c->takes_focus()) return c;
  }
  return nullptr;
}

}  // namespace

void Toolkit::Load(Form& window) {
  if (window.loaded_) return;
  window.loaded_ = true;
  loaded_.push_back(&window);
  if (start_up_loaded_) record("loaded " + window.name());
  start_up_loaded_ = true;
  platform_.window_loaded(window);
  window.Form_Load();
}

void Toolkit::Show(Form& window) {
  if (!window.loaded_) Load(window);
  if (window.Visible) return;
  window.Visible.store(true);
  shown_.push_back(&window);
  platform_.window_shown(window);
  if (Control* first = first_tab_stop(window)) move_focus(*first);
}

void Toolkit::ShowModal(Form& window, Form& owner) {
  (void)owner;  // the owner is whatever window was active; it takes no input until this one is gone
  Show(window);
  if (window.loaded_) platform_.run_modal(window);
}

void Toolkit::Unload(Form& window) {
  if (!window.loaded_) return;
  window.loaded_ = false;
  window.Visible.store(false);
  window.focused_ = nullptr;
  erase(loaded_, &window);
  erase(shown_, &window);
  record("unloaded " + window.name());
  platform_.window_unloaded(window);
}

void Toolkit::forget(Form& window) {
  erase(loaded_, &window);
  erase(shown_, &window);
}

Form* Toolkit::active_window() const { return shown_.empty() ? nullptr : shown_.back(); }

void Toolkit::MsgBox(const Text& prompt, int buttons, const Text& caption) {
  const Text& title = caption.empty() ? Text(kProgram.title) : caption;
  record("msgbox " + to_utf8(title) + "|" + to_utf8(prompt) + "|" + std::to_string(buttons));
  platform_.message_box(title, prompt, buttons);
}

void Toolkit::Shell(const Text& command_line, int window_style) {
  if (record_) {
    record("shell " + std::to_string(window_style) + "|" + to_utf8(command_line));
    return;
  }
  platform_.start_program(command_line, window_style);
}

void Toolkit::move_focus(Control& to) {
  Form& window = to.form();
  Control* from = window.focused_;
  if (from == &to) return;
  if (from) Control::raise(from->LostFocus);
  window.focused_ = &to;
  platform_.focus_moved(window, &to);
  Control::raise(to.GotFocus);
}

void Toolkit::dispatch(const std::function<void()>& event) {
  try {
    event();
  } catch (const std::exception& error) {
    MsgBox(u"Tarvex could not finish this action: " + describe_for_user(error) + u".", kOkOnly);
  }
}

Text describe_for_user(const std::exception& error) {
  if (const auto* value_error = dynamic_cast<const Error*>(&error)) {
    switch (value_error->kind()) {
      case ErrorKind::Overflow:
        return u"a number is too large to work with (Overflow)";
      case ErrorKind::DivisionByZero:
        return u"a calculation would divide by zero (Division by zero)";
      case ErrorKind::TypeMismatch:
        return u"a value is not a number (Type mismatch)";
      case ErrorKind::InvalidPropertyValue: {
        const std::string what = value_error->detail().empty() ? "a property cannot take that value" : value_error->detail();
        return from_utf8(what) + u" (Invalid property value)";
      }
    }
  }
  return from_utf8(error.what());
}

}  // namespace tarvex
