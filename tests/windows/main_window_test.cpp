// What the driver scripts cannot show well: the window's Standardize against the core's search over
// many values, the order of the writes that Resistorize sets off, and a browser that fails to start.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "about_window/frm_about.h"
#include "core/number_text.h"
#include "core/standard_values.h"
#include "main_window/frm_main.h"
#include "tests/support/shown_main_window.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/text_encoding.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {
namespace {

struct MainWindowTest : testing::Test, ShownMainWindow {};

// The window walks its list; the core searches its table. They must agree on every whole number the
// Compute command can pass, and refuse the same ones, with one message box each.
TEST_F(MainWindowTest, StandardizeGivesTheCoresAnswerForEveryValue) {
  std::size_t refused = 0;
  for (Long value = -100; value <= 6000; ++value) {
    Variant res_value = Variant::Long(value);
    const Variant standard = window.Standardize(res_value);
    const auto index = next_standard_index(static_cast<double>(value));
    ASSERT_EQ(res_value, Variant::Long(value)) << "the argument is left as it was";
    if (!index) {
      ASSERT_TRUE(standard.is_empty()) << value;
      ++refused;
      continue;
    }
    ASSERT_EQ(standard.kind(), VariantKind::Double) << value;
    ASSERT_EQ(standard.double_value(), Val(kStandardValues[*index])) << value;
  }
  EXPECT_EQ(refused, 900u);  // 5101 to 6000
  ASSERT_EQ(platform.messages_shown, refused);
  EXPECT_EQ(platform.messages[0].caption, u"Tarvex");
  EXPECT_EQ(platform.messages[0].prompt,
            u"The computation resulted to a resistor value larger than the maximum standard 5% carbon "
            u"resistor.  Please Enter new values");
  EXPECT_EQ(platform.messages[0].buttons, 0);
}

TEST_F(MainWindowTest, StandardizeOfEmptyGivesTheSmallestValue) {
  Variant nothing;
  EXPECT_EQ(to_text(window.Standardize(nothing)), u"1");
}

// The hidden list keeps the selection the search leaves: the value found, or after a refusal its
// last item, the one selected before the selection past the end failed.
TEST_F(MainWindowTest, StandardizeLeavesTheListOnTheValueFoundOrOnItsLastItem) {
  Variant found = Variant::Long(500);
  window.Standardize(found);
  EXPECT_EQ(window.lst_standards.ListIndex.get(), 65);
  EXPECT_EQ(window.lst_standards.Text.get(), u"510");
  Variant above = Variant::Long(5101);
  window.Standardize(above);
  EXPECT_EQ(window.lst_standards.ListIndex.get(), 89);
  EXPECT_EQ(window.lst_standards.Text.get(), u"5100");
}

// Notes the order in which the view hears of changes, as the window's view while it lives.
struct ViewLog : WindowView {
  explicit ViewLog(Form& window) : window(window) { window.set_view(this); }
  ~ViewLog() override { window.set_view(nullptr); }
  Form& window;
  std::vector<std::string> changes;
  void property_changed(const PropertyChange& change) override {
    changes.push_back(change.control.name() + "." + std::string(change.property.name()));
  }
  long position(const std::string& change) const {
    for (std::size_t i = 0; i < changes.size(); ++i) {
      if (changes[i] == change) return static_cast<long>(i);
    }
    return -1;
  }
};

TEST_F(MainWindowTest, ResistorizeSwitchesTheReadingBeforeItSelectsTheBands) {
  ViewLog view(window);
  window.txt_standard_val.Text = u"470";
  Variant unused;
  window.Resistorize(unused);
  const long switched = view.position("Line8.Visible");
  ASSERT_GE(switched, 0) << "four-band reading hides the third digit's leader";
  EXPECT_LT(switched, view.position("shp_band1.FillColor"));
  EXPECT_LT(view.position("shp_band1.FillColor"), view.position("shp_band2.FillColor"));
  EXPECT_LT(view.position("shp_band2.FillColor"), view.position("lbl_band3.Caption"));
  EXPECT_EQ(to_utf8(window.lbl_band1.Caption.get() + window.lbl_band2.Caption.get() + window.lbl_band3.Caption.get()),
            "470");
}

TEST_F(MainWindowTest, FourDigitValuesReadTheSameOnTheBandsWhateverTheThirdDigitWas) {
  input.perform(action::Pick{window.cmb_band5, 7});
  window.txt_standard_val.Text = u"4700";
  Variant unused;
  window.Resistorize(unused);
  EXPECT_EQ(window.chk_5band.Value, 1);
  EXPECT_EQ(to_utf8(window.lbl_band1.Caption.get() + window.lbl_band2.Caption.get() + window.lbl_band5.Caption.get() +
                    window.lbl_band3.Caption.get()),
            "4700");
  EXPECT_EQ(window.m_band_digit, 1) << "the multiplier is selected last";
}

TEST_F(MainWindowTest, ABrowserThatFailsToStartIsReportedAndTheProgramGoesOn) {
  platform.refuse_program_starts = true;
  EXPECT_FALSE(input.perform(action::Click{window.Image1}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, u"Tarvex could not finish this action: the program could not be started.");
  EXPECT_TRUE(toolkit.running());
  platform.refuse_program_starts = false;
  input.perform(action::Click{window.Image1});
  EXPECT_EQ(platform.started_programs, std::deque<Text>{u"explorer https://tarvex.example.org/"});
}

// Every command is in reach of the keyboard: Tab walks the whole tab order, with the option pair as
// one stop, Shift+Tab walks it back, Alt+C and Enter on the button compute.
TEST_F(MainWindowTest, TheKeyboardReachesEveryStopAndCommand) {
  const std::vector<std::string> order = {"txt_supply_v",
                                          "txt_led_v",
                                          "txt_led_a",
                                          "op_ma",
                                          "btn_compute",
                                          "txt_resistor_val",
                                          "cmb_band1",
                                          "cmb_band2",
                                          "cmb_band5",
                                          "cmb_band3",
                                          "cmb_tolerance",
                                          "txt_leds",
                                          "txt_opto_resistor_val",
                                          "txt_opto_standard_val",
                                          "txt_standard_val",
                                          "chk_5band"};
  std::vector<std::string> forward, backward;
  for (std::size_t i = 0; i < order.size(); ++i) {
    input.perform(action::Key{{KeyName::Tab}});
    forward.push_back(window.focused()->name());
  }
  for (std::size_t i = 0; i < order.size(); ++i) {
    backward.insert(backward.begin(), window.focused()->name());
    input.perform(action::Key{{KeyName::ShiftTab}});
  }
  std::vector<std::string> expected_forward(order.begin() + 1, order.end());
  expected_forward.push_back(order.front());
  EXPECT_EQ(forward, expected_forward);
  EXPECT_EQ(backward, expected_forward);

  input.perform(action::Type{window.txt_supply_v, u"12"});
  input.perform(action::Type{window.txt_led_v, u"2"});
  input.perform(action::Key{{KeyName::Alt, u'c'}});
  EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "500");
  input.perform(action::Type{window.txt_led_v, u"7"});
  input.perform(action::Focus{window.btn_compute});
  input.perform(action::Key{{KeyName::Enter}});
  EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "250");
}

