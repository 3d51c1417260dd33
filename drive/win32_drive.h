#pragma once
// A driver run in the real Windows windows: every user action is delivered to the controls as mouse
// and key messages.
#include <istream>
#include <ostream>

#include "drive/run_result.h"

namespace tarvex {

RunResult drive_with_win32(std::istream& script, std::ostream& out);

}  // namespace tarvex
