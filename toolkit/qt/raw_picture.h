#pragma once
// A raw picture (toolkit/raw_pixels.h) as Qt draws it.
#include <QByteArray>
#include <QImage>

namespace tarvex::qt {

// The picture in a binary PPM with 8-bit samples; a null image for anything else or anything short.
QImage read_raw_picture(const QByteArray& ppm);

}  // namespace tarvex::qt
