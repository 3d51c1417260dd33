#include "toolkit/user_input.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace tarvex {

namespace {

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

bool can_press(const Control& c) { return c.Visible && c.enabled(); }

// The option button that an arrow key moves to from an option button: the next (or previous) of the
// window's group in the tab order that takes the focus, round from the last to the first.
Control* neighbour_option(const Control& from, int direction) {
  std::vector<Control*> group;
  for (Control* c : from.form().tab_order()) {
    if (is_option(c) && (c == &from || c->takes_focus())) group.push_back(c);
  }
  const auto at = std::find(group.begin(), group.end(), &from);
  if (group.size() < 2 || at == group.end()) return nullptr;
  const auto count = static_cast<long>(group.size());
  const long next = ((at - group.begin()) + direction + count) % count;
  return group[static_cast<std::size_t>(next)];
}

int arrow_direction(KeyName key) { return key == KeyName::Up || key == KeyName::Left ? -1 : +1; }

CommandButton* button_where(const Form& window, bool CommandButton::*flag) {
  for (Control* c : window.controls()) {
    if (c->kind() != ControlKind::CommandButton) continue;
    auto* button = static_cast<CommandButton*>(c);
    if (button->*flag && can_press(*button)) return button;
  }
  return nullptr;
}

bool is_list(const Control& c) { return traits_of(c.kind()).list; }
bool is_pressable_kind(const Control& c) { return traits_of(c.kind()).pressable; }

UpDown* spin_control_of(const Control& buddy) {
  for (Control* c : buddy.form().controls()) {
    if (c->kind() == ControlKind::UpDown && static_cast<UpDown*>(c)->buddy == &buddy) return static_cast<UpDown*>(c);
  }
  return nullptr;
}

// The control whose caption has the access key, menu titles included.
Control* access_key_owner(const Form& window, char16_t letter) {
  for (Control* c : window.controls()) {
    const Text* caption = c->caption();
    if (caption == nullptr || access_key(*caption) != ascii_upper(letter)) continue;
    if (c->kind() == ControlKind::Menu) {
      if (static_cast<Menu*>(c)->is_title()) return c;
      continue;  // an item's access key works only in its open menu
    }
    if (c->kind() == ControlKind::Label || !can_press(*c)) continue;
    return c;
  }
  return nullptr;
}

}  // namespace

UserInput::Refusal UserInput::takes_input(const Form& window) const {
  const Form* active = toolkit_.active_window();
  if (!window.is_loaded()) return window.name() + " is not loaded";
  if (active == nullptr) return window.name() + " is not shown";
  if (&window != active) return window.name() + " takes no input while " + active->name() + " is open";
  return std::nullopt;
}

UserInput::Refusal UserInput::reachable(const Control& control) const {
  if (auto refusal = takes_input(control.form())) return refusal;
  for (const Control* c = &control; c != nullptr;
       c = c->kind() == ControlKind::Menu ? static_cast<const Menu*>(c)->parent : nullptr) {
    if (!c->Visible) return c->name() + " is not visible";
    if (!c->enabled()) return c->name() + " is disabled";
  }
  return std::nullopt;
}

UserInput::Refusal UserInput::editable(const Control& control) const {
  if (auto refusal = reachable(control)) return refusal;
  if (control.kind() != ControlKind::TextBox) return control.name() + " takes no typing";
  if (static_cast<const TextBox&>(control).read_only) return control.name() + " is read-only";
  return std::nullopt;
}

UserInput::Refusal UserInput::refusal(const UserAction& action) const {
  return std::visit([this](const auto& a) { return refusal_of(a); }, action);
}

UserInput::Refusal UserInput::perform(const UserAction& action) {
  if (auto refused = refusal(action)) {
    // The view has moved the focus already: it is told where the focus stays.
    const auto* focus = std::get_if<action::Focus>(&action);
    if (focus && focus->moved_by_view) {
      if (Form* active = toolkit_.active_window(); active && active->view())
        active->view()->give_focus_to(active->focused());
    }
    return refused;
  }
  toolkit_.dispatch([&] { std::visit([this](const auto& a) { carry_out(a); }, action); });
  return std::nullopt;
}

