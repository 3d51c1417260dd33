// The conformance cases: one table, run through each front end's harness (front_end.h) on a fresh
// main window. A case sends raw input or makes a change, reads what the front end shows, and must
// see the same lines in every front end: the clicks and started programs as they happen, and each
// reading as the case takes it.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "tests/conformance/front_end.h"
#include "toolkit/text_encoding.h"

namespace tarvex::conformance {

std::string accessible_line(AccessibleRole role, const Text& name, const Text& value, const Text& description,
                            const AccessibleStates& states) {
  static const char* const kRoles[] = {"none", "client",     "static text",  "text",        "combo box",
                                       "list", "check box",  "radio button", "push button", "graphic",
                                       "link", "status bar", "spin button",  "menu item"};
  std::string line = kRoles[static_cast<int>(role)];
  line += " \"" + to_utf8(name) + "\"";
  if (!value.empty()) line += " value \"" + to_utf8(value) + "\"";
  if (!description.empty()) line += " description \"" + to_utf8(description) + "\"";
  std::string words;
  const auto word = [&](bool on, const char* what) {
    if (on) words += words.empty() ? what : std::string(" ") + what;
  };
  word(states.focusable, "focusable");
  word(states.read_only, "read-only");
  word(states.unavailable, "unavailable");
  word(states.linked, "linked");
  word(states.checked == 1, "checked");
  word(states.checked == 2, "mixed");
  if (!words.empty()) line += " [" + words + "]";
  return line;
}

namespace {

// A case's front end with its main window, and the lines it has seen.
struct CaseRun {
  explicit CaseRun(FrontEnd& front) : front(front), w(front.window()) {
    // Every painted control notes its clicks, and still does what it did.
    for (Control* control : w.paint_order()) {
      control->Click = [this, control, handler = control->Click] {
        seen.push_back("click " + control->name());
        if (handler) handler();
      };
    }
    front.program_started = [this](const Text& command_line) { seen.push_back("start " + to_utf8(command_line)); };
  }

  // The middle of a painted control's box, which no windowed control may cover.
  TwipPoint middle_of(const Placed& control) {
    const Bounds box = control.bounds();
    const TwipPoint at{box.left + box.width / 2, box.top + box.height / 2};
    for (const Control* other : w.controls()) {
      if (!other->traits().windowed || !other->Visible) continue;
      const Bounds cover = static_cast<const Placed*>(other)->bounds();
      if (at.x >= cover.left && at.x < cover.left + cover.width && at.y >= cover.top && at.y < cover.top + cover.height)
        ADD_FAILURE() << other->name() << " covers the middle of " << control.name();
    }
    return at;
  }
  TwipPoint on_line(const Line& line) { return {(line.X1 + line.X2) / 2, (line.Y1 + line.Y2) / 2}; }

  void click(TwipPoint at) {
    front.press(MouseButton::Left, at);
    front.release(MouseButton::Left, at);
  }
  void read_pointer() {
    seen.push_back(front.pointer() == PointerShape::PointingHand ? "pointer hand" : "pointer arrow");
  }
  void read_tooltip() { seen.push_back("tooltip \"" + to_utf8(front.resting_tooltip()) + "\""); }
  void read_focus() {
    const Control* native = front.native_focus();
    const Control* record = w.focused();
    seen.push_back("focus " + (native ? native->name() : "none") + (native == record ? "" : " (record: other)"));
  }
  void read_list(const ListControl& list) {
    seen.push_back(list.name() + " at " + std::to_string(list.ListIndex.get()));
  }
  // The area repainted, to the nearest pixel: the front ends round twips to pixels their own way.
  void read_repaint(const std::function<void()>& change) {
    const Bounds area = front.repainted_by(change);
    const auto px = [](float twips) { return std::to_string(std::lround(twips / 15)); };
    seen.push_back("repainted " + px(area.left) + "," + px(area.top) + " " + px(area.width) + "x" + px(area.height));
  }
  void read_widget(const Control& control) {
    seen.push_back(control.name() + (front.widget_shown(control) ? " shows \"" : " hidden \"") +
                   to_utf8(front.widget_text(control)) + "\"");
  }
  void change(const std::function<void()>& change) { w.toolkit().dispatch(change); }
  // The accessible objects' lines that hold a text (all of them for none).
  void read_accessible(const std::string& holding = "") {
    for (std::string& line : front.accessible_lines()) {
      if (line.find(holding) != std::string::npos) seen.push_back(std::move(line));
    }
  }

