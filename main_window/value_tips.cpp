#include "main_window/value_tips.h"

#include "core/band_code.h"
#include "core/resistor_load.h"

namespace tarvex {

namespace {

Text ohms_text(double ohms) { return double_text(ohms) + u" \u03A9"; }

// "0.20 W of heat in the resistor; use a 1/2 W resistor"
Text heat_and_rating(double power) {
  Text text = fixed_text(power, 2) + u" W of heat in the resistor; ";
  if (const auto rating = safe_rating(power)) return text + u"use a " + Text(rating->name) + u" W resistor";
  // The margin of two leaves even the largest common rating short.
  const PowerRating& largest = kPowerRatings.back();
  return text + u"too much even for a " + Text(largest.name) + u" W resistor (" + fixed_text(largest.watts / 2, 2) +
         u" W at most)";
}

Text milliamperes(double amperes) { return fixed_text(amperes * 1000, 1) + u" mA"; }

Text single_led_tip(const ComputedRun& run, double ohms) {
  const ResistorLoad load = series_load(run.supply_v, run.led_v, ohms);
  if (!(load.current > 0)) return u"No current flows: the supply voltage is not above the LED voltage";
  return ohms_text(ohms) + u": " + milliamperes(load.current) + u" through the LED, " + heat_and_rating(load.power);
}

// The resistor carries the current of every LED on the line; each LED gets its share.
Text opto_tip(const ComputedRun& run, double ohms) {
  if (!(run.leds > 0)) return u"No current flows: there is no LED on the line";
  const ResistorLoad load = opto_load(run.led_v, ohms);
  if (!(load.current > 0)) return u"No current flows: the LED voltage takes the whole of the 5 V line";
  return ohms_text(ohms) + u": " + milliamperes(load.current / run.leds) + u" through each LED, " +
         heat_and_rating(load.power);
}

// "green" from the digit list's "5 Green".
Text colour_name(Integer digit) {
  Text name(kDigitItems[static_cast<std::size_t>(digit)].substr(2));
  for (char16_t& c : name) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return name;
}

// The band lists' multipliers start at one, so a value below 10 ohms is named in words instead.
Text gold_multiplier_tip(double ohms) {
  const auto code = gold_multiplier_code(ohms);
  if (!code || ohms >= 10) return {};
  return ohms_text(ohms) + u" in four bands: " + colour_name(code->first_digit) + u", " +
         colour_name(code->second_digit) + u", gold multiplier, gold tolerance";
}

}  // namespace

ValueTips value_tips(const ComputedRun& run) {
  ValueTips tips;
  if (run.standard_value) {
    tips.standard_value = single_led_tip(run, *run.standard_value);
    tips.drawn_resistor = gold_multiplier_tip(*run.standard_value);
  }
  if (run.opto_standard_value) tips.opto_standard_value = opto_tip(run, *run.opto_standard_value);
  return tips;
}

}  // namespace tarvex
