#include "toolkit/user_input.h"

#include <cctype>

namespace tarvex {

namespace {

// The letter after a single "&" in a caption, upper-cased; 0 when there is none.
char16_t access_key(const Text& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    const char16_t c = caption[i + 1];
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
  }
  return 0;
}

const Text* caption_of(const Control& c) {
  switch (c.kind()) {
    case ControlKind::CommandButton:
      return &static_cast<const CommandButton&>(c).Caption.get();
    case ControlKind::CheckBox:
      return &static_cast<const CheckBox&>(c).Caption.get();
    case ControlKind::OptionButton:
      return &static_cast<const OptionButton&>(c).Caption.get();
    case ControlKind::Menu:
      return &static_cast<const Menu&>(c).Caption.get();
    default:
      return nullptr;
  }
}

bool is_option(const Control* c) { return c != nullptr && c->kind() == ControlKind::OptionButton; }

// The option buttons of a window are one group and one tab stop: the selected button, or the first
// of the group in the tab order while none is selected. Tabbing from a button of the group leaves it,
// whichever button has the focus.
bool is_tab_stop(const Control& c, const Control* from) {
  if (!c.takes_focus()) return false;
  if (!is_option(&c)) return true;
  if (is_option(from)) return false;
  const Control* group_stop = nullptr;
  for (const Control* other : c.form().tab_order()) {
    if (!is_option(other) || !other->takes_focus()) continue;
    if (static_cast<const OptionButton*>(other)->Value) return other == &c;
    if (group_stop == nullptr) group_stop = other;
  }
  return group_stop == &c;
}

CommandButton* button_where(const Form& window, bool CommandButton::*flag) {
  for (Control* c : window.controls()) {
    if (c->kind() != ControlKind::CommandButton) continue;
    auto* button = static_cast<CommandButton*>(c);
    if (button->*flag && button->Visible && button->Enabled) return button;
  }
  return nullptr;
}

}  // namespace

UserInput::Refusal UserInput::check_reachable(const Control& control) const {
  const Form& window = control.form();
  const Form* active = toolkit_.active_window();
  if (!window.is_loaded()) return window.name() + " is not loaded";
  if (&window != active) return window.name() + " takes no input while " + active->name() + " is open";
  for (const Control* c = &control; c != nullptr;
       c = c->kind() == ControlKind::Menu ? static_cast<const Menu*>(c)->parent : nullptr) {
    if (!c->Visible) return c->name() + " is not visible";
    if (!c->enabled()) return c->name() + " is disabled";
  }
  return std::nullopt;
}

UserInput::Refusal UserInput::type(Control& control, const Text& text) {
  if (auto refusal = check_reachable(control)) return refusal;
  if (control.kind() != ControlKind::TextBox) return control.name() + " takes no typing";
  auto& box = static_cast<TextBox&>(control);
  if (box.read_only) return control.name() + " is read-only";
  toolkit_.dispatch([&] {
    toolkit_.move_focus(box);
    box.Text = text;
    box.SelStart = Len(text);
    box.SelLength = 0;
  });
  return std::nullopt;
}

UserInput::Refusal UserInput::focus(Control& control) {
  if (auto refusal = check_reachable(control)) return refusal;
  if (!control.takes_focus()) return control.name() + " does not take the focus";
  toolkit_.dispatch([&] { toolkit_.move_focus(control); });
  return std::nullopt;
}

void UserInput::press(Control& control) {
  switch (control.kind()) {
    case ControlKind::CommandButton:
      toolkit_.move_focus(control);
      Control::raise(control.Click);
      break;
    case ControlKind::OptionButton:
      toolkit_.move_focus(control);
      static_cast<OptionButton&>(control).Value = true;
      break;
    case ControlKind::CheckBox: {
      auto& box = static_cast<CheckBox&>(control);
      toolkit_.move_focus(box);
      box.Value = box.Value == 1 ? 0 : 1;
      break;
    }
    default:
      break;
  }
}

