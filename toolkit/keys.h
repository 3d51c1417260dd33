#pragma once
// Which keys the window acts on, once for every front end: a front end reads a key into a KeyStroke
// and hands on the key press that this makes of it, if any.
#include <optional>

#include "toolkit/user_action.h"

namespace tarvex {

// A key as a front end reads it: one of the keys the window may act on (none for any other), the
// key's code, and the modifiers held. Qt's and Windows' codes of the letter and digit keys are both
// their ASCII upper case, which an access key is.
struct KeyStroke {
  std::optional<KeyName> key{};  // Enter, Escape, Tab, Space or an arrow
  long code = 0;
  bool alt = false, shift = false, control = false;
};
// The key that the window may act on: Alt with a letter or digit and nothing else held (an access
// key), Tab with or without Shift, and the other keys with no modifier at all.
std::optional<KeyPress> key_press_of(const KeyStroke& stroke);

}  // namespace tarvex
