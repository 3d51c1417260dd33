#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) with GDI, as the records describe
// them. Positions come in twips; the device context works in pixels at the window's DPI.
#include <windows.h>

#include "toolkit/control.h"

namespace tarvex::win32 {

class Picture;

// Everything a control may paint, in pixels, with a margin for its border: what to repaint when it
// changes.
RECT painted_extent(const Control& control, UINT dpi);

void paint_control(HDC dc, const Control& control, UINT dpi, const Picture* picture);

}  // namespace tarvex::win32