// --- Typing and the caret ---

UserInput::Refusal UserInput::refusal_of(const action::Type& a) const { return editable(a.control); }

void UserInput::carry_out(const action::Type& a) {
  auto& box = static_cast<TextBox&>(a.control);
  toolkit_.move_focus(box);
  box.Text = a.text;
  box.SelStart = Len(a.text);
  box.SelLength = 0;
}

UserInput::Refusal UserInput::refusal_of(const action::Edit& a) const { return editable(a.control); }

void UserInput::carry_out(const action::Edit& a) {
  auto& box = static_cast<TextBox&>(a.control);
  Form::EditInWidget own_edit(box.form(), box);
  box.Text = a.text;
  box.SelStart = std::clamp<Long>(a.sel_start, 0, Len(a.text));
  box.SelLength = std::clamp<Long>(a.sel_length, 0, Len(a.text) - box.SelStart);
}

UserInput::Refusal UserInput::refusal_of(const action::Select& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (a.control.kind() != ControlKind::TextBox) return a.control.name() + " has no text to select";
  return std::nullopt;
}

void UserInput::carry_out(const action::Select& a) {
  auto& box = static_cast<TextBox&>(a.control);
  Form::EditInWidget own_edit(box.form(), box);
  box.SelStart = std::clamp<Long>(a.sel_start, 0, Len(box.Text));
  box.SelLength = std::clamp<Long>(a.sel_length, 0, Len(box.Text) - box.SelStart);
}

// --- Focus, clicks and picks ---

UserInput::Refusal UserInput::refusal_of(const action::Focus& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (!a.control.takes_focus()) return a.control.name() + " does not take the focus";
  return std::nullopt;
}

void UserInput::carry_out(const action::Focus& a) { toolkit_.move_focus(a.control); }

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
    default: break;
  }
}

UserInput::Refusal UserInput::refusal_of(const action::Click& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (!traits_of(a.control.kind()).clickable) return a.control.name() + " cannot be clicked";
  if (a.control.kind() == ControlKind::Menu) {
    const auto& menu = static_cast<const Menu&>(a.control);
    if (menu.is_title()) return a.control.name() + " only opens its menu: click one of its items";
    if (menu.is_separator()) return a.control.name() + " is a separator";
  }
  return std::nullopt;
}

void UserInput::carry_out(const action::Click& a) {
  if (is_pressable_kind(a.control)) {
    press(a.control);
  } else if (a.control.takes_focus()) {
    toolkit_.move_focus(a.control);
  } else {
    Control::raise(a.control.Click);
  }
}

UserInput::Refusal UserInput::refusal_of(const action::Pick& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (!is_list(a.control)) return a.control.name() + " is not a list";
  const auto& list = static_cast<const ListControl&>(a.control);
  if (a.index < 0 || a.index >= list.ListCount) return a.control.name() + " has no item " + std::to_string(a.index);
  return std::nullopt;
}

void UserInput::carry_out(const action::Pick& a) {
  auto& list = static_cast<ListControl&>(a.control);
  toolkit_.move_focus(list);
  if (list.ListIndex == a.index) {
    Control::raise(list.Click);
  } else {
    list.ListIndex = static_cast<Integer>(a.index);
  }
}

UserInput::Refusal UserInput::refusal_of(const action::Spin& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (a.control.kind() != ControlKind::UpDown) return a.control.name() + " has no arrows";
  return std::nullopt;
}

void UserInput::carry_out(const action::Spin& a) { static_cast<UpDown&>(a.control).step(a.direction); }

// Moves the selection by delta items, stopping at the first and the last; from no selection, a step
// down selects the first item.
void UserInput::step_list(ListControl& list, int delta) {
  if (list.ListCount == 0) return;
  const long from = list.ListIndex < 0 && delta > 0 ? -1 : list.ListIndex;
  const long to = std::clamp<long>(from + delta, 0, list.ListCount - 1);
  if (to != list.ListIndex) list.ListIndex = static_cast<Integer>(to);
}

UserInput::Refusal UserInput::refusal_of(const action::Wheel& a) const {
  if (auto refusal = reachable(a.control)) return refusal;
  if (!is_list(a.control)) return a.control.name() + " is not a list";
  return std::nullopt;
}

