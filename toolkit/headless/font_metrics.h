#pragma once
// Text measurement without a window system: a fixed table of advance widths, so that headless
// results never depend on the fonts of the machine.
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/drawing.h"

namespace tarvex {

// The width in twips of a self-sizing label's text: whole pixels, rounded up.
float measured_width_twips(const Font& font, std::u16string_view text);

// The same measure in pixels at 96 DPI, for breaking a wrapping caption into the lines a paint draws;
// its lines lie as far apart as the sans serif's do (1.17 of its pixel size, rounded up).
const TextMeasure& headless_text_measure();

}  // namespace tarvex
