// The start-up probe of the real program on Windows: Tarvex started exactly as tarvex.exe starts it
// (the same code, linked from the same library), until the main window's first frame is painted.
#include <windows.h>

#include "app/win32_program.h"
#include "bench/win32/first_frame_win32.h"
#include "bench/win32/frames_counted_win32.h"

int main() {
  tarvex::win32::prepare_process();
  tarvex::win32::use_system_notation();
  tarvex::Win32Program program;
  tarvex::win32::FormView* view = program.main_window();
  if (view == nullptr) return 1;
  tarvex::bench::count_frames_of(view->window());
  while (tarvex::bench::g_frames_painted == 0) {
    if (!program.platform().pump_one()) return 1;
  }
  program.platform().pump_waiting();
  return tarvex::startup::report_first_frame();
}
