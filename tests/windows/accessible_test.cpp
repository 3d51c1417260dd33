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

// (What each object says, in what order, and what a point finds: the conformance cases.) The
// read-out lies over all of its labels, from the caption to the unit; the link's action jumps.
TEST_F(AccessibleTest, TheReadOutCoversItsLabelsAndTheLinkJumps) {
  const auto children = accessible_children(window);
  const auto read_out =
      std::find_if(children.begin(), children.end(), [](const AccessibleObject& o) { return o.read_out != nullptr; });
  ASSERT_NE(read_out, children.end());
  EXPECT_EQ(read_out->area.left, window.Label12.Left.get());
  EXPECT_EQ(read_out->area.left + read_out->area.width, window.lbl_ohm.Left + window.lbl_ohm.Width);
  EXPECT_EQ(accessible_object(window.Image1).default_action, u"Jump");
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