// Enter in each entry box computes from what it holds, and the box keeps the focus; in a read-only
// box Enter does nothing.
TEST_F(MainWindowTest, EnterInAnEntryBoxComputes) {
  input.perform(action::Type{window.txt_led_v, u"2"});
  const struct {
    TextBox* entry;
    const char16_t* text;
    const char* expected;
  } rows[] = {
      {&window.txt_supply_v, u"12", "500"}, {&window.txt_led_v, u"7", "250"}, {&window.txt_led_a, u"10", "500"}};
  for (const auto& row : rows) {
    input.perform(action::Type{*row.entry, row.text});
    EXPECT_TRUE(input.takes_key({KeyName::Enter})) << row.entry->name();
    input.perform(action::Key{{KeyName::Enter}});
    EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), row.expected) << row.entry->name();
    EXPECT_EQ(window.focused(), row.entry) << "the focus stays for the next value";
  }
  input.perform(action::Focus{window.txt_resistor_val});
  EXPECT_FALSE(input.takes_key({KeyName::Enter})) << "the window has no default button";
  window.btn_compute.Enabled = false;
  input.perform(action::Focus{window.txt_led_a});
  EXPECT_FALSE(input.takes_key({KeyName::Enter})) << "a disabled Compute is not pressed";
}

// In the option pair the arrows select as they move, round from one end to the other.
TEST_F(MainWindowTest, ArrowKeysInTheOptionPairSelectAsTheyMove) {
  input.perform(action::Focus{window.op_ma});
  const struct {
    KeyName key;
    OptionButton* selected;
  } steps[] = {{KeyName::Down, &window.op_a},
               {KeyName::Down, &window.op_ma},
               {KeyName::Right, &window.op_a},
               {KeyName::Left, &window.op_ma},
               {KeyName::Up, &window.op_a}};
  for (const auto& step : steps) {
    input.perform(action::Key{{step.key}});
    EXPECT_EQ(window.focused(), step.selected);
    EXPECT_TRUE(step.selected->Value) << step.selected->name();
    EXPECT_FALSE((step.selected == &window.op_a ? window.op_ma : window.op_a).Value);
  }
  input.perform(action::Focus{window.txt_led_a});
  EXPECT_FALSE(input.takes_key({KeyName::Left})) << "in a text box the arrows move the caret";
}

