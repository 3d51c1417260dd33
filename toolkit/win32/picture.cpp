#include "toolkit/win32/picture.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace tarvex::win32 {

HBITMAP top_down_bitmap(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

Picture::Picture(const RawPixels& pixels) : width_(pixels.width), height_(pixels.height) {
  void* bits = nullptr;
  bitmap_ = top_down_bitmap(nullptr, width_, height_, &bits);
  if (bitmap_ == nullptr) return;
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width_) * height_; ++i) {
    out[i * 4 + 0] = static_cast<std::uint8_t>(pixels.rgb[i * 3 + 2]);
    out[i * 4 + 1] = static_cast<std::uint8_t>(pixels.rgb[i * 3 + 1]);
    out[i * 4 + 2] = static_cast<std::uint8_t>(pixels.rgb[i * 3 + 0]);
    out[i * 4 + 3] = 0;
  }
}

Picture::~Picture() {
  if (bitmap_) DeleteObject(bitmap_);
}

void Picture::draw(HDC dc, const RECT& box) const {
  if (bitmap_ == nullptr) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ before = SelectObject(source, bitmap_);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0, width_, height_, SRCCOPY);
  SelectObject(source, before);
  DeleteDC(source);
}

const Picture* program_picture(std::string_view name) {
  static std::map<std::string, std::unique_ptr<Picture>> pictures;
  const std::string key(name);
  if (auto found = pictures.find(key); found != pictures.end()) return found->second.get();
  std::unique_ptr<Picture> picture;
  const std::wstring resource_name(key.begin(), key.end());
  if (HRSRC found = FindResourceW(nullptr, resource_name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */)) {
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const auto pixels = data ? read_raw_pixels(std::string_view(data, SizeofResource(nullptr, found))) : std::nullopt;
    if (pixels) picture = std::make_unique<Picture>(*pixels);
  }
  return pictures.emplace(key, std::move(picture)).first->second.get();
}

}  // namespace tarvex::win32
