#pragma once
// A driver run in the real Qt windows: every user action is delivered to the widgets as mouse and
// key events. Without a display, Qt's offscreen platform draws the windows in memory.
#include <istream>
#include <ostream>

#include "drive/run_result.h"

namespace tarvex {

RunResult drive_with_qt(int argc, char** argv, std::istream& script, std::ostream& out);

}  // namespace tarvex
