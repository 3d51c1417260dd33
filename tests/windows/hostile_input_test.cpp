// Whatever a user types or code writes, the window goes on: nothing ends the program, and a good
// Compute afterwards (12 V, 2 V, 20 mA) gives 500 and its standard value 510. And a number is taken
// to mean what the user wrote, in their own notation.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/notation.h"
#include "main_window/frm_main.h"
#include "tests/support/shown_main_window.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/text_encoding.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {
namespace {

struct HostileInputTest : testing::Test, ShownMainWindow {
  void compute(const Text& supply, const Text& led, const Text& current) {
    input.perform(action::Type{window.txt_supply_v, supply});
    input.perform(action::Type{window.txt_led_v, led});
    input.perform(action::Type{window.txt_led_a, current});
    input.perform(action::Click{window.op_ma});
    input.perform(action::Click{window.btn_compute});
  }

  void expect_a_good_compute_works() {
    ASSERT_TRUE(toolkit.running());
    compute(u"12", u"2", u"20");
    EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "500");
    EXPECT_EQ(to_utf8(window.txt_standard_val.Text), "510");
    EXPECT_EQ(to_utf8(window.StatusBar1.SimpleText), "Resistor value is 500 Ohms");
  }

  // Writes from code go through the toolkit's dispatch, as a handler's errors would.
  void write(const std::function<void()>& code) { toolkit.dispatch(code); }
};

const std::u16string kMegabyteOfDigits(1 << 20, u'9');

TEST_F(HostileInputTest, TheArrowsBringAnUnreadableCountBackWithinTheirBounds) {
  const struct {
    const char* name;
    std::u16string written;
    int direction;
    const char* stepped_to;
  } rows[] = {
      {"beyond a Double, up", u"1e309", +1, "99"},
      {"beyond a Double, down", u"1e309", -1, "99"},
      {"a megabyte of digits", kMegabyteOfDigits, -1, "99"},
      {"hexadecimal beyond a Double", u"&H" + std::u16string(300, u'F'), -1, "99"},
      {"below a Double, up", u"-1e309", +1, "1"},
      {"below a Double, behind a currency sign", u"$-1e309", -1, "1"},
      {"a fraction", u"2.6", +1, "4"},
      {"grouped thousands", u"1,000", -1, "99"},
      {"not a number: from the last value", u"abc", +1, "3"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    window.txt_leds.Text = row.written;
    input.perform(action::Click{window.btn_compute});
    input.perform(action::Spin{window.UpDown1, row.direction});
    EXPECT_EQ(to_utf8(window.txt_leds.Text), row.stepped_to);
    EXPECT_EQ(window.UpDown1.Value, std::stol(row.stepped_to));
    expect_a_good_compute_works();
    window.UpDown1.Value = 2;
  }
}

TEST_F(HostileInputTest, ACountTooLargeToReadFailsTheRunInWordsAndIsNotKept) {
  window.txt_leds.Text = u"1e309";
  compute(u"12", u"2", u"20");
  EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "ERROR");
  EXPECT_EQ(to_utf8(window.StatusBar1.SimpleText), "Values are out of range: a number is too large");
  EXPECT_EQ(platform.messages_shown, 0u);
}

TEST_F(HostileInputTest, NoEntryStopsTheWindowFromComputingAgain) {
  const std::u16string entries[] = {
      u"1e400",
      u"-1e400",
      kMegabyteOfDigits,
      u"1e10",
      u"-1e10",
      u"0.0000000001",
      u"&HFFFFFFFFFFFFFFFF",
      from_utf8("\xFF\xFE\xC0\xAF"),
      std::u16string(1, u'\xD800'),
      std::u16string(1, u'\xDC00'),
      std::u16string(3, u'\0'),
      u"\x01\x1B[2J\r\n\t",
      u"1\u00A0000",
      u"$",
      u"-",
      u".",
      u"e5",
      u"1e",
      u"12abc",
      u"1.2.3",
      u"&H",
      u"&O9",
      u"(12)",
      std::u16string(100000, u' ') + u"5",
  };
  for (const auto& entry : entries) {
    SCOPED_TRACE(to_utf8(entry.substr(0, 40)));
    for (TextBox* box : {&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a}) {
      input.perform(action::Type{*box, entry});
      input.perform(action::Click{window.btn_compute});
      input.perform(action::Click{window.op_a});
      input.perform(action::Click{window.btn_compute});
      expect_a_good_compute_works();
    }
  }
}

TEST_F(HostileInputTest, WritesFromCodeBeyondTheirRangeLeaveTheWindowComputing) {
  const std::function<void()> writes[] = {
      [&] { window.cmb_band1.ListIndex = 12; },
      [&] { window.cmb_band3.ListIndex = -1; },
      [&] { window.cmb_tolerance.ListIndex = -1; },
      [&] { window.chk_5band.Value = 2; },
      [&] { window.chk_5band.Value = 7; },
      [&] { window.UpDown1.Value = 1000; },
      [&] { window.UpDown1.Value = 0; },
      [&] { window.txt_leds.Text = u"0"; },
      [&] { window.txt_leds.Text = u""; },
      [&] { window.txt_supply_v.SelStart = -5; },
  };
  for (const auto& code : writes) {
    write(code);
    input.perform(action::Click{window.btn_compute});
    input.perform(action::Spin{window.UpDown1, +1});
    expect_a_good_compute_works();
  }
}

// Read in the user's notation only when the whole entry is a number there; otherwise as far as it goes.
TEST_F(HostileInputTest, ANumericEntryMeansWhatItSaysInTheUsersNotation) {
  const NumberNotation plain{};
  const NumberNotation german{u',', u'.', u"€"};
  const struct {
    const char* name;
    const NumberNotation& notation;
    std::u16string supply;
    double read_as;
  } rows[] = {
      {"grouped thousands", plain, u"1,000", 1000},
      {"a point keeps its meaning everywhere", german, u"12.5", 12.5},
      {"the decimal comma", german, u"2,1", 2.1},
      {"German thousands", german, u"1.000,5", 1000.5},
      {"currency", plain, u"$12", 12},
      {"not numeric: read as far as it goes", plain, u"12abc", 12},
      {"not numeric: a comma ends it", plain, u"1,5x", 1},
      {"not numeric under German: as far as it goes", german, u"2,1V", 2},
      {"hexadecimal", plain, u"&H10", 16},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScopedNotation notation(row.notation);
    compute(row.supply, u"2", u"20");
    EXPECT_EQ(window.m_supplyv, Variant::Double(row.read_as));
    expect_a_good_compute_works();
  }
}

}  // namespace
}  // namespace tarvex
