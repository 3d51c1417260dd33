// Tarvex on Windows: the desktop program.
#include <windows.h>

#include "app/win32_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tarvex::win32::prepare_process();
  tarvex::win32::use_system_notation();
  tarvex::Win32Program program;
  return program.running() ? program.platform().run() : 0;
}
