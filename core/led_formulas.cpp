#include "core/led_formulas.h"

namespace tarvex {

Long resistor_value(Variant& supplyv, Variant& ledv, Variant& leda, bool milliamperes) {
  // The caller's own variable is converted, before anything can fail: a later error still leaves
  // the current in amperes.
  if (milliamperes) leda = leda / Variant::Integer(1000);
  const Variant drop = supplyv - ledv;
  const Variant ohms = drop / leda;
  return to_long(ohms);
}

Long opto_resistor_value(Variant& /*supplyv*/, Variant& ledv, Variant& leda, Variant& leds) {
  // Two subtractions, line voltage first: folding them into 4.8 - ledv changes the last bit and
  // with it the rounding of results that lie near a half.
  const Variant after_led = Variant::Integer(5) - ledv;
  const Variant across_resistor = after_led - Variant::Double(0.2);
  const Variant current = leds * leda;
  const Variant ohms = across_resistor / current;
  return to_long(ohms);
}

}  // namespace tarvex
