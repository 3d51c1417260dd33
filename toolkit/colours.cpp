#include "toolkit/colours.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tarvex {

namespace {

double luminance(Color colour) {
  const auto linear = [](std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const std::uint32_t bgr = bgr_of(colour);
  return 0.2126 * linear(bgr & 0xFF) + 0.7152 * linear((bgr >> 8) & 0xFF) + 0.0722 * linear((bgr >> 16) & 0xFF);
}

// The theme's colour for a mark (the handlers' red: a bad entry, a value out of reach), told apart
// from its text and reading on its background: the link colour, which every theme makes a text
// colour on its window background; else the selection's; else the text colour itself.
Color mark_colour(const SystemColours& system, Color background) {
  for (Color candidate : {system.hot_light, system.highlight}) {
    if (candidate != system.text && contrast_ratio(candidate, background) >= 4.5) return candidate;
  }
  return system.text;
}

// A design colour that names a role the system has a colour for, in the system's colour; any other
// is the design's own (a band) and stays.
Color as_role(Color design, const SystemColours& system) {
  if (design == kButtonFace) return system.face;
  if (design == kWindowBackground) return system.window;
  if (design == kWindowText) return system.text;
  return design;
}

}  // namespace

double contrast_ratio(Color a, Color b) {
  const double one = luminance(a), other = luminance(b);
  const double lighter = std::max(one, other), darker = std::min(one, other);
  return (lighter + 0.05) / (darker + 0.05);
}

Color drawn_colour(Color design, ColourUse use, const ColourScheme& scheme) {
  if (!scheme.contrast_theme) return use == ColourUse::DisabledText ? kGrayText : design;
  const SystemColours& system = scheme.system;
  switch (use) {
    case ColourUse::Face: return design == kWindowBackground ? system.window : system.face;
    case ColourUse::EntryBackground: return system.window;
    case ColourUse::DisabledText: return system.gray_text;
    case ColourUse::Outline: return system.text;
    // Any other caption colour is the design's own on a part it draws itself (the white address on
    // the picture), and stays.
    case ColourUse::Caption:
      return design == kRed ? mark_colour(system, system.face) : design == kWindowText ? system.text : design;
    case ColourUse::EntryText: return design == kRed ? mark_colour(system, system.window) : system.text;
    // An etched line's lit edge goes, and its shadow becomes a line in the text colour.
    case ColourUse::Line:
      if (design == kHighlight3D) return system.face;
      return design == kShadow3D || design == kDarkShadow3D ? system.text : as_role(design, system);
    // The drawings' fills (the LED, its glint, the bands, the body) are pictures: they stay.
    case ColourUse::Fill: return design == kButtonFace ? system.face : design;
  }
  return design;
}

}  // namespace tarvex
