#pragma once
// Drawing the primitives of a paint (toolkit/drawing.h) with a QPainter, in device-independent pixels.
#include <QPainter>

#include "toolkit/drawing.h"

namespace tarvex::qt {

void draw(QPainter& painter, const Primitive& primitive);

// Qt's measure of the windows' text, by which the toolkit breaks a wrapping caption.
const TextMeasure& text_measure();

}  // namespace tarvex::qt