UserInput::Refusal UserInput::click(Control& control) {
  if (auto refusal = check_reachable(control)) return refusal;
  switch (control.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
      toolkit_.dispatch([&] { press(control); });
      return std::nullopt;
    case ControlKind::Menu: {
      const auto& menu = static_cast<const Menu&>(control);
      if (menu.parent == nullptr) return control.name() + " only opens its menu: click one of its items";
      if (menu.is_separator()) return control.name() + " is a separator";
      toolkit_.dispatch([&] { Control::raise(control.Click); });
      return std::nullopt;
    }
    case ControlKind::Image:
    case ControlKind::Label:
      toolkit_.dispatch([&] { Control::raise(control.Click); });
      return std::nullopt;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      toolkit_.dispatch([&] { toolkit_.move_focus(control); });
      return std::nullopt;
    default:
      return control.name() + " cannot be clicked";
  }
}

UserInput::Refusal UserInput::pick(Control& control, long index) {
  if (auto refusal = check_reachable(control)) return refusal;
  if (control.kind() != ControlKind::ComboBox && control.kind() != ControlKind::ListBox) {
    return control.name() + " is not a list";
  }
  auto& list = static_cast<ListControl&>(control);
  if (index < 0 || index >= list.ListCount) return control.name() + " has no item " + std::to_string(index);
  toolkit_.dispatch([&] {
    toolkit_.move_focus(list);
    if (list.ListIndex == index) {
      Control::raise(list.Click);
    } else {
      list.ListIndex = static_cast<Integer>(index);
    }
  });
  return std::nullopt;
}

UserInput::Refusal UserInput::spin(Control& control, int direction) {
  if (auto refusal = check_reachable(control)) return refusal;
  if (control.kind() != ControlKind::UpDown) return control.name() + " has no arrows";
  toolkit_.dispatch([&] { static_cast<UpDown&>(control).step(direction); });
  return std::nullopt;
}

void UserInput::tab(int direction) {
  Form& window = *toolkit_.active_window();
  const auto& order = window.tab_order();
  if (order.empty()) return;
  const auto count = static_cast<long>(order.size());
  long at = -1;
  for (long i = 0; i < count; ++i) {
    if (order[static_cast<std::size_t>(i)] == window.focused()) at = i;
  }
  if (at < 0) at = direction > 0 ? -1 : 0;
  for (long step = 1; step <= count; ++step) {
    Control* next = order[static_cast<std::size_t>(((at + direction * step) % count + count) % count)];
    if (is_tab_stop(*next, window.focused())) {
      toolkit_.move_focus(*next);
      return;
    }
  }
}

UserInput::Refusal UserInput::key(KeyPress press_of) {
  Form* window = toolkit_.active_window();
  if (window == nullptr) return std::string("no window is open");
  switch (press_of.name) {
    case KeyName::Tab:
      toolkit_.dispatch([&] { tab(+1); });
      return std::nullopt;
    case KeyName::ShiftTab:
      toolkit_.dispatch([&] { tab(-1); });
      return std::nullopt;
    case KeyName::Enter: {
      Control* target = window->focused();
      if (target == nullptr || target->kind() != ControlKind::CommandButton) {
        target = button_where(*window, &CommandButton::is_default);
      }
      if (target) toolkit_.dispatch([&] { press(*target); });
      return std::nullopt;
    }
    case KeyName::Escape:
      if (CommandButton* cancel = button_where(*window, &CommandButton::is_cancel)) {
        toolkit_.dispatch([&] { press(*cancel); });
      }
      return std::nullopt;
    case KeyName::Alt: {
      const char16_t wanted = press_of.letter >= u'a' && press_of.letter <= u'z'
                                  ? static_cast<char16_t>(press_of.letter - u'a' + u'A')
                                  : press_of.letter;
      for (Control* c : window->controls()) {
        const Text* caption = caption_of(*c);
        if (caption == nullptr || access_key(*caption) != wanted) continue;
        if (c->kind() == ControlKind::Menu) {
          if (static_cast<Menu*>(c)->parent == nullptr) {
            return "Alt+" + std::string(1, static_cast<char>(wanted)) + " opens the menu " + c->name() +
                   ": click one of its items";
          }
          continue;  // an item's access key works only in its open menu
        }
        if (!c->Visible || !c->enabled()) continue;
        toolkit_.dispatch([&] { press(*c); });
        return std::nullopt;
      }
      return std::nullopt;
    }
  }
  return std::nullopt;
}

UserInput::Refusal UserInput::close() {
  Form* window = toolkit_.active_window();
  if (window == nullptr) return std::string("no window is open");
  toolkit_.dispatch([&] { toolkit_.Unload(*window); });
  return std::nullopt;
}

}  // namespace tarvex
