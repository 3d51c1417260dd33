#pragma once
// The main window loaded and shown on a platform, with the toolkit and the user's input: where most
// tests of the window start.
#include <concepts>

#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {

template <class PlatformType>
struct ShownMainWindowOn {
  ShownMainWindowOn() {
    if constexpr (std::derived_from<PlatformType, ViewMaker>) toolkit.show_windows_in(platform, input);
    toolkit.Load(window);
    toolkit.Show(window);
  }

  PlatformType platform;
  Toolkit toolkit{platform};
  UserInput input{toolkit};
  frmMain window{toolkit};
};

using ShownMainWindow = ShownMainWindowOn<HeadlessPlatform>;

}  // namespace tarvex
