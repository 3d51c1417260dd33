#include "drawings/led_drawing.h"

#include "core/band_code.h"

namespace tarvex {

namespace {

constexpr Color kLightBlue = color_bgr(0xFFC0C0);

}  // namespace

void design_led(const LedParts& led, float left, float top) {
  const auto at = [&](float x, float y, float w, float h) { return Bounds{left + x, top + y, w, h}; };
  const auto line = [&](float x1, float y1, float x2, float y2) {
    return Line::Design{left + x1, top + y1, left + x2, top + y2, kWindowText, 1};
  };
  const auto flat = [](Bounds b, Color c) {
    return Shape::Design{.at = b, .fill = c, .border = c, .has_border = false};
  };
  const auto oval = [](Bounds b, Color c) {
    return Shape::Design{.at = b, .shape = ShapeKind::Oval, .fill = c, .border = c, .has_border = false};
  };

  led.dome.design(oval(at(0, 0, 375, 375), kLightBlue));
  led.body.design(flat(at(0, 120, 375, 375), kLightBlue));
  led.rim.design(flat(at(-38, 480, 454, 135), kLightBlue));
  Shape::Design highlight = flat(at(60, 120, 75, 75), kWindowBackground);
  highlight.shape = ShapeKind::Square;
  led.highlight.design(highlight);

  led.short_lead.design(line(75, 360, 75, 1680));
  led.short_inner.design(line(120, 480, 120, 1680));
  led.short_top.design(line(75, 360, 225, 360));
  led.short_bend.design(line(220, 360, 120, 480));
  led.short_foot.design(line(125, 1680, 75, 1680));
  led.long_lead.design(line(270, 375, 270, 1885));
  led.long_inner.design(line(225, 480, 225, 1880));
  led.long_bend.design(line(270, 375, 195, 485));
  led.long_foot.design(line(225, 1875, 275, 1875));

  led.resistor_top.design(oval(at(165, 960, 195, 135), kResistorBody));
  led.resistor_body.design(flat(at(195, 1080, 135, 345), kResistorBody));
  led.resistor_bottom.design(oval(at(165, 1320, 195, 135), kResistorBody));

  led.polarity.design({.at = at(-240, 240, 915, 270),
                       .caption = u"-        +",
                       .font = {u"Verdana", 12, true},
                       .auto_size = true,
                       .transparent = true});
}

}  // namespace tarvex
