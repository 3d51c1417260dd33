// The tooltips as words, from a successful run's values alone: what the driver scripts cannot reach
// (a count of LEDs written by code, the user's own notation), and which line speaks when a value was
// refused.
#include "main_window/value_tips.h"

#include <gtest/gtest.h>

#include "core/notation.h"

namespace tarvex {
namespace {

const ComputedRun kTwelveVolts{.supply_v = 12, .led_v = 2, .leds = 2, .standard_value = 510, .opto_standard_value = 75};

TEST(ValueTips, EachLineSpeaksOnlyOfItsOwnShownValue) {
  ComputedRun refused_single = kTwelveVolts;
  refused_single.standard_value.reset();
  const ValueTips tips = value_tips(refused_single);
  EXPECT_EQ(tips.standard_value, u"");
  EXPECT_EQ(tips.drawn_resistor, u"");
  EXPECT_EQ(tips.opto_standard_value,
            u"75 \u03A9: 18.7 mA through each LED, 0.10 W of heat in the resistor; use a 1/4 W resistor");

  ComputedRun refused_opto = kTwelveVolts;
  refused_opto.opto_standard_value.reset();
  EXPECT_EQ(value_tips(refused_opto).opto_standard_value, u"");
  EXPECT_NE(value_tips(refused_opto).standard_value, u"");
}

TEST(ValueTips, ALineWithoutLedsDrivesNoCurrent) {
  for (double leds : {0.0, -2.0}) {
    ComputedRun run = kTwelveVolts;
    run.leds = leds;
    EXPECT_EQ(value_tips(run).opto_standard_value, u"No current flows: there is no LED on the line") << leds;
  }
}

TEST(ValueTips, TheBandsOfAValueBelowTenAndNoneFromTen) {
  ComputedRun run = kTwelveVolts;
  for (const auto& [ohms, bands] : {std::pair{9.1, u"white, brown"}, {1.0, u"brown, black"}, {4.7, u"yellow, violet"}}) {
    run.standard_value = ohms;
    EXPECT_EQ(value_tips(run).drawn_resistor,
              double_text(ohms) + u" \u03A9 in four bands: " + bands + u", gold multiplier, gold tolerance");
  }
  run.standard_value = 10;
  EXPECT_EQ(value_tips(run).drawn_resistor, u"");
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
