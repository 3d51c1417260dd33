#pragma once
// Positions and sizes of the windows are in twips, 1/1440 inch: 15 twips to a device-independent
// pixel at 96 dots per inch. Line and border widths are in pixels; type sizes are in points.
#include <algorithm>
#include <cmath>

namespace tarvex {

inline constexpr float kTwipsPerPixel = 15.0f;

// Pixels at a DPI (96: device-independent pixels) in twips: 1440 / DPI twips a pixel.
inline float twips_of(double pixels, double dpi = 96) { return static_cast<float>(pixels * 1440.0 / dpi); }
// Twips in pixels at a DPI, unrounded; and rounded to the nearest whole pixel, where a window
// places things on whole pixels.
inline double pixels_of(double twips, double dpi = 96) { return twips * dpi / 1440.0; }
inline int whole_pixels(double twips, double dpi) { return static_cast<int>(std::lround(pixels_of(twips, dpi))); }
// A line's or a border's width, given in pixels at 96 DPI, at a DPI: never thinner than a pixel.
inline int line_pixels(int width, double dpi) { return std::max(1, static_cast<int>(std::lround(width * dpi / 96.0))); }

// The pixel size of a point size at a DPI, 96 dots per inch unless said, as the windows draw their type.
inline int font_pixels(float points, double dpi = 96) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

// A measured text width in twips, in whole pixels rounded up, as every front end measures it: a
// self-sizing label never clips its text (a hair over a whole pixel from rounding stays on it).
inline float whole_pixel_width(double pixels) { return static_cast<float>(std::ceil(pixels - 1e-9) * kTwipsPerPixel); }

}  // namespace tarvex
