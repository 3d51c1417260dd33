#include "drive/window_hands.h"

#include <variant>

namespace tarvex {

ClickTarget click_target(const Control& control) {
  const KindTraits& kind = control.traits();
  if (control.kind() == ControlKind::Menu) return ClickTarget::MenuItem;
  if (kind.painted) return ClickTarget::PaintedBox;
  // A click on a closed list opens it; what the user does next is a pick or nothing, so here the
  // click gives the focus only, as the click of a list that closes again at once.
  if (kind.list) return ClickTarget::ListFocus;
  // A check box or an option button takes the click on its box or circle whatever the caption's
  // length, and a button takes it anywhere: near the left end suits them all.
  if (kind.pressable) return ClickTarget::LeftEnd;
  return ClickTarget::Centre;
}

bool types_key_by_key(const Text& text) {
  if (text.size() > 80) return false;
  for (char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

void WindowHands::perform(const UserAction& action) {
  if (!std::holds_alternative<action::Close>(action)) bring_forward();
  std::visit([this](const auto& a) { deliver(a); }, action);
  settle();
}

void WindowHands::deliver(const action::Type& a) {
  click(a.control, ClickTarget::Centre);
  settle();
  select_all(a.control);
  if (a.text.empty()) {
    erase(a.control);
  } else if (types_key_by_key(a.text)) {
    for (char16_t c : a.text) type_key(a.control, c);
  } else {
    bring_in_whole(a.control, a.text);
  }
}

void WindowHands::deliver(const action::Click& a) {
  switch (const ClickTarget target = click_target(a.control)) {
    case ClickTarget::MenuItem: click_menu_item(static_cast<const Menu&>(a.control)); break;
    case ClickTarget::ListFocus: give_focus(a.control, true); break;
    default: click(a.control, target); break;
  }
}

}  // namespace tarvex