void UserInput::carry_out(const action::Wheel& a) { step_list(static_cast<ListControl&>(a.control), -a.notches_up); }

// --- Keys ---

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

Control* UserInput::key_target(KeyPress press_of) const {
  Form* window = toolkit_.active_window();
  if (window == nullptr) return nullptr;
  Control* focused = window->focused();
  switch (press_of.name) {
    case KeyName::Tab:
    case KeyName::ShiftTab: return window;
    case KeyName::Enter:
      // A focused button takes Enter only while it can be pressed; then the button that the focused
      // entry box names, as a dialog's default button would; otherwise the window's default button.
      if (focused && focused->kind() == ControlKind::CommandButton && can_press(*focused)) return focused;
      if (focused && focused->kind() == ControlKind::TextBox) {
        CommandButton* button = static_cast<TextBox*>(focused)->enter_presses;
        if (button && can_press(*button)) return button;
      }
      return button_where(*window, &CommandButton::is_default);
    case KeyName::Escape: return button_where(*window, &CommandButton::is_cancel);
    case KeyName::Space: return focused && is_pressable_kind(*focused) && can_press(*focused) ? focused : nullptr;
    case KeyName::Left:
    case KeyName::Right:
      return is_option(focused) ? neighbour_option(*focused, arrow_direction(press_of.name)) : nullptr;
    case KeyName::Up:
    case KeyName::Down:
      if (is_option(focused)) return neighbour_option(*focused, arrow_direction(press_of.name));
      if (focused && is_list(*focused)) return focused;
      if (focused && focused->kind() == ControlKind::TextBox) {
        UpDown* spin = spin_control_of(*focused);
        if (spin && can_press(*spin)) return spin;
      }
      return nullptr;
    case KeyName::Alt: {
      Control* owner = access_key_owner(*window, press_of.letter);
      return owner && owner->kind() != ControlKind::Menu ? owner : nullptr;
    }
  }
  return nullptr;
}

bool UserInput::takes_key(KeyPress press_of) const { return key_target(press_of) != nullptr; }

UserInput::Refusal UserInput::refusal_of(const action::Key& a) const {
  Form* window = toolkit_.active_window();
  if (window == nullptr) return std::string("no window is open");
  if (a.press.name == KeyName::Alt) {
    Control* owner = access_key_owner(*window, a.press.letter);
    if (owner && owner->kind() == ControlKind::Menu) {
      return "Alt+" + std::string(1, static_cast<char>(ascii_upper(a.press.letter))) + " opens the menu " +
             owner->name() + ": click one of its items";
    }
  }
  return std::nullopt;
}

// A key that the window does not take where the focus is does nothing here: it is the widget's.
void UserInput::carry_out(const action::Key& a) {
  Control* target = key_target(a.press);
  if (target == nullptr) return;
  switch (a.press.name) {
    case KeyName::Tab: tab(+1); break;
    case KeyName::ShiftTab: tab(-1); break;
    case KeyName::Enter: {
      // Enter in a text box presses its button and leaves the focus in the box, for the next
      // value to be typed over.
      const Control* focused = toolkit_.active_window()->focused();
      if (focused != nullptr && focused->kind() == ControlKind::TextBox) {
        Control::raise(target->Click);
      } else {
        press(*target);
      }
      break;
    }
    case KeyName::Up:
    case KeyName::Down:
    case KeyName::Left:
    case KeyName::Right: {
      // In a pair of option buttons an arrow selects the button it moves to.
      if (target->kind() == ControlKind::OptionButton) {
        press(*target);
        break;
      }
      const int up = a.press.name == KeyName::Up ? 1 : -1;
      if (target->kind() == ControlKind::UpDown) {
        static_cast<UpDown*>(target)->step(up);
      } else {
        step_list(*static_cast<ListControl*>(target), -up);
      }
      break;
    }
    default: press(*target); break;
  }
}

// --- The close box ---

UserInput::Refusal UserInput::refusal_of(const action::Close& a) const { return takes_input(a.window); }

void UserInput::carry_out(const action::Close& a) { toolkit_.Unload(a.window); }

}  // namespace tarvex
