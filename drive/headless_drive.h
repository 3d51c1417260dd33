#pragma once
// A driver run on the headless toolkit: no window system, no Qt.
#include <istream>
#include <ostream>

#include "drive/recording_platform.h"
#include "drive/run_result.h"
#include "drive/session.h"

namespace tarvex {

RunResult drive_headless(std::istream& script, std::ostream& out);

// What both kinds of run share once their toolkit and hands are in place: the program starts as it
// does for a user (the main window loaded and shown), and the script runs to its end, a modal window
// taking its input from the same script.
RunResult run_from_start_up(Toolkit& toolkit, RecordingPlatform& platform, Session& session,
                            const std::istream& script);

}  // namespace tarvex
