#pragma once
// The records' values as Windows takes them: texts, colours, twips at a window's DPI and typefaces.
#include <windows.h>

#include <cmath>
#include <string>
#include <string_view>
#include <windowsx.h>

#include "core/color.h"
#include "core/variant.h"
#include "toolkit/control.h"
#include "toolkit/units.h"
#include "toolkit/view_rules.h"

namespace tarvex::win32 {

// Windows' wide characters are UTF-16 code units, as the records keep their texts.
inline const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline std::wstring to_wstring(std::u16string_view text) { return {text.begin(), text.end()}; }
inline Text to_text(std::wstring_view text) { return {text.begin(), text.end()}; }

// Whether a window is of the window class of that name.
inline bool is_of_class(HWND window, std::wstring_view class_name) {
  wchar_t name[64] = {};
  return GetClassNameW(window, name, 64) > 0 && class_name == name;
}

// The records' colours are 0x00BBGGRR, which is a COLORREF already. The system colours that the
// windows name are drawn in the colours the system has for them now.
COLORREF to_colorref(Color color);

// Twips to pixels at a DPI: 1440 / DPI twips a pixel (15 at 96 DPI), rounded to the nearest pixel.
inline int to_pixels(float twips, UINT dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}
// The point of the client area that a message of the mouse gives.
inline POINT mouse_point(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }
inline TwipPoint to_twips(POINT pixels, UINT dpi) { return {twips_of(pixels.x, dpi), twips_of(pixels.y, dpi)}; }
inline Bounds to_twips(const RECT& r, UINT dpi) {
  return {twips_of(r.left, dpi), twips_of(r.top, dpi), twips_of(r.right - r.left, dpi),
          twips_of(r.bottom - r.top, dpi)};
}
inline RECT to_pixels(Bounds b, UINT dpi) {
  const int left = to_pixels(b.left, dpi);
  const int top = to_pixels(b.top, dpi);
  return {left, top, left + to_pixels(b.width, dpi), top + to_pixels(b.height, dpi)};
}
// Where a control that has a place lies, in pixels.
inline RECT to_pixels(const Control& placed, UINT dpi) {
  return to_pixels(static_cast<const Placed&>(placed).bounds(), dpi);
}

// The face that a typeface of the windows is drawn in: the face itself where the system has it,
// else the closest sans serif it has.
std::wstring resolved_face(std::u16string_view face);
// The fonts of the windows, made once for each face, size, weight and DPI and kept for the run.
HFONT font_for(const Font& font, UINT dpi);
// A font at a given pixel height (for measuring at a large size).
HFONT font_at_pixels(const Font& font, int pixels);

}  // namespace tarvex::win32
