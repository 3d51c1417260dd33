#pragma once
// The windows' pictures, kept in the program as raw pixels (binary PPM, "P6"): drawing one needs no
// image decoder.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvex::win32 {

struct RawPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // three bytes a pixel, row by row from the top
};

// The pixels of a binary PPM with 8-bit samples; nothing for anything else or anything short.
std::optional<RawPixels> read_raw_pixels(std::string_view ppm);

// A picture ready for GDI to stretch into a box.
class Picture {
 public:
  explicit Picture(const RawPixels& pixels);
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture();

  void draw(HDC dc, const RECT& box) const;

 private:
  HBITMAP bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The picture of that name among the program's resources (an RCDATA of the same name), or nullptr.
const Picture* program_picture(std::string_view name);

}  // namespace tarvex::win32
