#pragma once
// The windows' pictures are kept as raw pixels (binary PPM, "P6"): drawing one then needs no image
// decoder in any front end, and the image-format plugins that a decoder brings in would cost the
// window's first frame.
#include <optional>
#include <string_view>

namespace tarvex {

struct RawPixels {
  int width = 0;
  int height = 0;
  std::string_view rgb;  // three bytes a pixel, row by row from the top, within the data read
};

// The pixels of a binary PPM with 8-bit samples; nothing for anything else or anything short.
std::optional<RawPixels> read_raw_pixels(std::string_view ppm);

}  // namespace tarvex
