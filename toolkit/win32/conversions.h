#pragma once
// The records' values as Windows takes them: texts, colours, twips at a window's DPI and typefaces.
#include <windows.h>

#include <cmath>
#include <string>
#include <string_view>
#include <windowsx.h>

#include "core/color.h"
#include "core/variant.h"
#include "toolkit/colours.h"
#include "toolkit/control.h"
#include "toolkit/pointer.h"
#include "toolkit/units.h"

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

// The records' colours are 0x00BBGGRR, which is a COLORREF already.
inline COLORREF to_colorref(Color color) { return static_cast<COLORREF>(bgr_of(color)); }

// The system's colours for the roles the windows draw in, and whether a contrast theme is on: read
// once, and again when the system says they changed (reread_colour_scheme).
const ColourScheme& colour_scheme();
void reread_colour_scheme();
// Wine keeps no contrast flag: the Windows tests make the flag read as on through this, and nothing
// else does.
void read_contrast_flag_as_on_for_tests(bool on);

// Twips to pixels at a DPI, rounded to the nearest pixel.
inline int to_pixels(float twips, UINT dpi) { return whole_pixels(twips, dpi); }
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