  FrontEnd& front;
  frmMain& w;
  std::vector<std::string> seen;
};

struct Case {
  const char* name;
  void (*steps)(CaseRun&);
  std::vector<std::string> expected;
};

const std::string kStartHomePage = "start explorer https://tarvex.example.org/";
const std::string kPictureTip = "tooltip \"Tarvex: the right resistor for every LED\"";

const Case kCases[] = {
    // --- A press and a release on each kind of painted control ---
    {"PressAndReleaseOnThePictureLinkOpensTheHomePage",
     [](CaseRun& r) { r.click(r.middle_of(r.w.Image1)); },
     {"click Image1", kStartHomePage}},
    {"PressAndReleaseOnALabelClicksIt", [](CaseRun& r) { r.click(r.middle_of(r.w.Label10)); }, {"click Label10"}},
    {"PressAndReleaseOnAShapeClicksNothing", [](CaseRun& r) { r.click(r.middle_of(r.w.shp_resistor)); }, {}},
    {"PressAndReleaseOnALineClicksNothing", [](CaseRun& r) { r.click(r.on_line(r.w.Line20)); }, {}},
    {"PressOnOneControlAndReleaseOnAnotherClicksNeither",
     [](CaseRun& r) {
       r.front.press(MouseButton::Left, r.middle_of(r.w.Image1));
       r.front.release(MouseButton::Left, r.middle_of(r.w.Label10));
     },
     {}},
    // --- Another button pressed during a click ends it ---
    {"RightButtonDuringAClickEndsIt",
     [](CaseRun& r) {
       const TwipPoint link = r.middle_of(r.w.Image1);
       r.front.press(MouseButton::Left, link);
       r.front.press(MouseButton::Right, link);
       r.front.release(MouseButton::Left, link);
       r.front.release(MouseButton::Right, link);
     },
     {}},
    {"MiddleButtonDuringAClickEndsIt",
     [](CaseRun& r) {
       const TwipPoint label = r.middle_of(r.w.Label10);
       r.front.press(MouseButton::Left, label);
       r.front.press(MouseButton::Middle, label);
       r.front.release(MouseButton::Middle, label);
       r.front.release(MouseButton::Left, label);
     },
     {}},
    {"TheRightButtonAloneClicksNothing",
     [](CaseRun& r) {
       r.front.press(MouseButton::Right, r.middle_of(r.w.Image1));
       r.front.release(MouseButton::Right, r.middle_of(r.w.Image1));
     },
     {}},
    // --- The pointer ---
    {"OverTheLinkThePointerIsAHandAndOffItAnArrowAgain",
     [](CaseRun& r) {
       r.front.move_pointer(r.middle_of(r.w.Image1));
       r.read_pointer();
       r.read_tooltip();
       r.front.move_pointer(r.middle_of(r.w.Label10));
       r.read_pointer();
       r.read_tooltip();
     },
     {"pointer hand", kPictureTip, "pointer arrow", "tooltip \"\""}},
    {"OverAShapeWithATooltipThePointerIsAnArrowAndTheTooltipItsText",
     [](CaseRun& r) {
       r.change([&] { r.w.shp_resistor.ToolTipText = u"5.1 \u03A9 in four bands"; });
       r.front.move_pointer(r.middle_of(r.w.shp_resistor));
       r.read_pointer();
       r.read_tooltip();
       r.change([&] { r.w.shp_resistor.ToolTipText = u""; });
       r.read_tooltip();
     },
     {"pointer arrow", "tooltip \"5.1 \u03A9 in four bands\"", "tooltip \"\""}},
    // --- The wheel and the keyboard ---
    {"AWheelNotchOverAListStepsItByOne",
     [](CaseRun& r) {
       r.read_list(r.w.cmb_band1);
       r.front.turn_wheel(r.w.cmb_band1, -120);
       r.read_list(r.w.cmb_band1);
       r.front.turn_wheel(r.w.cmb_band1, 120);
       r.read_list(r.w.cmb_band1);
     },
     {"cmb_band1 at 0", "cmb_band1 at 1", "cmb_band1 at 0"}},
    {"TabAndShiftTabFollowTheWindowsOrder",
     [](CaseRun& r) {
       r.read_focus();
       r.front.press_tab(false);
       r.read_focus();
       r.front.press_tab(true);
       r.read_focus();
     },
     {"focus txt_supply_v", "focus txt_led_v", "focus txt_supply_v"}},
    // --- Each kind of change that the toolkit delivers to a shown window ---
    {"ANewCaptionRetitlesTheWindow",
     [](CaseRun& r) {
       r.change([&] { r.w.Caption = u"Tarvex at work"; });
       r.seen.push_back("title " + to_utf8(r.front.title()));
     },
     {"title Tarvex at work"}},
    {"AMenuItemsNewCaptionShowsInTheMenu",
     [](CaseRun& r) {
       r.change([&] { r.w.mnu_about.Caption = u"&About Tarvex"; });
       r.seen.push_back("menu " + to_utf8(r.front.menu_caption(r.w.mnu_about)));
     },
     {"menu &About Tarvex"}},
    // The design's tooltip comes with the widget; a new one, and none, replace it.
    {"AWindowedControlsTooltipIsItsWidgets",
     [](CaseRun& r) {
       r.seen.push_back("tip " + to_utf8(r.front.widget_tooltip(r.w.cmb_tolerance)));
       r.change([&] { r.w.txt_standard_val.ToolTipText = u"510 \u03A9: 19.6 mA"; });
       r.seen.push_back("tip " + to_utf8(r.front.widget_tooltip(r.w.txt_standard_val)));
       r.change([&] { r.w.txt_standard_val.ToolTipText = u""; });
       r.seen.push_back("tip " + to_utf8(r.front.widget_tooltip(r.w.txt_standard_val)));
     },
     {"tip Choose resistor Tolerance", "tip 510 \u03A9: 19.6 mA", "tip "}},
    {"AMovedPaintedControlRepaintsWhereItWasAndWhereItIs",
     [](CaseRun& r) { r.read_repaint([&] { r.w.shp_resistor.Left = r.w.shp_resistor.Left + 300; }); },
     {"repainted 134,262 161x45"}},
    {"AControlVisibleForTheFirstTimeGetsItsWidget",
     [](CaseRun& r) {
       r.read_widget(r.w.Text2);
       r.change([&] { r.w.Text2.Visible = true; });
       r.read_widget(r.w.Text2);
     },
     {"Text2 hidden \"\"", "Text2 shows \"*\""}},
    {"AControlShownAgainShowsWhatChangedWhileItWasHidden",
     [](CaseRun& r) {
       r.change([&] { r.w.txt_led_v.Visible = false; });
       r.read_widget(r.w.txt_led_v);
       r.change([&] { r.w.txt_led_v.Text = u"7"; });
       r.change([&] { r.w.txt_led_v.Visible = true; });
       r.read_widget(r.w.txt_led_v);
     },
     {"txt_led_v hidden \"0\"", "txt_led_v shows \"7\""}},
    {"AWriteByCodeReachesItsWidget",
     [](CaseRun& r) {
       r.change([&] { r.w.txt_supply_v.Text = u"42"; });
       r.read_widget(r.w.txt_supply_v);
     },
     {"txt_supply_v shows \"42\""}},
    // --- What a screen reader meets ---
    {"TheAccessibleObjectsAfterAGoodCompute",
     [](CaseRun& r) {
       r.change([&] {
         r.w.txt_supply_v.Text = u"12";
         r.w.txt_led_v.Text = u"2";
         r.w.btn_compute_Click();
       });
       r.read_accessible();
     },
     {"text \"Supply Voltage\" value \"12\" description \"Next standard value 510 Ohms, opto-isolator 75 Ohms\" "
      "[focusable]",
      "text \"LED Voltage\" value \"2\" [focusable]",
      "text \"LED Current\" value \"20\" [focusable]",
      "radio button \"LED current in milliamperes\" [focusable checked]",
      "radio button \"LED current in amperes\" [focusable]",
      "push button \"Compute\" [focusable]",
      "text \"Calculated Resistor value\" value \"500\" description \"Single LED: the series resistor as calculated, "
      "in ohms\" [focusable read-only]",
      "text \"Next Standard Resistor value\" value \"510\" description \"Single LED: the series resistor rounded up "
      "to the next standard value, in ohms\" [focusable read-only]",
      "text \"# of LEDs\" value \"2\" [focusable read-only]",
      "spin button \"Number of LEDs\" value \"2\"",
      "text \"Calculated Resistor value\" value \"70\" description \"Opto-isolator line: the resistor for all its "
      "LEDs as calculated, in ohms\" [focusable read-only]",
      "text \"Next Standard Resistor value\" value \"75\" description \"Opto-isolator line: that resistor rounded "
      "up to the next standard value, in ohms\" [focusable read-only]",
      "check box \"Five-band reading\" [focusable]",
      "combo box \"First digit band\" value \"5 Green\" [focusable]",
      "combo box \"Second digit band\" value \"1 Brown\" [focusable]",
      "combo box \"Third digit band\" value \"0 Black\" [focusable unavailable]",
      "combo box \"Multiplier band\" value \"1 Brown\" [focusable]",
      "combo box \"Tolerance band\" value \"Gold 5%\" [focusable]",
      "status bar \"Resistor value is 500 Ohms\"",
      "static text \"Resistor Value: 510 \u03A9\" [read-only]",
      "link \"Tarvex home page\" description \"https://tarvex.example.org/\" [read-only linked]"}},
    // The focus stays in Supply Voltage: the outcome is told there, before its own mark.
    {"AnEntryMarkedWrongSaysSoUntilItIsPutRight",
     [](CaseRun& r) {
       r.change([&] {
         r.w.txt_led_v.Text = u"0";
         r.w.btn_compute_Click();
       });
       r.read_accessible("Voltage\"");
       r.change([&] {
         r.w.txt_supply_v.Text = u"12";
         r.w.txt_led_v.Text = u"2";
         r.w.btn_compute_Click();
       });
       r.read_accessible("\"LED Voltage\"");
     },
     {"text \"Supply Voltage\" value \"0\" description \"Values are invalid or are zeros. Invalid entry\" [focusable]",
      "text \"LED Voltage\" value \"0\" description \"Invalid entry\" [focusable]",
      "text \"LED Voltage\" value \"2\" [focusable]"}},
    // --- A screen reader's hit test, and its press of the link ---
    {"AScreenReaderFindsTheEntryTheReadOutAndTheLinkUnderThePointsAndTheClientElsewhere",
     [](CaseRun& r) {
       for (const Placed* control :
            std::initializer_list<const Placed*>{&r.w.txt_supply_v, &r.w.lbl_ohm, &r.w.Image1}) {
         const Bounds box = control->bounds();
         r.seen.push_back(r.front.reader_object_at({box.left + box.width / 2, box.top + box.height / 2}));
       }
       r.seen.push_back(r.front.reader_object_at({15, 15}));
     },
     {"text \"Supply Voltage\" value \"0\" [focusable]", "static text \"Resistor Value: 000 Ω\" [read-only]",
      "link \"Tarvex home page\" description \"https://tarvex.example.org/\" [read-only linked]", "client"}},
    {"AScreenReaderPressingTheLinkOpensTheHomePage",
     [](CaseRun& r) { r.front.reader_press_at(r.middle_of(r.w.Image1)); },
     {"click Image1", kStartHomePage}},
    {"ABandListPickedWithTheWheelTellsItsNewItem",
     [](CaseRun& r) {
       r.front.turn_wheel(r.w.cmb_band1, -120);
       r.read_accessible("\"First digit band\"");
     },
     {"combo box \"First digit band\" value \"1 Brown\" [focusable]"}},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class Conformance : public testing::TestWithParam<Case> {};

TEST_P(Conformance, Case) {
  const std::unique_ptr<FrontEnd> front = open_front_end();
  CaseRun run(*front);
  GetParam().steps(run);
  EXPECT_EQ(run.seen, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Conformance, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvex::conformance
