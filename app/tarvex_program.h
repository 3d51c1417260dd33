#pragma once
// The program as it starts: the toolkit on Qt, with the start-up window loaded and shown. The program
// itself and anything that measures it (a start-up benchmark) start it the same way.
#include <optional>

#include "main_window/frm_main.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {

class TarvexProgram {
 public:
  // Needs a QApplication.
  TarvexProgram();

  // The main window on the screen; nullptr once it is gone.
  qt::FormView* main_window() const;
  // The program runs while any window is loaded.
  bool running() const { return toolkit_.running(); }
  // Why the main window did not come up, in the words the user was given; empty when it did.
  const std::optional<Text>& start_failure() const { return start_failure_; }

 private:
  qt::QtPlatform platform_;
  Toolkit toolkit_{platform_};
  UserInput input_{toolkit_};
  frmMain main_window_{toolkit_};
  std::optional<Text> start_failure_;
};

}  // namespace tarvex
