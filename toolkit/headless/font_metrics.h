#pragma once
// Text measurement without a window system: a fixed table of advance widths, so that headless
// results never depend on the fonts of the machine.
#include <string_view>

#include "toolkit/control.h"

namespace tarvex {

// The width in twips of a self-sizing label's text: whole pixels, rounded up.
float measured_width_twips(const Font& font, std::u16string_view text);

}  // namespace tarvex
