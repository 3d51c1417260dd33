#pragma once
// The windows' pictures are kept as raw pixels (binary PPM, "P6"): drawing one then needs no image
// decoder, and the image-format plugins that a decoder brings in would cost the window's first frame
// about a millisecond.
#include <QByteArray>
#include <QImage>

namespace tarvex::qt {

// The picture in a binary PPM with 8-bit samples; a null image for anything else or anything short.
QImage read_raw_picture(const QByteArray& ppm);

}  // namespace tarvex::qt
