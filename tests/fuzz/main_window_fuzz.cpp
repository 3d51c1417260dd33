// The main window on the headless toolkit, driven by arbitrary sequences of user actions and of
// writes from code within range. After every action: nothing escapes the toolkit, the drawn bands,
// stripes and read-out captions are those of the lists, the band-mode fields are those of the
// current mode, and only Exit (or closing the main window) ends the program. At the end a good
// Compute gives the right answer.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "tests/support/shown_main_window.h"
#include "tests/windows/window_rules.h"

namespace tarvex {
namespace {

void expect(bool holds, const std::string& promise) {
  if (!holds) fail("main window", promise);
}

void check_window(const frmMain& window) {
  const WindowRules rules(window);
  if (!rules.broken().empty()) fail("main window", rules.broken().front());
}

class Session : ShownMainWindow {
 public:
  explicit Session(FuzzedDataProvider& data) : data_(data) {
    platform.pump = [this] { return act(); };
  }

  void run() {
    while (act()) {
    }
    if (!toolkit.running()) return;
    if (toolkit.active_window() != &window) input.perform(action::Close{*toolkit.active_window()});
    good_compute();
  }

 private:
  // One action on the active window; false once the input is used up or the program has ended.
  bool act() {
    if (data_.remaining_bytes() == 0 || !toolkit.running()) return false;
    Form& active = *toolkit.active_window();
    bool may_end = false;
    try {
      may_end = one_action(active);
    } catch (...) {
      fail("main window", "an error escaped the toolkit");
    }
    if (!toolkit.running()) {
      expect(may_end, "only Exit or the main window's close box ends the program");
      return false;
    }
    check_window(window);
    return true;
  }

  Control& any_control(Form& window) {
    const auto& controls = window.controls();
    return *controls[data_.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1)];
  }

  // Carries out one action; true when it is one that may end the program.
  bool one_action(Form& active) {
    switch (data_.ConsumeIntegralInRange(0, 8)) {
      case 0: {
        Control& box = any_control(active);
        input.perform(action::Type{box, any_text(data_)});
        return false;
      }
      case 1: input.perform(action::Focus{any_control(active)}); return false;
      case 2: {
        Control& control = any_control(active);
        input.perform(action::Click{control});
        return &control == &window.mnu_exit;
      }
      case 3: {
        ListControl& list = any_list();
        input.perform(action::Pick{list, data_.ConsumeIntegralInRange(-1, 12)});
        return false;
      }
      case 4: input.perform(action::Spin{window.UpDown1, data_.ConsumeBool() ? +1 : -1}); return false;
      case 5: input.perform(action::Key{any_key()}); return false;
      case 6: {
        const bool main_window = &active == &window;
        input.perform(action::Close{*toolkit.active_window()});
        return main_window;
      }
      case 7: input.perform(action::Click{window.btn_compute}); return false;
      default:
        if (&active == &window) toolkit.dispatch([&] { write_from_code(); });
        return false;
    }
  }

  ListControl& any_list() {
    ListControl* lists[] = {&window.cmb_band1, &window.cmb_band2, &window.cmb_band5, &window.cmb_band3,
                            &window.cmb_tolerance};
    return *lists[data_.ConsumeIntegralInRange<std::size_t>(0, std::size(lists) - 1)];
  }

  KeyPress any_key() {
    switch (data_.ConsumeIntegralInRange(0, 4)) {
      case 0: return {KeyName::Enter};
      case 1: return {KeyName::Escape};
      case 2: return {KeyName::Tab};
      case 3: return {KeyName::ShiftTab};
      default: return {KeyName::Alt, static_cast<char16_t>(data_.ConsumeIntegralInRange<int>(u'A', u'Z'))};
    }
  }

  // A write that a handler could make: within the range of the property.
  void write_from_code() {
    switch (data_.ConsumeIntegralInRange(0, 5)) {
      case 0: {
        TextBox* boxes[] = {&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a, &window.txt_leds};
        boxes[data_.ConsumeIntegralInRange<std::size_t>(0, 3)]->Text = any_text(data_);
        break;
      }
      case 1: {
        ListControl& list = any_list();
        list.ListIndex = static_cast<Integer>(data_.ConsumeIntegralInRange<int>(-1, list.ListCount - 1));
        break;
      }
      case 2: window.chk_5band.Value = static_cast<Integer>(data_.ConsumeIntegralInRange(0, 2)); break;
      case 3: (data_.ConsumeBool() ? window.op_ma : window.op_a).Value = true; break;
      case 4: window.UpDown1.Value = data_.ConsumeIntegralInRange<Long>(window.UpDown1.Min, window.UpDown1.Max); break;
      default: window.txt_leds.Text = any_text(data_); break;
    }
  }

  // 12 V, 2 V and 20 mA, after one step of the arrows to bring the count back to a good one.
  void good_compute() {
    input.perform(action::Spin{window.UpDown1, +1});
    input.perform(action::Type{window.txt_supply_v, u"12"});
    input.perform(action::Type{window.txt_led_v, u"2"});
    input.perform(action::Type{window.txt_led_a, u"20"});
    input.perform(action::Click{window.op_ma});
    input.perform(action::Click{window.btn_compute});
    expect(window.txt_resistor_val.Text.get() == u"500",
           "a good Compute gives 500, not " + narrow(window.txt_resistor_val.Text));
    expect(window.txt_standard_val.Text.get() == u"510", "a good Compute gives the standard value 510");
    check_window(window);
  }

  FuzzedDataProvider& data_;
};

}  // namespace
}  // namespace tarvex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace tarvex;
  FuzzedDataProvider data(bytes, size);
  const auto& notations = supported_notations();
  ScopedNotation notation(notations[data.ConsumeIntegralInRange<std::size_t>(0, notations.size() - 1)]);
  Session session(data);
  session.run();
  return 0;
}
