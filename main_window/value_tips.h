#pragma once
// The tooltips that say what the window's fixed texts cannot: with the standard value shown, the
// current that flows, the heat in the resistor and the rating to buy; and, for a standard value
// below 10 ohms, the four bands it is sold with. They are worked out from one successful Compute's
// values alone.
#include <optional>

#include "core/number_text.h"

namespace tarvex {

// What a successful Compute leaves behind: the entries as it took them (volts, and the number of
// LEDs) and each line's standard value in ohms, nothing where the value was refused.
struct ComputedRun {
  double supply_v = 0;
  double led_v = 0;
  double leds = 0;
  std::optional<double> standard_value;
  std::optional<double> opto_standard_value;
};

// Empty texts: no tooltip.
struct ValueTips {
  Text standard_value;       // txt_standard_val
  Text opto_standard_value;  // txt_opto_standard_val
  Text drawn_resistor;       // the large resistor and the bands on it
};

ValueTips value_tips(const ComputedRun& run);

}  // namespace tarvex
