#pragma once
// The driver's hands in the real Windows windows: each action that the window takes is delivered to
// the controls as the mouse and key messages that Windows gives a program, and the message loop runs
// until they have been handled. The Windows front end turns them
// into the toolkit's events as it does for a person.
#include <windows.h>

#include "drive/hands.h"
#include "drive/png_file.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {

namespace win32 {
class FormView;
}

class Win32Hands : public Hands {
 public:
  Win32Hands(win32::Win32Platform& platform, Toolkit& toolkit) : platform_(platform), toolkit_(toolkit) {}

  void perform(const UserAction& action) override;
  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

  // Presses the OK button of a message box on the screen, with the mouse.
  static void press_ok(HWND box);

 private:
  void deliver(const action::Type& a);
  void deliver(const action::Focus& a);
  void deliver(const action::Click& a);
  void deliver(const action::Pick& a);
  void deliver(const action::Spin& a);
  void deliver(const action::Key& a);
  void deliver(const action::Close& a);
  // A script has no words for these: only a person's controls make them.
  [[noreturn]] void deliver(const action::Edit&) { throw ScriptError{"a keystroke edit comes from a control"}; }
  [[noreturn]] void deliver(const action::Select&) { throw ScriptError{"a selection comes from a control"}; }
  [[noreturn]] void deliver(const action::Wheel&) { throw ScriptError{"the wheel comes from a control"}; }

  // The active window's view, in front and ready for input.
  win32::FormView& active_view();
  HWND window_of(const Control& control);
  void click_menu_item(const Menu& item);
  // Lets the window handle everything that the action has posted (and the repaints it caused).
  void settle();
  // The client area as drawn on the screen (the status bar and every control included), with the
  // menu bar above it when asked.
  RgbPicture capture(bool with_menu_bar);

  win32::Win32Platform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
