#include "toolkit/toolkit.h"

#include <algorithm>

#include "core/errors.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

namespace {

void erase(std::vector<Form*>& windows, const Form* window) {
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
  if (views_ != nullptr) window.set_view(&views_->make_view(window, *input_));
  window.Form_Load();
}

void Toolkit::Show(Form& window) { show(window, nullptr, false); }

// The owner takes no input until the window is gone: only the last window shown is active.
void Toolkit::ShowModal(Form& window, Form& owner) {
  show(window, &owner, true);
  deliver_changes();
  if (window.loaded_) platform_.run_modal(window);
}

void Toolkit::show(Form& window, Form* owner, bool modal) {
  if (!window.loaded_) Load(window);
  if (window.Visible) return;
  window.Visible.store(true);
  shown_.push_back(&window);
  if (WindowView* view = window.view()) view->show_window(owner ? owner->view() : nullptr, modal);
  if (Control* first = first_tab_stop(window)) move_focus(*first);
}

void Toolkit::Unload(Form& window) {
  if (!window.loaded_) return;
  window.loaded_ = false;
  window.Visible.store(false);
  window.focused_ = nullptr;
  erase(loaded_, &window);
  erase(shown_, &window);
  drop_changes_of(window, true);
  close_view(window);
  if (!running()) platform_.end_program();
}

void Toolkit::forget(Form& window) {
  close_view(window);
  erase(loaded_, &window);
  erase(shown_, &window);
  drop_changes_of(window, false);
}

void Toolkit::close_view(Form& window) {
  WindowView* view = window.view();
  if (view == nullptr) return;
  window.set_view(nullptr);
  view->close_for_toolkit();
  if (views_ != nullptr) views_->drop_view(window, *view);
}

Form* Toolkit::active_window() const { return shown_.empty() ? nullptr : shown_.back(); }

void Toolkit::MsgBox(const Text& prompt, int buttons, const Text& caption) {
  deliver_changes();
  platform_.message_box(caption.empty() ? Text(kProgram.title) : caption, prompt, buttons);
}

void Toolkit::Shell(const Text& command_line, int window_style) { platform_.start_program(command_line, window_style); }

void Toolkit::move_focus(Control& to) {
  Form& window = to.form();
  Control* from = window.focused_;
  if (from == &to) return;
  window.announced_to_ = nullptr;  // an outcome is told where the user was when it came
  if (from) Control::raise(from->LostFocus);
  window.focused_ = &to;
  if (WindowView* view = window.view()) view->give_focus_to(&to);
  Control::raise(to.GotFocus);
}

void Toolkit::note_change(Form& window, Control& control, PropertyBase& property, bool made_in_widget) {
  if (dispatching_ == 0) {
    if (WindowView* view = window.view()) {
      view->property_changed({control, property, made_in_widget});
      view->changes_delivered();
    }
    return;
  }
  if (property.pending_ >= 0) {
    // The widget holds the user's edit only if every change of this dispatch was made there.
    held_[static_cast<std::size_t>(property.pending_)].made_in_widget &= made_in_widget;
    return;
  }
  property.pending_ = static_cast<int>(held_.size());
  held_.push_back({&window, &control, &property, made_in_widget});
}

void Toolkit::note_announcement(Form& window) {
  if (dispatching_ > 0) {
    if (std::find(announcing_.begin(), announcing_.end(), &window) == announcing_.end()) announcing_.push_back(&window);
  } else {
    window.view()->outcome_announced();
  }
}

void Toolkit::deliver_changes() {
  std::vector<Form*> announcing;
  announcing.swap(announcing_);
  deliver_held_changes();
  for (Form* window : announcing) {
    if (WindowView* view = window->view()) view->outcome_announced();
  }
}

void Toolkit::deliver_held_changes() {
  if (held_.empty()) return;
  std::vector<HeldChange> changes;
  changes.swap(held_);
  for (const HeldChange& change : changes) change.property->pending_ = -1;
  std::vector<WindowView*> told;
  for (const HeldChange& change : changes) {
    if (change.property->same_as_noted()) continue;
    if (WindowView* view = change.window->view()) {
      view->property_changed({*change.control, *change.property, change.made_in_widget});
      if (std::find(told.begin(), told.end(), view) == told.end()) told.push_back(view);
    }
  }
  for (WindowView* view : told) view->changes_delivered();
}

// A window that is being destroyed has lost its controls already: its records are not touched.
void Toolkit::drop_changes_of(const Form& window, bool records_alive) {
  erase(announcing_, &window);
  std::vector<HeldChange> kept;
  for (const HeldChange& change : held_) {
    if (change.window == &window) {
      if (records_alive) change.property->pending_ = -1;
    } else {
      change.property->pending_ = static_cast<int>(kept.size());
      kept.push_back(change);
    }
  }
  held_.swap(kept);
}

std::optional<Text> Toolkit::dispatch(const std::function<void()>& event) {
  // Every dispatch hands on what it changed as it ends, also one run by a modal window's input.
  struct Dispatching {
    Toolkit& toolkit;
    explicit Dispatching(Toolkit& t) : toolkit(t) { ++toolkit.dispatching_; }
    ~Dispatching() {
      --toolkit.dispatching_;
      toolkit.deliver_changes();
    }
  } dispatching(*this);
  Text words;
  try {
    event();
    return std::nullopt;
  } catch (const std::exception& error) {
    words = describe_for_user(error);
  } catch (...) {
    words = u"an unexpected error";
  }
  try {
    MsgBox(u"Tarvex could not finish this action: " + words + u".", kOkOnly);
  } catch (...) {
    // The report itself failed (the window system is going away): there is nobody left to tell.
  }
  return words;
}

Text describe_for_user(const std::exception& error) {
  if (const auto* value_error = dynamic_cast<const Error*>(&error)) {
    switch (value_error->kind()) {
      case ErrorKind::Overflow: return u"a number is too large to work with (Overflow)";
      case ErrorKind::DivisionByZero: return u"a calculation would divide by zero (Division by zero)";
      case ErrorKind::TypeMismatch: return u"a value is not a number (Type mismatch)";
      case ErrorKind::InvalidPropertyValue: {
        const std::string what =
            value_error->detail().empty() ? "a property cannot take that value" : value_error->detail();
        return from_utf8(what) + u" (Invalid property value)";
      }
    }
  }
  return from_utf8(error.what());
}

}  // namespace tarvex
