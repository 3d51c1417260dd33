#pragma once
// What each kind of control is and does, in one table that the toolkit, the front ends and the driver
// all read, so that no layer keeps a list of kinds of its own.
#include <iterator>
#include <string_view>

namespace tarvex {

enum class ControlKind {
  Form,
  Label,
  TextBox,
  ComboBox,
  ListBox,
  CheckBox,
  OptionButton,
  CommandButton,
  Shape,
  Line,
  Image,
  StatusBar,
  UpDown,
  Menu,
};

// What assistive technology is told a control of a kind is.
enum class AccessibleRole {
  None,  // not announced: decoration, or read as part of something else
  Window,
  StaticText,
  Text,
  ComboBox,
  List,
  CheckBox,
  RadioButton,
  PushButton,
  Graphic,
  Link,
  StatusBar,
  SpinButton,
  MenuItem,
};

struct KindTraits {
  ControlKind kind;
  // A widget of its own (in the Qt layer, a child widget), stacked above everything painted, and
  // among the windowed controls in the order they were built.
  bool windowed;
  // Drawn on the window's client area, in the window's paint order.
  bool painted;
  // Takes the focus while it is visible and enabled.
  bool takes_focus;
  // A click reaches it: a button is pressed, a box or list gets the focus, a label or picture runs
  // its Click handler, a menu item runs its own.
  bool clickable;
  // Pressed by a click, by Space while it has the focus, by its access key (and by Enter or Esc
  // where it is the default or cancel button).
  bool pressable;
  // Holds items that the user picks, steps through with the arrows and the wheel.
  bool list;
  // Drawn in a font of its own.
  bool has_font;
  // A pointer resting over it brings up its tooltip (a line is too thin to rest on).
  bool shows_tooltip;
  // What assistive technology is told it is (a control that opens a web address is a link).
  AccessibleRole role;
};

inline constexpr KindTraits kKindTraits[] = {
    //  kind                      windowed painted focus  click  press  list   font   tooltip role
    {ControlKind::Form, false, false, false, false, false, false, true, false, AccessibleRole::Window},
    {ControlKind::Label, false, true, false, true, false, false, true, true, AccessibleRole::StaticText},
    {ControlKind::TextBox, true, false, true, true, false, false, true, true, AccessibleRole::Text},
    {ControlKind::ComboBox, true, false, true, true, false, true, true, true, AccessibleRole::ComboBox},
    {ControlKind::ListBox, true, false, true, true, false, true, true, true, AccessibleRole::List},
    {ControlKind::CheckBox, true, false, true, true, true, false, true, true, AccessibleRole::CheckBox},
    {ControlKind::OptionButton, true, false, true, true, true, false, true, true, AccessibleRole::RadioButton},
    {ControlKind::CommandButton, true, false, true, true, true, false, true, true, AccessibleRole::PushButton},
    {ControlKind::Shape, false, true, false, false, false, false, false, true, AccessibleRole::None},
    {ControlKind::Line, false, true, false, false, false, false, false, false, AccessibleRole::None},
    {ControlKind::Image, false, true, false, true, false, false, false, true, AccessibleRole::Graphic},
    {ControlKind::StatusBar, true, false, false, false, false, false, false, true, AccessibleRole::StatusBar},
    {ControlKind::UpDown, true, false, false, false, false, false, false, true, AccessibleRole::SpinButton},
    {ControlKind::Menu, false, false, false, true, false, false, false, false, AccessibleRole::MenuItem},
};

constexpr const KindTraits& traits_of(ControlKind kind) { return kKindTraits[static_cast<int>(kind)]; }

// The table lists every kind once, in the order of the enumeration.
static_assert([] {
  for (int i = 0; i < static_cast<int>(std::size(kKindTraits)); ++i) {
    if (static_cast<int>(kKindTraits[i].kind) != i) return false;
  }
  return std::size(kKindTraits) == static_cast<int>(ControlKind::Menu) + 1;
}());

}  // namespace tarvex
