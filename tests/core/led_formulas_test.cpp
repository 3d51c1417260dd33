#include "core/led_formulas.h"

#include <gtest/gtest.h>

#include "tests/core/expect_error.h"

namespace tarvex {
namespace {

Variant D(double value) { return Variant::Double(value); }

TEST(ResistorValue, RoundsTheQuotientHalfToEven) {
  const struct {
    const char* name;
    double supplyv, ledv, leda;
    bool milliamperes;
    Long expected;
  } rows[] = {
      {"milliamperes", 12, 2, 20, true, 500},
      {"amperes", 12, 2, 0.02, false, 500},
      {"2.5 rounds down to even", 3.5, 1, 1, false, 2},
      {"3.5 rounds up to even", 4.5, 1, 1, false, 4},
      {"supply below the LED gives a negative value", 2, 3, 0.02, false, -50},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Variant supplyv = D(row.supplyv), ledv = D(row.ledv), leda = D(row.leda);
    EXPECT_EQ(resistor_value(supplyv, ledv, leda, row.milliamperes), row.expected);
  }
}

TEST(ResistorValue, ConvertsTheCallersCurrentOnEveryCall) {
  Variant supplyv = D(12), ledv = D(2), leda = D(20);
  resistor_value(supplyv, ledv, leda, true);
  EXPECT_EQ(leda, D(0.02));
  resistor_value(supplyv, ledv, leda, true);
  EXPECT_EQ(leda, D(0.02 / 1000));

  Variant amperes = D(0.02);
  resistor_value(supplyv, ledv, amperes, false);
  EXPECT_EQ(amperes, D(0.02));

  // The conversion is already written back when a later step fails.
  Variant bad_voltage = Variant::String(u"abc"), current = D(20);
  EXPECT_THROW(resistor_value(supplyv, bad_voltage, current, true), Error);
  EXPECT_EQ(current, D(0.02));
}

TEST(OptoResistorValue, TakesTheDropInTwoSteps) {
  const struct {
    const char* name;
    double ledv, leda, leds;
    Long expected;
  } rows[] = {
      {"two LEDs", 2, 0.02, 2, 70},
      {"three LEDs", 2, 0.02, 3, 47},
      {"67.49999999999999 is not a half", 2.1, 0.02, 2, 67},
      {"4.8 V leaves only a last-bit remainder", 4.8, 0.02, 2, 0},
      {"exactly 99.5 only in two steps", 2.81, 0.02, 1, 100},
      {"negative count", 2, 0.02, -2, -70},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (double supply : {0.0, 12.0, -5.0}) {
      Variant supplyv = D(supply), ledv = D(row.ledv), leda = D(row.leda), leds = D(row.leds);
      EXPECT_EQ(opto_resistor_value(supplyv, ledv, leda, leds), row.expected);
    }
  }
}

// Before rounding, a resistance just above zero is still above it, which the Compute command relies
// on to tell the 4.8 V case (0 ohms, shown) from one that no resistor fits.
TEST(Quotients, KeepTheSignThatRoundingLoses) {
  Variant supplyv = D(12), ledv = D(4.8), leda = D(20), leds = D(2);
  EXPECT_EQ(resistor_quotient(supplyv, ledv, leda, true), D(360));
  EXPECT_EQ(leda, D(0.02)) << "the caller's current is converted, as resistor_value converts it";
  const Variant just_above = opto_resistor_quotient(supplyv, ledv, leda, leds);
  EXPECT_GT(just_above.double_value(), 0);
  EXPECT_EQ(to_long(just_above), 0);
  Variant above_the_line = D(4.9);
  EXPECT_LT(opto_resistor_quotient(supplyv, above_the_line, leda, leds).double_value(), 0);
  Variant low_supply = D(2), high_led = D(3), amperes = D(0.02);
  EXPECT_EQ(resistor_quotient(low_supply, high_led, amperes, false), D(-50));
}

TEST(OptoResistorValue, ErrorsReachTheCaller) {
  Variant supplyv = D(12), ledv = D(2), leda = D(0.02), no_leds = D(0), tiny = D(1e-12);
  ExpectError(ErrorKind::DivisionByZero, [&] { opto_resistor_value(supplyv, ledv, leda, no_leds); });
  ExpectError(ErrorKind::Overflow, [&] { opto_resistor_value(supplyv, ledv, leda, tiny); });
}

}  // namespace
}  // namespace tarvex
