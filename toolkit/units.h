#pragma once
// Positions and sizes of the windows are in twips, 1/1440 inch: 15 twips to a device-independent
// pixel at 96 dots per inch. Line and border widths are in pixels; type sizes are in points.
#include <cmath>

namespace tarvex {

inline constexpr float kTwipsPerPixel = 15.0f;

// Pixels at a DPI (96: device-independent pixels) in twips: 1440 / DPI twips a pixel.
inline float twips_of(double pixels, double dpi = 96) { return static_cast<float>(pixels * 1440.0 / dpi); }

// The pixel size of a point size at a DPI, 96 dots per inch unless said, as the windows draw their type.
inline int font_pixels(float points, double dpi = 96) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

// A measured text width in twips, in whole pixels rounded up, as every front end measures it: a
// self-sizing label never clips its text (a hair over a whole pixel from rounding stays on it).
inline float whole_pixel_width(double pixels) { return static_cast<float>(std::ceil(pixels - 1e-9) * kTwipsPerPixel); }

}  // namespace tarvex
