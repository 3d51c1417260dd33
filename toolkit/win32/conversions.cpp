#include "toolkit/win32/conversions.h"

#include <map>
#include <tuple>

#include "toolkit/typefaces.h"

namespace tarvex::win32 {

namespace {

bool contrast_flag_read_as_on = false;

Color system_colour(int index) { return color_bgr(GetSysColor(index)); }

ColourScheme read_colour_scheme() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  const bool on = contrast_flag_read_as_on ||
                  (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                   (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0);
  return {{.face = system_colour(COLOR_BTNFACE),
           .text = system_colour(COLOR_WINDOWTEXT),
           .window = system_colour(COLOR_WINDOW),
           .gray_text = system_colour(COLOR_GRAYTEXT),
           .highlight = system_colour(COLOR_HIGHLIGHT),
           .hot_light = system_colour(COLOR_HOTLIGHT)},
          on};
}

ColourScheme& scheme_now() {
  static ColourScheme scheme = read_colour_scheme();
  return scheme;
}

int CALLBACK note_face(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool system_has(const std::wstring& face) {
  if (face.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, note_face, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

const ColourScheme& colour_scheme() { return scheme_now(); }
void reread_colour_scheme() { scheme_now() = read_colour_scheme(); }

void read_contrast_flag_as_on_for_tests(bool on) {
  contrast_flag_read_as_on = on;
  reread_colour_scheme();
}

std::wstring resolved_face(std::u16string_view face) {
  static DrawnFaces faces([](std::u16string_view family) { return system_has(to_wstring(family)); }, u"MS Shell Dlg 2");
  return to_wstring(faces.of(face));
}

HFONT font_at_pixels(const Font& font, int pixels) {
  static std::map<std::tuple<std::u16string, int, bool>, HFONT> fonts;
  const auto key = std::make_tuple(font.face, pixels, font.bold);
  if (auto found = fonts.find(key); found != fonts.end()) return found->second;
  LOGFONTW look{};
  look.lfHeight = -pixels;  // the em, not the cell, as type sizes are given
  look.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  look.lfCharSet = DEFAULT_CHARSET;
  look.lfQuality = CLEARTYPE_QUALITY;
  resolved_face(font.face).copy(look.lfFaceName, LF_FACESIZE - 1);
  HFONT made = CreateFontIndirectW(&look);
  fonts.emplace(key, made);
  return made;
}

HFONT font_for(const Font& font, UINT dpi) { return font_at_pixels(font, font_pixels(font.size, dpi)); }

}  // namespace tarvex::win32
