// The tooltips as words, from a successful run's values alone: what the driver scripts cannot reach
// (a refused opto-isolator value beside a good one, a count of LEDs written by code, the user's own
// notation).
#include "main_window/value_tips.h"

#include <gtest/gtest.h>

#include "core/notation.h"

namespace tarvex {
namespace {

const ComputedRun kTwelveVolts{.supply_v = 12, .led_v = 2, .leds = 2, .standard_value = 510, .opto_standard_value = 75};

TEST(ValueTips, ARefusedOptoIsolatorValueHasNoTooltipAndTheSingleLedKeepsItsOwn) {
  ComputedRun run = kTwelveVolts;
  run.opto_standard_value.reset();
  const ValueTips tips = value_tips(run);
  EXPECT_EQ(tips.opto_standard_value, u"");
  EXPECT_EQ(tips.standard_value,
            u"510 \u03A9: 19.6 mA through the LED, 0.20 W of heat in the resistor; use a 1/2 W resistor");
}

TEST(ValueTips, ALineWithoutLedsDrivesNoCurrent) {
  for (double leds : {0.0, -2.0}) {
    ComputedRun run = kTwelveVolts;
    run.leds = leds;
    EXPECT_EQ(value_tips(run).opto_standard_value, u"No current flows: there is no LED on the line") << leds;
  }
}

TEST(ValueTips, NumbersAreWrittenInTheUsersNotation) {
  const ScopedNotation german(NumberNotation{u',', u'.', u"€"});
  ComputedRun run = kTwelveVolts;
  run.supply_v = 2.5;
  run.standard_value = 5.1;
  const ValueTips tips = value_tips(run);
  EXPECT_EQ(tips.standard_value,
            u"5,1 \u03A9: 98,0 mA through the LED, 0,05 W of heat in the resistor; use a 1/8 W resistor");
  EXPECT_EQ(tips.drawn_resistor, u"5,1 \u03A9 in four bands: green, brown, gold multiplier, gold tolerance");
}

}  // namespace
}  // namespace tarvex
