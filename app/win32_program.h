#pragma once
// The program as it starts on Windows: the toolkit on the Windows controls, with the start-up window
// loaded and shown. The program itself and its start-up benchmark start it the same way.
#include "main_window/frm_main.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"
#include "toolkit/win32/form_view.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {

class Win32Program {
 public:
  Win32Program();

  win32::Win32Platform& platform() { return platform_; }
  // The main window on the screen; nullptr once it is gone.
  win32::FormView* main_window() const { return platform_.view_of(main_window_); }
  bool running() const { return toolkit_.running(); }

 private:
  win32::Win32Platform platform_;
  Toolkit toolkit_{platform_};
  UserInput input_{toolkit_};
  frmMain main_window_{toolkit_};
};

}  // namespace tarvex
