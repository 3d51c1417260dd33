#include "toolkit/qt/raw_picture.h"

#include <algorithm>
#include <string_view>

#include "toolkit/raw_pixels.h"

namespace tarvex::qt {

QImage read_raw_picture(const QByteArray& ppm) {
  const auto pixels = read_raw_pixels(std::string_view(ppm.constData(), static_cast<std::size_t>(ppm.size())));
  if (!pixels) return {};
  QImage image(pixels->width, pixels->height, QImage::Format_RGB888);
  const std::size_t row = static_cast<std::size_t>(pixels->width) * 3;
  for (int y = 0; y < pixels->height; ++y) {
    std::copy_n(pixels->rgb.data() + static_cast<std::size_t>(y) * row, row, image.scanLine(y));
  }
  return image;
}

}  // namespace tarvex::qt
