#pragma once
// Drawing the windowless controls (labels, shapes, lines, pictures) with GDI, as the records describe
// them. Positions come in twips; the device context works in pixels at the window's DPI.
#include <windows.h>

#include "toolkit/control.h"

namespace tarvex::win32 {

void draw(HDC dc, const Shape& shape, UINT dpi);
void draw(HDC dc, const Line& line, UINT dpi);
void draw(HDC dc, const Label& label, UINT dpi);
void draw(HDC dc, const Image& image, UINT dpi);

}  // namespace tarvex::win32
