#pragma once
// The driver's hands in the real Windows windows: each action that the window takes is delivered to
// the controls as the mouse and key messages that Windows gives a program, and the message loop runs
// until they have been handled. The Windows front end turns them
// into the toolkit's events as it does for a person.
#include <windows.h>

#include "drive/png_file.h"
#include "drive/window_hands.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {

namespace win32 {
class FormView;
}

class Win32Hands : public WindowHands {
 public:
  Win32Hands(win32::Win32Platform& platform, Toolkit& toolkit) : platform_(platform), toolkit_(toolkit) {}

  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

  // Presses the OK button of a message box on the screen, with the mouse.
  static void press_ok(HWND box);

 private:
  void bring_forward() override { active_view(); }
  // Lets the window handle everything that the action has posted (and the repaints it caused).
  void settle() override;
  void click_menu_item(const Menu& item) override;
  void click(const Control& control, ClickTarget target) override;
  void give_focus(const Control& control, bool by_mouse) override;
  void select_all(const Control& box) override;
  void erase(const Control& box) override;
  void type_key(const Control& box, char16_t c) override;
  void bring_in_whole(const Control& box, const Text& text) override;
  void pick(const Control& list, long index) override;
  void spin(const Control& arrows, int direction) override;
  void press(KeyPress key) override;
  void close(const Form& window) override;

  // The active window's view, in front and ready for input.
  win32::FormView& active_view();
  HWND window_of(const Control& control);
  // The client area as drawn on the screen (the status bar and every control included), with the
  // menu bar above it when asked.
  RgbPicture capture(bool with_menu_bar);

  win32::Win32Platform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
