#include "app/win32_program.h"

#include "app/start_up.h"

namespace tarvex {

Win32Program::Win32Program() {
  toolkit_.show_windows_in(platform_, input_);
  load_and_show(toolkit_, main_window_);
}

}  // namespace tarvex
