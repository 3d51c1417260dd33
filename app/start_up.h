#pragma once
// How the program starts on every window system: the start-up window is loaded (its Form_Load
// runs) and shown, as one event, so that an error in its start is reported like any other.
#include <optional>

#include "toolkit/form.h"
#include "toolkit/toolkit.h"

namespace tarvex {

// Returns the words the user was given when the window did not come up.
inline std::optional<Text> load_and_show(Toolkit& toolkit, Form& start_up_window) {
  return toolkit.dispatch([&] {
    toolkit.Load(start_up_window);
    toolkit.Show(start_up_window);
  });
}

}  // namespace tarvex
