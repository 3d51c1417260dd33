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
};

inline constexpr KindTraits kKindTraits[] = {
    //  kind                      windowed painted focus  click  press  list   font   tooltip
    {ControlKind::Form, false, false, false, false, false, false, true, false},
    {ControlKind::Label, false, true, false, true, false, false, true, true},
    {ControlKind::TextBox, true, false, true, true, false, false, true, true},
    {ControlKind::ComboBox, true, false, true, true, false, true, true, true},
    {ControlKind::ListBox, true, false, true, true, false, true, true, true},
    {ControlKind::CheckBox, true, false, true, true, true, false, true, true},
    {ControlKind::OptionButton, true, false, true, true, true, false, true, true},
    {ControlKind::CommandButton, true, false, true, true, true, false, true, true},
    {ControlKind::Shape, false, true, false, false, false, false, false, true},
    {ControlKind::Line, false, true, false, false, false, false, false, false},
    {ControlKind::Image, false, true, false, true, false, false, false, true},
    {ControlKind::StatusBar, true, false, false, false, false, false, false, true},
    {ControlKind::UpDown, true, false, false, false, false, false, false, true},
    {ControlKind::Menu, false, false, false, true, false, false, false, false},
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
