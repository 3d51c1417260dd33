#pragma once
// A driver run on the headless toolkit: no window system, no Qt.
#include <istream>
#include <ostream>

#include "drive/run_result.h"

namespace tarvex {

RunResult drive_headless(std::istream& script, std::ostream& out);

}  // namespace tarvex
