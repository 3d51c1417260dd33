#pragma once
// Drawing the primitives of a paint (toolkit/drawing.h) with GDI, in pixels at the window's DPI.
#include <windows.h>

#include "toolkit/drawing.h"

namespace tarvex::win32 {

void draw(HDC dc, const Primitive& primitive, UINT dpi);

// GDI's measure of the windows' text at a DPI, by which the toolkit breaks a wrapping caption.
TextMeasure text_measure(HDC dc, UINT dpi);

}  // namespace tarvex::win32
