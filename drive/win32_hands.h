#pragma once
// The driver's hands in the real Windows windows: each action is first checked as the toolkit would
// refuse it, then delivered to the controls as the mouse and key messages that Windows gives a
// program, and the message loop runs until they have been handled. The Windows front end turns them
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
  Win32Hands(UserInput& input, win32::Win32Platform& platform, Toolkit& toolkit)
      : input_(input), platform_(platform), toolkit_(toolkit) {}

  Refusal type(Control& control, const Text& text) override;
  Refusal focus(Control& control) override;
  Refusal click(Control& control) override;
  Refusal pick(Control& control, long index) override;
  Refusal spin(Control& control, int direction) override;
  Refusal key(KeyPress press) override;
  Refusal close() override;
  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

  // Presses the OK button of a message box on the screen, with the mouse.
  static void press_ok(HWND box);

 private:
  // The active window's view, in front and ready for input.
  win32::FormView& active_view();
  HWND window_of(const Control& control);
  void click_menu_item(const Menu& item);
  // Lets the window handle everything that the action has posted (and the repaints it caused).
  void settle();
  // The client area as drawn on the screen (the status bar and every control included), with the
  // menu bar above it when asked.
  RgbPicture capture(bool with_menu_bar);

  UserInput& input_;
  win32::Win32Platform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
