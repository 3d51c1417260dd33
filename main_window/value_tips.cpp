#include "main_window/value_tips.h"

#include "core/band_code.h"
#include "core/resistor_load.h"

namespace tarvex {

namespace {

Text ohms_text(double ohms) { return double_text(ohms) + u" \u03A9"; }

// "510 Ω: 19.6 mA through the LED, 0.20 W of heat in the resistor; use a 1/2 W resistor", written
// into one text, as every successful Compute builds two of them.
Text load_tip(double ohms, double amperes, std::u16string_view through_what, double power) {
  Text tip;
  tip.reserve(128);
  tip += double_text(ohms);
  tip += u" \u03A9: ";
  tip += fixed_text(amperes * 1000, 1);
  tip += u" mA through ";
  tip += through_what;
  tip += u", ";
  tip += fixed_text(power, 2);
  tip += u" W of heat in the resistor; ";
  if (const auto rating = safe_rating(power)) {
    tip += u"use a ";
    tip += rating->name;
    tip += u" W resistor";
  } else {
    // The margin of two leaves even the largest common rating short.
    const PowerRating& largest = kPowerRatings.back();
    tip += u"too much even for a ";
    tip += largest.name;
    tip += u" W resistor (";
    tip += fixed_text(largest.watts / 2, 2);
    tip += u" W at most)";
  }
  return tip;
}

Text single_led_tip(const ComputedRun& run, double ohms) {
  const ResistorLoad load = series_load(run.supply_v, run.led_v, ohms);
  if (!(load.current > 0)) return u"No current flows: the supply voltage is not above the LED voltage";
  return load_tip(ohms, load.current, u"the LED", load.power);
}

// The resistor carries the current of every LED on the line; each LED gets its share.
Text opto_tip(const ComputedRun& run, double ohms) {
  if (!(run.leds > 0)) return u"No current flows: there is no LED on the line";
  const ResistorLoad load = opto_load(run.led_v, ohms);
  if (!(load.current > 0)) return u"No current flows: the LED voltage takes the whole of the 5 V line";
  return load_tip(ohms, load.current / run.leds, u"each LED", load.power);
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