// No resistance of zero or less passes as a result: the run fails with its reason, and the last
// good results stay where they were. In German notation "2,5" is two and a half volts.
TEST_F(MainWindowTest, AResistanceOfZeroOrLessFailsTheRun) {
  input.perform(action::Type{window.txt_supply_v, u"12"});
  input.perform(action::Type{window.txt_led_v, u"2"});
  input.perform(action::Click{window.btn_compute});
  const struct {
    const char16_t *supply, *led, *current;
    const char* status;
  } rows[] = {
      {u"2", u"3", u"20", "Values are out of range: the supply voltage must be above the LED voltage"},
      {u"3", u"3", u"20", "Values are out of range: the supply voltage must be above the LED voltage"},
      {u"12", u"2", u"-20", "Values are out of range: the LED current must be above zero"},
      {u"2", u"3", u"-20", "Values are out of range: the LED current must be above zero"},
  };
  for (const auto& row : rows) {
    input.perform(action::Type{window.txt_supply_v, row.supply});
    input.perform(action::Type{window.txt_led_v, row.led});
    input.perform(action::Type{window.txt_led_a, row.current});
    input.perform(action::Click{window.btn_compute});
    EXPECT_EQ(to_utf8(window.StatusBar1.SimpleText), row.status) << row.status;
    EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "ERROR");
    EXPECT_EQ(to_utf8(window.txt_opto_resistor_val.Text), "ERROR");
    EXPECT_EQ(window.m_resistor, Variant::Long(500));
    EXPECT_EQ(to_utf8(window.txt_standard_val.Text), "510");
    EXPECT_EQ(window.m_opto_resistor, 70);
  }
  const ScopedNotation german({u',', u'.', u"€"});
  input.perform(action::Type{window.txt_supply_v, u"12"});
  input.perform(action::Type{window.txt_led_v, u"2,5"});
  input.perform(action::Type{window.txt_led_a, u"20"});
  input.perform(action::Click{window.btn_compute});
  EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "475");
}

// Coming back to an entry selects all of its text again, wherever the caret was left.
TEST_F(MainWindowTest, AnEntrySelectsAllOfItsTextWhenTheFocusComesBack) {
  for (TextBox* box : {&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a}) {
    input.perform(action::Type{*box, u"15.5"});
    input.perform(action::Key{{KeyName::Tab}});
    input.perform(action::Key{{KeyName::ShiftTab}});
    EXPECT_EQ(window.focused(), box);
    EXPECT_EQ(box->SelStart, 0) << box->name();
    EXPECT_EQ(box->SelLength, 4) << box->name();
  }
}

