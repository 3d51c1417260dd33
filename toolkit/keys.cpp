#include "toolkit/keys.h"

namespace tarvex {

std::optional<KeyPress> key_press_of(const KeyStroke& stroke) {
  if (stroke.alt) {
    const bool letter = (stroke.code >= 'A' && stroke.code <= 'Z') || (stroke.code >= '0' && stroke.code <= '9');
    if (stroke.shift || stroke.control || !letter) return std::nullopt;
    return KeyPress{KeyName::Alt, static_cast<char16_t>(stroke.code)};
  }
  if (stroke.control || !stroke.key) return std::nullopt;
  if (*stroke.key == KeyName::Tab) return KeyPress{stroke.shift ? KeyName::ShiftTab : KeyName::Tab};
  if (stroke.shift) return std::nullopt;
  return KeyPress{*stroke.key};
}

}  // namespace tarvex
