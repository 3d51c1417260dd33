#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) on a window's surface, as the
// records describe them. Positions come in twips; the painter works in device-independent pixels.
#include <QPainter>
#include <QPixmap>
#include <QRect>

#include "toolkit/control.h"

namespace tarvex::qt {

// Everything a control may paint, in pixels, with a margin for its border: what to repaint when it
// changes, and where it takes clicks.
QRect painted_extent(const Control& control);
// Where a click lands on the control (lines take none).
bool hit(const Control& control, QPointF point);
// Where the pointer rests on the control for its tooltip: as for a click, and shapes over their
// rectangle too.
bool covers(const Control& control, QPointF point);

void paint_control(QPainter& painter, const Control& control, const QPixmap* picture);

}  // namespace tarvex::qt
