#include "app/tarvex_program.h"

#include "app/start_up.h"

namespace tarvex {

TarvexProgram::TarvexProgram() {
  toolkit_.show_windows_in(platform_, input_);
  start_failure_ = load_and_show(toolkit_, main_window_);
}

qt::FormView* TarvexProgram::main_window() const { return platform_.view_of(main_window_); }

}  // namespace tarvex
