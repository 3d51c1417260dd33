// Long runs of random user actions keep the drawn resistor consistent with the lists and the band
// mode: every band caption matches its selection, the read-out captions stand side by side, and the
// ohm sign follows the last caption, whatever the order in which a user and Compute got there.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/number_text.h"
#include "tests/support/shown_main_window.h"
#include "tests/windows/window_rules.h"
#include "toolkit/text_encoding.h"

namespace tarvex {
namespace {

const Text kEntries[] = {u"",    u"0",   u"12",  u"2",   u"20", u"0.02", u"1e400", u"1e10", u"-5",  u"abc",
                         u"4.5", u"3.5", u"4.8", u"2.1", u"96", u"1",    u"7.4",   u"5100", u"1 0", u"&H1F"};

struct Session : ShownMainWindow {
  explicit Session(unsigned seed) : random(seed) {}

  template <class T>
  T& one_of(std::initializer_list<T*> choices) {
    return **(choices.begin() + std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random));
  }
  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // One action as a user might take it; refusals are part of the game.
  std::string act() {
    switch (number(0, 6)) {
      case 0: {
        TextBox& box = one_of<TextBox>({&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a});
        const Text& text = kEntries[number(0, std::size(kEntries) - 1)];
        input.perform(action::Type{box, text});
        return "type " + box.name() + " " + to_utf8(text);
      }
      case 1:
      case 2: input.perform(action::Click{window.btn_compute}); return "compute";
      case 3: {
        ListControl& list = one_of<ListControl>(
            {&window.cmb_band1, &window.cmb_band2, &window.cmb_band5, &window.cmb_band3, &window.cmb_tolerance});
        const int index = number(0, 9);
        input.perform(action::Pick{list, index});
        return "pick " + list.name() + " " + std::to_string(index);
      }
      case 4: {
        Control& control = one_of<Control>({&window.op_ma, &window.op_a, &window.chk_5band});
        input.perform(action::Click{control});
        return "click " + control.name();
      }
      case 5: input.perform(action::Spin{window.UpDown1, number(0, 1) ? +1 : -1}); return "spin";
      default: input.perform(action::Key{{number(0, 1) ? KeyName::Tab : KeyName::ShiftTab}}); return "tab";
    }
  }

  std::mt19937 random;
};

// A standard value's tooltip speaks of the value in its box, and only after a successful run; every
// part of the drawn resistor says the same.
void expect_tooltips_of_the_last_run(const frmMain& w) {
  const bool failed = w.txt_resistor_val.Text.get() == u"ERROR";
  for (const TextBox* box : {&w.txt_standard_val, &w.txt_opto_standard_val}) {
    const Text& tip = box->ToolTipText;
    if (failed || box->Text.get().empty()) {
      EXPECT_EQ(tip, u"") << box->name();
    } else if (tip.rfind(u"No current", 0) != 0) {
      EXPECT_EQ(tip.substr(0, box->Text.get().size() + 2), box->Text.get() + u" \u03A9") << box->name();
    }
  }
  for (const Shape* part : {&w.shp_band1, &w.shp_band2, &w.shp_band5, &w.shp_band3, &w.shp_tolerance}) {
    EXPECT_EQ(part->ToolTipText.get(), w.shp_resistor.ToolTipText.get()) << part->name();
  }
}

void expect_consistent(const frmMain& w) {
  const WindowRules rules(w);
  for (const std::string& broken : rules.broken()) ADD_FAILURE() << broken;
  if (w.chk_5band.Value == 1) {
    EXPECT_EQ(w.lbl_band3.Left, w.lbl_band5.Left + w.lbl_band5.Width) << "multiplier follows the third digit";
  }
  const Text& shown = w.txt_resistor_val.Text;
  EXPECT_TRUE(shown == u"ERROR" || (!shown.empty() && IsNumeric(shown))) << to_utf8(shown);
  expect_tooltips_of_the_last_run(w);
}

TEST(RandomSessions, TheDrawnResistorAlwaysReadsAsItsLists) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    Session session(seed);
    std::string trail;
    for (int step = 0; step < 60; ++step) {
      trail += session.act() + "\n";
      SCOPED_TRACE("seed " + std::to_string(seed) + ", actions:\n" + trail);
      ASSERT_TRUE(session.toolkit.running());
      expect_consistent(session.window);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace tarvex
