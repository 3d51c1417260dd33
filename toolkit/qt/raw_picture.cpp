#include "toolkit/qt/raw_picture.h"

#include <string_view>

#include "toolkit/raw_pixels.h"

namespace tarvex::qt {

// The rows are Qt's RGB888 with no padding between them; the image is copied out of the data read.
QImage read_raw_picture(const QByteArray& ppm) {
  const auto pixels = read_raw_pixels(std::string_view(ppm.constData(), static_cast<std::size_t>(ppm.size())));
  if (!pixels) return {};
  return QImage(reinterpret_cast<const uchar*>(pixels->rgb.data()), pixels->width, pixels->height,
                static_cast<qsizetype>(pixels->width) * 3, QImage::Format_RGB888)
      .copy();
}

}  // namespace tarvex::qt
