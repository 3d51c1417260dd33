#pragma once
// The system colours that the windows name, as the desktop they were designed on shows them. They are
// the windows' own on every desktop: the painted controls draw with them and the widgets' palette is
// made of them, so that a desktop's dark or tinted scheme never puts the colours the handlers write
// (black captions after a Compute, red marks) on a background they were not chosen for.
#include "core/color.h"

namespace tarvex {

inline constexpr Color kButtonFace = color_bgr(0xF0F0F0);  // the windows' face, buttons, lists
inline constexpr Color kButtonText = color_bgr(0x000000);
inline constexpr Color kWindowText = color_bgr(0x000000);        // captions and drawn lines
inline constexpr Color kWindowBackground = color_bgr(0xFFFFFF);  // inside entry boxes and lists
inline constexpr Color kGrayText = color_bgr(0x6D6D6D);          // the text of a disabled control
inline constexpr Color kHighlight3D = color_bgr(0xFFFFFF);       // the lit edge of a raised control
inline constexpr Color kLight3D = color_bgr(0xE3E3E3);
inline constexpr Color kShadow3D = color_bgr(0xA0A0A0);  // its shaded edge
inline constexpr Color kDarkShadow3D = color_bgr(0x696969);
inline constexpr Color kHighlight = color_bgr(0xD77800);  // behind selected text and items
inline constexpr Color kHighlightText = color_bgr(0xFFFFFF);
inline constexpr Color kInfoBackground = color_bgr(0xE1FFFF);  // tooltips
inline constexpr Color kInfoText = color_bgr(0x000000);
inline constexpr Color kHotLight = color_bgr(0xCC6600);  // a link's text, and what the pointer is over

}  // namespace tarvex
