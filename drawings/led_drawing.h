#pragma once
// The little LED that both windows draw: a light-blue dome with its rim and highlight, two bent leads,
// a tan resistor on the long lead and the polarity signs above. Each window owns the controls and
// paints its own resistor bands; this lays the rest out from the dome's top-left corner.
#include "toolkit/control.h"

namespace tarvex {

struct LedParts {
  Shape& dome;
  Shape& body;
  Shape& rim;
  Shape& highlight;
  // The short lead: its outer and inner edge, the top it hangs from, the bend and the foot.
  Line& short_lead;
  Line& short_inner;
  Line& short_top;
  Line& short_bend;
  Line& short_foot;
  // The long lead: its outer and inner edge, the bend and the foot.
  Line& long_lead;
  Line& long_inner;
  Line& long_bend;
  Line& long_foot;
  // The resistor on the long lead: two rounded ends and the body between them.
  Shape& resistor_top;
  Shape& resistor_body;
  Shape& resistor_bottom;
  Label& polarity;
};

// Positions in twips, from the dome's top-left corner.
void design_led(const LedParts& led, float left, float top);

}  // namespace tarvex
