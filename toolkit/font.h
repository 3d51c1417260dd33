#pragma once
// A typeface as the windows name it, with its size in points; boldness is the FontBold property where
// the windows change it.
#include <string>

namespace tarvex {

struct Font {
  std::u16string face = u"Verdana";
  float size = 8.25f;
  bool bold = false;
};

}  // namespace tarvex
