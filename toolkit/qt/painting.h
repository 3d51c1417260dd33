#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) on a window's surface, as the
// records describe them. Positions come in twips; the painter works in device-independent pixels.
#include <QPainter>
#include <QPixmap>
#include <QRect>

#include "toolkit/control.h"

namespace tarvex::qt {

// Everything a control may paint, in pixels, with a margin for its border: what to repaint when it
// changes.
QRect painted_extent(const Control& control);

void paint_control(QPainter& painter, const Control& control, const QPixmap* picture);

}  // namespace tarvex::qt
