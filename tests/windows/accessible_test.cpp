// What assistive technology is told of the main window, as every front end translates it: the
// objects a screen reader meets, and what a Compute makes it announce.
#include "toolkit/accessible.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/shown_main_window.h"
#include "toolkit/text_encoding.h"

namespace tarvex {
namespace {

// Hears what a view would announce, as a front end does.
struct Ear : WindowView {
  explicit Ear(const Form& form) : window(form) {}
  AccessibleWindow window;
  std::vector<std::string> heard;
  void hear(const std::vector<Announcement>& announcements) {
    static const char* const kEvents[] = {"name", "value", "state", "description"};
    for (const Announcement& a : announcements) {
      const AccessibleObject object = a.read_out ? accessible_object(*a.read_out) : accessible_object(*a.control);
      heard.push_back(std::string(kEvents[static_cast<int>(a.event)]) + " " + to_utf8(object.name) + ": " +
                      to_utf8(a.event == AccessibleEvent::Description ? object.description : object.value));
    }
  }
  void property_changed(const PropertyChange& change) override { hear(window.changed(change)); }
  void outcome_announced() override { hear(window.outcome_announced()); }
};

struct AccessibleTest : testing::Test, ShownMainWindow {
  Ear ear{window};
  AccessibleTest() { window.set_view(&ear); }
  // The ear goes before the window, which would otherwise close it as its view.
  ~AccessibleTest() override { window.set_view(nullptr); }
  void compute(const char16_t* supply) {
    input.perform(action::Type{window.txt_supply_v, supply});
    input.perform(action::Type{window.txt_led_v, u"2"});
    input.perform(action::Key{{KeyName::Enter}});
  }
};

TEST_F(AccessibleTest, EachObjectSaysWhatItIs) {
  compute(u"12");
  const struct {
    const Control* control;
    AccessibleRole role;
    const char* name;
    const char* value;
  } rows[] = {
      {&window.txt_supply_v, AccessibleRole::Text, "Supply Voltage", "12"},
      {&window.txt_standard_val, AccessibleRole::Text, "Next Standard Resistor value", "510"},
      {&window.cmb_band1, AccessibleRole::ComboBox, "First digit band", "5 Green"},
      {&window.op_ma, AccessibleRole::RadioButton, "LED current in milliamperes", ""},
      {&window.UpDown1, AccessibleRole::SpinButton, "Number of LEDs", "2"},
      {&window.StatusBar1, AccessibleRole::StatusBar, "Resistor value is 500 Ohms", ""},
      {&window.Image1, AccessibleRole::Link, "Tarvex home page", ""},
  };
  for (const auto& row : rows) {
    const AccessibleObject object = accessible_object(*row.control);
    EXPECT_EQ(object.role, row.role) << row.name;
    EXPECT_EQ(to_utf8(object.name), row.name);
    EXPECT_EQ(to_utf8(object.value), row.value) << row.name;
  }
  EXPECT_EQ(accessible_object(window.op_ma).states.checked, 1);
  EXPECT_TRUE(accessible_object(window.txt_standard_val).states.read_only);
  EXPECT_EQ(accessible_object(window.Image1).default_action, u"Jump");

  // The client's children: windowed controls, then the read-out, then the link; no prompt.
  const auto children = accessible_children(window);
  ASSERT_GE(children.size(), 3u);
  const AccessibleObject& read_out = children[children.size() - 2];
  EXPECT_EQ(to_utf8(read_out.name), "Resistor Value: 510 Ω");
  // It lies over all of its labels, from the caption to the unit.
  EXPECT_EQ(read_out.area.left, window.Label12.Left.get());
  EXPECT_EQ(read_out.area.left + read_out.area.width, window.lbl_ohm.Left + window.lbl_ohm.Width);
  EXPECT_EQ(children.back().control, &window.Image1);
  for (const AccessibleObject& child : children) EXPECT_NE(child.control, &window.Label1);

  // A point finds the entry there, the read-out over its labels, the link, and nothing on bare face.
  const auto at = [&children](const Bounds& b) -> const void* {
    const auto found = accessible_child_at(children, {b.left + b.width / 2, b.top + b.height / 2});
    if (!found) return nullptr;
    const AccessibleObject& child = children[*found];
    return child.read_out ? static_cast<const void*>(child.read_out) : child.control;
  };
  EXPECT_EQ(at(window.txt_supply_v.bounds()), &window.txt_supply_v);
  EXPECT_EQ(at(window.lbl_ohm.bounds()), read_out.read_out);
  EXPECT_EQ(at(window.Image1.bounds()), &window.Image1);
  EXPECT_EQ(accessible_child_at(children, {1, 1}), std::nullopt);
}

// The outcome is told once, after the changes, on the control that has the focus, and stays in its
// description only until the focus moves; a red prompt marks its entry until it is black again.
TEST_F(AccessibleTest, AComputeAnnouncesItsOutcomeAndMarksBadEntries) {
  compute(u"12");
  ASSERT_FALSE(ear.heard.empty());
  EXPECT_EQ(ear.heard.back(), "description LED Voltage: Next standard value 510 Ohms, opto-isolator 75 Ohms");
  EXPECT_EQ(std::count(ear.heard.begin(), ear.heard.end(), "name Resistor Value: 510 Ω: "), 1);

  ear.heard.clear();
  compute(u"0");
  EXPECT_EQ(ear.heard.back(), "description LED Voltage: Values are invalid or are zeros");
  EXPECT_NE(std::find(ear.heard.begin(), ear.heard.end(), "description Supply Voltage: Invalid entry"),
            ear.heard.end());
  EXPECT_TRUE(accessible_object(window.txt_supply_v).states.invalid);

  input.perform(action::Focus{window.txt_supply_v});
  EXPECT_EQ(accessible_object(window.txt_led_v).description, u"") << "the outcome went with the focus";
  EXPECT_EQ(accessible_object(window.txt_supply_v).description, u"Invalid entry");
  compute(u"12");
  EXPECT_FALSE(accessible_object(window.txt_supply_v).states.invalid);
  EXPECT_EQ(to_utf8(accessible_object(window.txt_led_v).description),
            "Next standard value 510 Ohms, opto-isolator 75 Ohms");
}

}  // namespace
}  // namespace tarvex
