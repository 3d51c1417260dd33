#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) with GDI, as the records describe
// them. Positions come in twips; the device context works in pixels at the window's DPI.
#include <windows.h>

#include "toolkit/control.h"

namespace tarvex::win32 {

void paint_control(HDC dc, const Control& control, UINT dpi);

}  // namespace tarvex::win32