// Each entry is checked on its own: the one that reads as 0 turns its caption red and fails the
// run, whichever of the three it is; the count is read on every run, good entries or not.
TEST_F(MainWindowTest, ComputeChecksEachEntryOnItsOwn) {
  TextBox* entries[] = {&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a};
  Label* prompts[] = {&window.Label1, &window.Label2, &window.Label3};
  for (std::size_t zero = 0; zero < 3; ++zero) {
    const Text texts[] = {u"12", u"2", u"20"};
    for (std::size_t i = 0; i < 3; ++i) input.perform(action::Type{*entries[i], i == zero ? u"0" : texts[i]});
    input.perform(action::Click{window.btn_compute});
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(prompts[i]->ForeColor, i == zero ? kRed : kBlack) << "entry " << zero << " is 0, caption " << i;
    }
    EXPECT_EQ(to_utf8(window.StatusBar1.SimpleText), "Values are invalid or are zeros");
    EXPECT_EQ(to_utf8(window.txt_resistor_val.Text), "ERROR");
  }
  for (TextBox* entry : entries) input.perform(action::Type{*entry, u"abc"});
  input.perform(action::Spin{window.UpDown1, +1});
  input.perform(action::Click{window.btn_compute});
  EXPECT_EQ(window.m_leds, Variant::Double(3));
}

// A success shows its result in black, whatever colour code gave the box before.
TEST_F(MainWindowTest, ASuccessShowsTheResultInBlack) {
  window.txt_resistor_val.ForeColor = kRed;
  input.perform(action::Type{window.txt_supply_v, u"12"});
  input.perform(action::Type{window.txt_led_v, u"2"});
  input.perform(action::Click{window.btn_compute});
  EXPECT_EQ(window.txt_resistor_val.ForeColor, kBlack);
}

// Five-band reading puts the multiplier's caption after the third digit's as it stands, and only
// then puts the third digit's caption in its place.
TEST_F(MainWindowTest, FiveBandReadingPlacesTheMultiplierCaptionBeforeTheThirdDigits) {
  window.chk_5band.Value = 0;
  window.lbl_band5.Left = 3000;
  window.chk_5band.Value = 1;
  EXPECT_EQ(window.lbl_band3.Left, 3000 + window.lbl_band5.Width);
  EXPECT_EQ(window.lbl_band5.Left, 2955);
}

// Each opening of About: its design, the focus on OK, and closed by Escape as by Enter.
TEST_F(MainWindowTest, TheAboutWindowOpensOnOKAndClosesByEitherKey) {
  for (KeyName key : {KeyName::Escape, KeyName::Enter}) {
    bool opened = false;
    platform.pump = [&] {
      auto& about = static_cast<frmAbout&>(*toolkit.active_window());
      opened = true;
      EXPECT_EQ(about.focused(), &about.cmdOK);
      EXPECT_EQ(to_utf8(about.lblTitle.Caption), "Tarvex by Voq™");
      EXPECT_EQ(about.List1.items(), (std::vector<Text>{u"* 5 band resistor support added by Orvid",
                                                        u"* Fixed 5 band resistor support computation error"}));
      const std::uint32_t bands[] = {0x004080, 0x0000FF, 0x00FFFF, 0x3AAEC2};  // brown, red, yellow, gold
      const Line* lines[] = {&about.Line21, &about.Line22, &about.Line23, &about.Line24};
      for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[i]->BorderColor, color_bgr(bands[i])) << lines[i]->name();
      input.perform(action::Key{{key}});
      return true;
    };
    input.perform(action::Click{window.mnu_about});
    EXPECT_TRUE(opened);
    EXPECT_EQ(toolkit.active_window(), &window) << "closed by the key";
  }
}

}  // namespace
}  // namespace tarvex
