#pragma once
// The windows' pictures, kept in the program as raw pixels (toolkit/raw_pixels.h), as GDI draws them.
#include <windows.h>

#include <string_view>

#include "toolkit/raw_pixels.h"

namespace tarvex::win32 {

// A 32-bit bitmap of the size, rows top-down, whose pixels the program writes at bits; nullptr when
// GDI cannot make one.
HBITMAP top_down_bitmap(HDC dc, int width, int height, void** bits);

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
