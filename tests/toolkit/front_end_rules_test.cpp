// The rules that every front end's view follows, on a small window of every kind that matters: the
// task a delivered change sets, the parts of a widget, the stacking, the painted control under the
// pointer, the click, the keys, the faces, the breaking of a caption and the placing of a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "toolkit/choices.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/keys.h"
#include "toolkit/line_breaks.h"
#include "toolkit/painted_controls.h"
#include "toolkit/pointer.h"
#include "toolkit/toolkit.h"
#include "toolkit/typefaces.h"
#include "toolkit/view_changes.h"
#include "toolkit/window_placement.h"

namespace tarvex {
namespace {

// A picture under a caption that lies over its lower edge, a shape beside it with a line across.
struct RulesWindow : Form {
  explicit RulesWindow(Toolkit& toolkit) : Form(toolkit, "frmRules") {
    picture.design({.at = {0, 0, 1500, 1500}, .picture = "photo"});
    caption.design({.at = {0, 1200, 1500, 300}, .caption = u"Home"});
    shape.design({.at = {3000, 0, 1500, 1500}});
    line.design({.x1 = 3000, .y1 = 750, .x2 = 4500, .y2 = 750});
    set_paint_order({&shape, &picture, &caption, &line});
  }
  TextBox first{*this, "first"};
  CommandButton button{*this, "button"};
  TextBox last{*this, "last"};
  Image picture{*this, "picture"};
  Label caption{*this, "caption"};
  Shape shape{*this, "shape"};
  Line line{*this, "line"};
  Menu menu{*this, "mnu_file"};
};

struct FrontEndRulesTest : testing::Test {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  RulesWindow window{toolkit};
};

// Rows: the change (whether the user made it in the widget), whether the control has a widget and
// is visible, and the view's task.
TEST_F(FrontEndRulesTest, EachDeliveredChangeSetsTheViewOneTask) {
  TextBox& box = window.first;
  const struct {
    PropertyChange change;
    bool has_widget, visible;
    ViewTask task;
  } rows[] = {
      {{window, window.Caption, false}, false, true, ViewTask::Retitle},
      {{window.menu, window.menu.Caption, false}, false, true, ViewTask::ShowMenu},
      {{window.caption, window.caption.Caption, false}, false, true, ViewTask::Repaint},
      {{window.shape, window.shape.ToolTipText, false}, false, true, ViewTask::ShowTooltip},
      {{box, box.Text, false}, false, true, ViewTask::Make},
      {{box, box.Text, false}, false, false, ViewTask::Nothing},
      {{box, box.Text, true}, true, true, ViewTask::Nothing},  // the user's edit is not written back
      {{box, box.ToolTipText, false}, true, true, ViewTask::ShowTooltip},
      {{box, box.Visible, false}, true, true, ViewTask::ShowAll},
      {{box, box.Visible, false}, true, false, ViewTask::ShowProperty},
      {{box, box.SelStart, false}, true, true, ViewTask::ShowProperty},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.change.control.name() + "." + std::string(property_name(row.change.property.id())));
    row.change.control.Visible.set_initial(row.visible);
    EXPECT_EQ(view_task(row.change, row.has_widget), row.task);
    row.change.control.Visible.set_initial(true);
  }
}

TEST_F(FrontEndRulesTest, AWidgetShowsEachPartOnceTheGeometryFirst) {
  const std::vector<WidgetPart> parts = widget_parts(window.first);
  ASSERT_FALSE(parts.empty());
  EXPECT_EQ(parts.front(), WidgetPart::Geometry) << "placed before it is shown";
  EXPECT_EQ(std::count(parts.begin(), parts.end(), WidgetPart::Geometry), 1);
  EXPECT_EQ(std::count(parts.begin(), parts.end(), WidgetPart::Selection), 1) << "SelStart and SelLength";
  EXPECT_EQ(widget_part(ControlKind::TextBox, PropertyId::Caption), WidgetPart::None);
}

TEST_F(FrontEndRulesTest, ANewWidgetStacksBelowTheNextLaterControlThatHasOne) {
  std::set<const Control*> with_widget;
  const auto has_widget = [&](const Control& c) { return with_widget.count(&c) > 0; };
  EXPECT_EQ(stacking_neighbour(window, window.first, has_widget), nullptr) << "none yet: on top";
  with_widget = {&window.last};
  EXPECT_EQ(stacking_neighbour(window, window.first, has_widget), &window.last);
  with_widget = {&window.button, &window.last};
  EXPECT_EQ(stacking_neighbour(window, window.first, has_widget), &window.button);
  EXPECT_EQ(stacking_neighbour(window, window.last, has_widget), nullptr) << "nothing later: on top";
}

// Points in twips; rows: where, what a click lands on, whose tooltip a resting pointer brings up.
TEST_F(FrontEndRulesTest, TheTopmostPaintedControlTakesTheClickOrTellsItsTooltip) {
  const struct {
    const char* name;
    TwipPoint at;
    Control *click, *tooltip;
  } rows[] = {
      {"the picture", {750, 600}, &window.picture, &window.picture},
      {"the caption over the picture's lower edge", {750, 1300}, &window.caption, &window.caption},
      {"a shape tells but takes no click", {3500, 300}, nullptr, &window.shape},
      {"a line over the shape is neither", {3500, 750}, nullptr, &window.shape},
      {"the far edge belongs to the next pixel", {1500, 600}, nullptr, nullptr},
      {"nothing painted", {2000, 600}, nullptr, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(painted_control_at(window, row.at, PointerUse::Click), row.click);
    EXPECT_EQ(painted_control_at(window, row.at, PointerUse::Tooltip), row.tooltip);
  }
  window.caption.Visible = false;
  EXPECT_EQ(painted_control_at(window, {750, 1300}, PointerUse::Click), &window.picture) << "a hidden caption";
}

// A repaint reaches two pixels (30 twips) past a box, and past a line's ends by its width and one.
TEST_F(FrontEndRulesTest, APaintedControlIsRepaintedWithAMarginAndACircleIsDrawnInTheCentredSquare) {
  const auto expect_bounds = [](Bounds b, Bounds expected) {
    EXPECT_EQ(std::vector({b.left, b.top, b.width, b.height}),
              std::vector({expected.left, expected.top, expected.width, expected.height}));
  };
  expect_bounds(painted_bounds(window.caption), {-30, 1170, 1560, 360});
  window.line.border_width = 2;
  window.line.X1 = 4500;
  window.line.X2 = 3000;
  expect_bounds(painted_bounds(window.line), {2955, 705, 1590, 90});
  expect_bounds(painted_bounds(window.first), {});
  window.shape.Height = 900;
  expect_bounds(shape_box(window.shape), {3000, 0, 1500, 900});
  window.shape.shape = ShapeKind::Circle;
  expect_bounds(shape_box(window.shape), {3300, 0, 900, 900});
}

// A change repaints the union of the control's box before and now, and then only the box now.
TEST_F(FrontEndRulesTest, AChangeRepaintsWhereTheControlWasAndWhereItIsAndAPaintDrawsWhatReachesItsArea) {
  PaintedAreas areas(window);
  window.caption.Left = 600;
  const Bounds both = areas.changed(window.caption);
  EXPECT_EQ(std::vector({both.left, both.top, both.width, both.height}), std::vector<float>({-30, 1170, 2160, 360}));
  const Bounds now = areas.changed(window.caption);
  EXPECT_EQ(std::vector({now.left, now.width}), std::vector<float>({570, 1560}));

  // A paint of an area draws, in paint order, the visible controls whose margin reaches into it.
  using Painted = std::vector<const Control*>;
  EXPECT_EQ(controls_to_paint(window, {2000, 700, 2000, 100}), Painted({&window.shape, &window.line}));
  EXPECT_EQ(controls_to_paint(window, {0, 0, 1000, 1000}), Painted({&window.picture}));
  EXPECT_EQ(controls_to_paint(window, {1520, 0, 1000, 1000}), Painted({&window.picture})) << "within its margin";
  // Each is drawn as what it is.
  struct DrawnAs {
    std::vector<std::string> seen;
    void operator()(const Shape& shape) { seen.push_back("shape " + shape.name()); }
    void operator()(const Line& line) { seen.push_back("line " + line.name()); }
    void operator()(const Label& label) { seen.push_back("label " + label.name()); }
    void operator()(const Image& image) { seen.push_back("image " + image.name()); }
  } drawn;
  draw_painted_controls(window, {0, 0, 5000, 2000}, drawn);
  EXPECT_EQ(drawn.seen, std::vector<std::string>({"shape shape", "image picture", "label caption", "line line"}));
  window.picture.Visible = false;
  EXPECT_EQ(controls_to_paint(window, {0, 0, 1000, 1000}), Painted());
}

struct Choices : Form {
  explicit Choices(Toolkit& toolkit) : Form(toolkit, "frmChoices") {
    for (ListControl* list : {&drop_down, &list_box}) list->design({.items = {u"one", u"two"}});
  }
  CheckBox check{*this, "check"};
  OptionButton option{*this, "option"};
  ListControl drop_down{*this, "drop_down", ControlKind::ComboBox};
  ListControl list_box{*this, "list_box", ControlKind::ListBox};
};

TEST_F(FrontEndRulesTest, ButtonsShowTheirMarkAndAChosenItemIsAPickOnlyWhereItChangesSomething) {
  Choices choices(toolkit);
  const std::vector<CheckMark> marks = {CheckMark::Clear, CheckMark::Checked, CheckMark::Greyed};
  for (Integer value : {0, 1, 2}) {
    choices.check.Value = value;
    EXPECT_EQ(check_mark(choices.check), marks[value]) << value;
  }
  EXPECT_EQ(check_mark(choices.option), CheckMark::Clear);
  choices.option.Value = true;
  EXPECT_EQ(check_mark(choices.option), CheckMark::Checked);

  choices.drop_down.ListIndex = 1;
  choices.list_box.ListIndex = 1;
  EXPECT_TRUE(is_pick(choices.drop_down, 1)) << "the selected item again, from the open drop-down list";
  EXPECT_FALSE(is_pick(choices.list_box, 1)) << "the list box only moved to its own selection";
  EXPECT_TRUE(is_pick(choices.list_box, 0));
  EXPECT_FALSE(is_pick(choices.drop_down, -1)) << "nothing chosen";
  EXPECT_FALSE(is_pick(choices.list_box, -1));
}

// (A release on another control, and another button during a click: the conformance cases.)
TEST_F(FrontEndRulesTest, APressAndAReleaseOnTheSameControlMakeAClick) {
  PaintedClick click;
  EXPECT_TRUE(click.press(window, {100, 100}));
  EXPECT_EQ(click.release(window, {1400, 1100}), &window.picture);
  EXPECT_EQ(click.release(window, {1400, 1100}), nullptr) << "one press, one click";
  EXPECT_FALSE(click.press(window, {2000, 100}));
  EXPECT_EQ(click.release(window, {100, 100}), nullptr) << "pressed beside everything";
}

TEST(KeyPressOf, TheWindowTakesAccessKeysTabAndTheNamedKeysOnlyWithTheirModifiers) {
  const struct {
    const char* name;
    KeyStroke stroke;
    std::optional<KeyName> taken;
  } rows[] = {
      {"Alt with a letter", {.code = 'X', .alt = true}, KeyName::Alt},
      {"Alt with a key that is no letter or digit", {.code = '[', .alt = true}, std::nullopt},
      {"Alt with Shift", {.code = 'X', .alt = true, .shift = true}, std::nullopt},
      {"Shift with Tab", {.key = KeyName::Tab, .shift = true}, KeyName::ShiftTab},
      {"Control with Tab", {.key = KeyName::Tab, .control = true}, std::nullopt},
      {"Enter alone", {.key = KeyName::Enter}, KeyName::Enter},
      {"a letter typed", {.code = 'X'}, std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto press = key_press_of(row.stroke);
    EXPECT_EQ(press ? std::optional(press->name) : std::nullopt, row.taken);
  }
  EXPECT_EQ(key_press_of({.code = 'X', .alt = true})->letter, u'X');
}

TEST(DrawnFace, IsTheFaceWhereTheSystemHasItElseTheClosestItHasElseTheSystemsOwnChosenOnce) {
  const auto system_with = [](std::set<std::u16string_view> faces) {
    return [faces](std::u16string_view face) { return faces.count(face) > 0; };
  };
  EXPECT_EQ(drawn_face(u"Verdana", system_with({u"Verdana", u"Tahoma"})), u"Verdana");
  EXPECT_EQ(drawn_face(u"Verdana", system_with({u"Arial", u"DejaVu Sans"})), u"DejaVu Sans");
  EXPECT_EQ(drawn_face(u"Verdana", system_with({u"Courier"})), u"");
  int asked = 0;
  DrawnFaces faces(
      [&](std::u16string_view) {
        ++asked;
        return false;
      },
      u"System");
  EXPECT_EQ(faces.of(u"Verdana"), u"System");
  EXPECT_EQ(faces.of(u"Verdana"), u"System");
  EXPECT_EQ(asked, 4) << "the face and its three closest, asked once for the run";
}

// A measure of one unit a character.
TEST(LinesBrokenAtBlanks, BreakOnlyAtBlanksByTheMeasureGiven) {
  const auto measure = [](std::u16string_view text) { return static_cast<float>(text.size()); };
  const struct {
    const char* name;
    std::u16string text;
    float width;
    std::vector<std::u16string> lines;
  } rows[] = {
      {"fits", u"one two", 7, {u"one two"}},
      {"breaks before the word that would not fit", u"one two three", 8, {u"one two", u"three"}},
      {"a long word stays whole on its own line",
       u"see https://example.org/long now",
       10,
       {u"see", u"https://example.org/long", u"now"}},
      {"blanks at a line's ends are neither measured nor drawn", u"ab  cd ", 2, {u"ab", u"cd"}},
      {"empty", u"", 5, {u""}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(lines_broken_at_blanks(row.text, row.width, measure), row.lines);
  }
}

// Rows: the window (where it is, and its size), the screen's area, where its top-left corner goes.
TEST(WindowPlacement, CentredOrKeptButNeverWithItsTopLeftOffTheScreen) {
  const struct {
    const char* name;
    bool centred;
    ScreenRect window, area;
    int x, y;
  } rows[] = {
      {"fits: centred", true, {0, 0, 790, 420}, {0, 0, 1280, 1024}, 245, 302},
      {"centred on an area below a panel", true, {0, 0, 790, 420}, {0, 30, 1280, 994}, 245, 317},
      {"wider than the screen: at its left edge", true, {0, 0, 1580, 840}, {0, 0, 1280, 1024}, 0, 92},
      {"taller than the area: at its top", true, {0, 0, 600, 1200}, {0, 30, 1280, 994}, 340, 30},
      {"on a second screen to the right", true, {0, 0, 2000, 400}, {1280, 0, 1024, 768}, 1280, 184},
      {"kept where it is", false, {100, 50, 790, 420}, {0, 0, 1280, 1024}, 100, 50},
      {"pulled back from the far edges", false, {1000, 900, 790, 420}, {0, 0, 1280, 1024}, 490, 604},
      {"larger than the area: at its top-left", false, {-50, -20, 1580, 1200}, {0, 30, 1280, 994}, 0, 30},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const ScreenPoint at = row.centred ? place_centred(row.window, row.area) : keep_on_screen(row.window, row.area);
    EXPECT_EQ(at.x, row.x);
    EXPECT_EQ(at.y, row.y);
  }
}

}  // namespace
}  // namespace tarvex
