#include "toolkit/qt/raw_picture.h"

#include <algorithm>
#include <cctype>

namespace tarvex::qt {

namespace {

// The next number of the header, after blanks and comments; -1 when there is none.
long header_number(const QByteArray& data, qsizetype& at) {
  while (at < data.size()) {
    const char c = data[at];
    if (c == '#') {
      while (at < data.size() && data[at] != '\n') ++at;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
    } else {
      break;
    }
  }
  long number = -1;
  while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at])) && number < 100000) {
    number = (number < 0 ? 0 : number * 10) + (data[at++] - '0');
  }
  return number;
}

}  // namespace

QImage read_raw_picture(const QByteArray& ppm) {
  if (!ppm.startsWith("P6")) return {};
  qsizetype at = 2;
  const long width = header_number(ppm, at);
  const long height = header_number(ppm, at);
  const long max_value = header_number(ppm, at);
  // One blank ends the header; the samples follow, three bytes a pixel, row by row.
  if (width <= 0 || height <= 0 || max_value != 255 || at >= ppm.size()) return {};
  const qsizetype row = static_cast<qsizetype>(width) * 3;
  const qsizetype start = at + 1;
  if (ppm.size() - start < row * height) return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  for (long y = 0; y < height; ++y) {
    std::copy_n(ppm.constData() + start + y * row, row, image.scanLine(static_cast<int>(y)));
  }
  return image;
}

}  // namespace tarvex::qt
