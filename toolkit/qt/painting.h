#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) on a window's surface, as the
// records describe them. Positions come in twips; the painter works in device-independent pixels.
#include <QPainter>

#include "toolkit/control.h"

namespace tarvex::qt {

void draw(QPainter& painter, const Shape& shape);
void draw(QPainter& painter, const Line& line);
void draw(QPainter& painter, const Label& label);
void draw(QPainter& painter, const Image& image);

}  // namespace tarvex::qt
