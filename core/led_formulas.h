#pragma once
// The two limiting-resistor formulas. Volts in, amperes (or milliamperes) in, ohms out, rounded to a
// whole number half to even. Every step is Variant arithmetic in the order written: the order decides
// the last bit of each intermediate Double, and so the rounding at halves.
#include "core/variant.h"

namespace tarvex {

// Series resistor for one LED: (supplyv - ledv) / leda. With milliamperes chosen, leda is first
// divided by 1000 in the caller's variable, on every call.
Long resistor_value(Variant& supplyv, Variant& ledv, Variant& leda, bool milliamperes);
// The same before rounding, for a caller that must tell a resistance just above zero (which rounds
// to 0) from one at or below it.
Variant resistor_quotient(Variant& supplyv, Variant& ledv, Variant& leda, bool milliamperes);

// Resistor for leds LEDs fed from the fixed 5 V opto-isolator line: ((5 - ledv) - 0.2) / (leds *
// leda), leda in amperes. supplyv takes no part in it.
Long opto_resistor_value(Variant& supplyv, Variant& ledv, Variant& leda, Variant& leds);
Variant opto_resistor_quotient(Variant& supplyv, Variant& ledv, Variant& leda, Variant& leds);

}  // namespace tarvex
