#pragma once
// What the hands in the real windows share: the order of the steps of each user action, where a click
// lands on each kind of control, and how a text is typed. Each window system's hands only move its
// own mouse and keys.
#include "drive/hands.h"

namespace tarvex {

// Where a click on a control lands.
enum class ClickTarget {
  MenuItem,    // chosen from its open menu
  PaintedBox,  // the window's client area, over the control's box
  ListFocus,   // a closed list: the click gives the focus only (see click_target)
  LeftEnd,     // a pressable control near its left end, at half height
  Centre,      // the middle of the control's own widget
};

// Read from the kind table.
ClickTarget click_target(const Control& control);

// Plain ASCII goes in key by key; anything else (accents, symbols, control characters, long texts)
// goes in whole, as a person brings it in with a paste or an input method.
bool types_key_by_key(const Text& text);

class WindowHands : public Hands {
 public:
  void perform(const UserAction& action) final;

 protected:
  // The active window in front and ready for input.
  virtual void bring_forward() = 0;
  // Lets the window system deliver what the steps so far have posted.
  virtual void settle() = 0;

  virtual void click_menu_item(const Menu& item) = 0;
  // A click on the control's box (PaintedBox) or on its own widget (LeftEnd, Centre).
  virtual void click(const Control& control, ClickTarget target) = 0;
  virtual void give_focus(const Control& control, bool by_mouse) = 0;
  // The steps of typing into the text box that has the focus.
  virtual void select_all(const Control& box) = 0;
  // Deletes the selected text; a box that is empty already is left alone.
  virtual void erase(const Control& box) = 0;
  virtual void type_key(const Control& box, char16_t c) = 0;
  virtual void bring_in_whole(const Control& box, const Text& text) = 0;
  virtual void pick(const Control& list, long index) = 0;
  virtual void spin(const Control& arrows, int direction) = 0;
  // Into the control that has the focus, else the window.
  virtual void press(KeyPress key) = 0;
  // The close box of the window, which the toolkit has found to be the active one.
  virtual void close(const Form& window) = 0;

 private:
  void deliver(const action::Type& a);
  void deliver(const action::Click& a);
  void deliver(const action::Focus& a) { give_focus(a.control, false); }
  void deliver(const action::Pick& a) { pick(a.control, a.index); }
  void deliver(const action::Spin& a) { spin(a.control, a.direction); }
  void deliver(const action::Key& a) { press(a.press); }
  void deliver(const action::Close& a) { close(a.window); }
  // A script has no words for these: only a person's own widgets make them.
  [[noreturn]] void deliver(const action::Edit&) { throw ScriptError{"a keystroke edit comes from a widget"}; }
  [[noreturn]] void deliver(const action::Select&) { throw ScriptError{"a selection comes from a widget"}; }
  [[noreturn]] void deliver(const action::Wheel&) { throw ScriptError{"the wheel comes from a widget"}; }
};

}  // namespace tarvex
