#pragma once
// A driver run on the headless toolkit: no window system, no Qt.
#include <functional>
#include <istream>
#include <memory>
#include <ostream>

#include "drive/hands.h"
#include "drive/run_result.h"
#include "toolkit/platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/window_view.h"

namespace tarvex {

RunResult drive_headless(std::istream& script, std::ostream& out);

// The hands of a run, made once its toolkit and the user's input are in place.
using MakeHands = std::function<std::unique_ptr<Hands>(Toolkit& toolkit, UserInput& input)>;

// What every kind of run shares: the toolkit on a front end's platform and views, with what they
// do printed; the program started as it is for a user (the main window loaded and shown); and the
// script run to its end, a modal window taking its input from the same script.
RunResult run_script(Platform& platform, ViewMaker& views, const MakeHands& make_hands, std::istream& script,
                     std::ostream& out);

}  // namespace tarvex
