#include "drive/win32_drive.h"

#include "drive/headless_drive.h"
#include "drive/win32_hands.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {

RunResult drive_with_win32(std::istream& script, std::ostream& out) {
  win32::prepare_process();
  win32::Win32Platform windows;
  // The driver reads a message box and closes it with its OK button, as a user would.
  windows.message_box_shown = [](HWND box) { Win32Hands::press_ok(box); };
  return run_script(
      windows, windows,
      [&windows](Toolkit& toolkit, UserInput&) { return std::make_unique<Win32Hands>(windows, toolkit); }, script, out);
}

}  // namespace tarvex
