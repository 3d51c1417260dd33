#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) on a window's surface, as the
// records describe them. Positions come in twips; the painter works in device-independent pixels.
#include <QPainter>
#include <QPixmap>

#include "toolkit/control.h"

namespace tarvex::qt {

void paint_control(QPainter& painter, const Control& control, const QPixmap* picture);

}  // namespace tarvex::qt
