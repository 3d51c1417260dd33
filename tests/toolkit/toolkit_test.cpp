// The toolkit's records and events behave as the windows rely on: writes that raise events run
// their handler before returning, equal writes do nothing, the view hears of each change once,
// focus moves in order, and an error that escapes a handler is reported, not fatal.
#include "toolkit/toolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "tests/support/view_log.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/raw_pixels.h"
#include "toolkit/text_encoding.h"
#include "toolkit/user_input.h"

namespace tarvex {
namespace {

std::u16string to_utf16_number(int n) { return from_utf8(std::to_string(n)); }

struct TestWindow : Form {
  explicit TestWindow(Toolkit& toolkit, std::string name = "frmTest") : Form(toolkit, std::move(name)) {
    list.design({.at = {}, .items = {u"0 Black", u"1 Brown", u"2 Red"}});
    set_tab_order({&first, &second, &hidden, &ma, &a, &button});
    ma.Value.set_initial(true);
    hidden.Visible.set_initial(false);
    ok.is_default = true;
    cancel.is_cancel = true;
  }
  TextBox first{*this, "first"}, second{*this, "second"}, hidden{*this, "hidden"};
  OptionButton ma{*this, "ma"}, a{*this, "a"};
  CommandButton button{*this, "button"};
  ListControl list{*this, "list", ControlKind::ComboBox};
  CheckBox check{*this, "check"};
  Label caption{*this, "caption"};
  CommandButton ok{*this, "ok"}, cancel{*this, "cancel"};  // no tab stops: reached by Enter and Esc
};

struct ToolkitTest : testing::Test {
  ToolkitTest() {
    window.set_view(&view);
    toolkit.Load(window);
    toolkit.Show(window);
    view.changes.clear();
    view.delivered_after.clear();
  }
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  UserInput input{toolkit};
  ViewLog view{true};  // outlives the window, which tells it of its close
  TestWindow window{toolkit};
  std::vector<std::string> events;
};

TEST_F(ToolkitTest, PropertyWritesTellTheViewOncePerChangeAndADispatchAtItsEnd) {
  window.first.ForeColor = kRed;
  window.first.ForeColor = kRed;
  window.caption.Caption = u"x";
  EXPECT_EQ(view.changes, (std::vector<std::string>{"first.ForeColor=0x000000FF", "caption.Caption=x"}));
  EXPECT_EQ(view.delivered_after, (std::vector<std::size_t>{1, 2})) << "a write outside a dispatch is told at once";
  // A dispatch hands its changes over together after the last, once per property in the order of
  // its first change, and says so once; a value put back where it was is no news.
  std::vector<std::string> seen_during;
  toolkit.dispatch([&] {
    window.caption.Caption = u"a";
    window.first.Text = u"1";
    window.caption.Caption = u"b";
    window.check.Value = 1;
    window.check.Value = 0;
    seen_during = view.changes;
  });
  EXPECT_EQ(seen_during.size(), 2u) << "nothing reaches the view mid-dispatch";
  EXPECT_EQ(view.changes, (std::vector<std::string>{"first.ForeColor=0x000000FF", "caption.Caption=x",
                                                    "caption.Caption=b", "first.Text=1"}));
  EXPECT_EQ(view.delivered_after, (std::vector<std::size_t>{1, 2, 4}));
}

TEST_F(ToolkitTest, ListIndexWriteUpdatesTextAndRunsClickBeforeReturning) {
  window.list.Click = [&] { events.push_back("click sees " + to_utf8(window.list.Text)); };
  window.list.ListIndex = 2;
  events.push_back("write returned");
  window.list.ListIndex = 2;  // the same selection again: nothing
  EXPECT_EQ(events, (std::vector<std::string>{"click sees 2 Red", "write returned"}));
}

TEST_F(ToolkitTest, ListIndexBeyondTheItemsFailsWithTheListErrorAndKeepsTheSelection) {
  window.list.ListIndex = 1;
  for (Integer beyond : {Integer{3}, Integer{-2}, Integer{90}}) {
    try {
      window.list.ListIndex = beyond;
      ADD_FAILURE() << "no error for " << beyond;
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::InvalidPropertyValue);
    }
  }
  EXPECT_EQ(window.list.ListIndex, 1);
  window.list.ListIndex = -1;
  EXPECT_EQ(window.list.Text.get(), u"");
}

TEST_F(ToolkitTest, CheckBoxHoldsZeroOneOrTwoAndOnlyAChangeRunsClick) {
  int clicks = 0;
  window.check.Click = [&] { ++clicks; };
  window.check.Value = 2;
  window.check.Value = 2;
  window.check.Value = 0;
  EXPECT_EQ(clicks, 2);
  EXPECT_THROW(window.check.Value = 3, Error);
  // A click by the user checks a greyed box and unchecks a checked one.
  window.check.Value = 2;
  input.perform(action::Click{window.check});
  EXPECT_EQ(window.check.Value, 1);
  input.perform(action::Click{window.check});
  EXPECT_EQ(window.check.Value, 0);
}

TEST_F(ToolkitTest, OptionButtonsOfAWindowExcludeEachOther) {
  window.a.Value = true;
  EXPECT_FALSE(window.ma.Value);
  input.perform(action::Click{window.ma});
  EXPECT_TRUE(window.ma.Value);
  EXPECT_FALSE(window.a.Value);
}

TEST_F(ToolkitTest, FocusLostRunsBeforeFocusGainedAndAMoveToTheOwnerRunsNothing) {
  window.first.LostFocus = [&] { events.push_back("first lost"); };
  window.second.GotFocus = [&] { events.push_back("second got"); };
  window.second.LostFocus = [&] { events.push_back("second lost"); };
  EXPECT_EQ(window.focused(), &window.first);  // the first tab stop, when shown
  toolkit.move_focus(window.second);
  toolkit.move_focus(window.second);
  EXPECT_EQ(events, (std::vector<std::string>{"first lost", "second got"}));
}

TEST_F(ToolkitTest, TabSkipsHiddenControlsAndStopsOnceAtTheSelectedOption) {
  std::vector<std::string> stops;
  for (int i = 0; i < 5; ++i) {
    input.perform(action::Key{{KeyName::Tab}});
    stops.push_back(window.focused()->name());
  }
  EXPECT_EQ(stops, (std::vector<std::string>{"second", "ma", "button", "first", "second"}));
  input.perform(action::Key{{KeyName::ShiftTab}});
  EXPECT_EQ(window.focused()->name(), "first");
}

// Wherever the focus stands within the pair, Tab and Shift+Tab leave it; with neither button
// selected the pair is still one stop, at its first button.
TEST_F(ToolkitTest, TheOptionPairIsOneStopFromWhicheverButtonHasTheFocus) {
  const auto tab_from = [&](Control& start, KeyName key) {
    input.perform(action::Focus{start});
    input.perform(action::Key{{key}});
    return window.focused()->name();
  };
  EXPECT_EQ(tab_from(window.a, KeyName::ShiftTab), "second");
  EXPECT_EQ(tab_from(window.a, KeyName::Tab), "button");
  EXPECT_EQ(tab_from(window.ma, KeyName::ShiftTab), "second");
  EXPECT_EQ(tab_from(window.button, KeyName::ShiftTab), "ma");
  window.a.Value = true;
  EXPECT_EQ(tab_from(window.button, KeyName::ShiftTab), "a");
  EXPECT_EQ(tab_from(window.second, KeyName::Tab), "a");
  window.a.Value.store(false);
  EXPECT_EQ(tab_from(window.second, KeyName::Tab), "ma");
  EXPECT_EQ(tab_from(window.ma, KeyName::Tab), "button");
  EXPECT_EQ(tab_from(window.button, KeyName::ShiftTab), "ma");
}

// Enter presses the button that has the focus while it can be pressed, or else the default one;
// Esc the cancel one; Space only the focused button, and in a text box it is typed.
TEST_F(ToolkitTest, EnterEscapeAndSpacePressTheirButtons) {
  for (CommandButton* b : {&window.button, &window.ok, &window.cancel}) {
    b->Click = [&events = events, b] { events.push_back(b->name()); };
  }
  EXPECT_FALSE(input.takes_key({KeyName::Space})) << "a space in a text box is typed";
  input.perform(action::Key{{KeyName::Enter}});
  input.perform(action::Focus{window.button});
  input.perform(action::Key{{KeyName::Space}});
  input.perform(action::Key{{KeyName::Enter}});
  input.perform(action::Key{{KeyName::Escape}});
  EXPECT_EQ(window.focused(), &window.cancel) << "a pressed button takes the focus";
  // A focused button that code has disabled or hidden leaves Enter to the default button.
  input.perform(action::Focus{window.button});
  window.button.Enabled = false;
  EXPECT_FALSE(input.takes_key({KeyName::Space}));
  input.perform(action::Key{{KeyName::Enter}});
  window.button.Enabled = true;
  input.perform(action::Focus{window.button});
  window.button.Visible = false;
  input.perform(action::Key{{KeyName::Enter}});
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "button", "button", "cancel", "ok", "ok"}));
}

TEST_F(ToolkitTest, TypingReplacesTheTextAndLeavesTheCaretAfterIt) {
  window.first.Text = u"20";
  ASSERT_FALSE(input.perform(action::Type{window.first, u"15"}));
  EXPECT_EQ(window.first.Text.get(), u"15");
  EXPECT_EQ(window.first.SelStart, 2);
  EXPECT_EQ(window.first.SelLength, 0);
  window.second.read_only = true;
  EXPECT_TRUE(input.perform(action::Type{window.second, u"1"}));
  EXPECT_TRUE(input.perform(action::Type{window.hidden, u"1"}));
}

TEST_F(ToolkitTest, ASelectionStaysWithinTheText) {
  window.first.Text = u"abc";
  window.first.SelStart = 2;
  window.first.SelLength = 5;
  EXPECT_EQ(window.first.SelLength, 1);
  window.first.SelStart = 9;
  EXPECT_EQ(window.first.SelStart, 3);
  EXPECT_EQ(window.first.SelLength, 0);
  EXPECT_THROW(window.first.SelStart = -1, Error);
  window.first.SelStart = 1;
  window.first.Text = u"xyz";  // a new text puts the caret at its start
  EXPECT_EQ(window.first.SelStart, 0);
  EXPECT_EQ(window.first.SelLength, 0);
}

// Whatever a handler throws, the program's own error or anything else, is reported.
TEST_F(ToolkitTest, AnErrorEscapingAHandlerIsReportedAndTheWindowGoesOn) {
  window.button.Click = [] { throw Error(ErrorKind::Overflow); };
  EXPECT_FALSE(input.perform(action::Click{window.button}));
  window.ok.Click = [] { throw 42; };
  EXPECT_NO_THROW(input.perform(action::Click{window.ok}));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].caption, u"Tarvex");
  EXPECT_EQ(platform.messages[0].prompt,
            u"Tarvex could not finish this action: a number is too large to work with (Overflow).");
  EXPECT_EQ(platform.messages[1].prompt, u"Tarvex could not finish this action: an unexpected error.");
  EXPECT_TRUE(toolkit.running());
  EXPECT_FALSE(input.perform(action::Type{window.first, u"7"}));
  EXPECT_EQ(window.first.Text.get(), u"7");
}

// The program's start reports a window that never came up in the same words the user was shown.
TEST_F(ToolkitTest, AFailedDispatchGivesTheWordsTheUserWasShownAndASuccessGivesNone) {
  EXPECT_EQ(toolkit.dispatch([] {}), std::nullopt);
  const auto failure = toolkit.dispatch([] { throw Error(ErrorKind::TypeMismatch); });
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(*failure, u"a value is not a number (Type mismatch)");
  EXPECT_EQ(platform.messages.back().prompt, u"Tarvex could not finish this action: " + *failure + u".");
}

// The words name the property and the value that it could not take, whatever kind of control.
TEST_F(ToolkitTest, AnOutOfRangeWriteIsReportedByWhatWasOutOfRange) {
  struct Spin : Form {
    explicit Spin(Toolkit& t) : Form(t, "frmSpin") {
      arrows.design({.at = {}, .buddy = &count, .value = 2, .min = 1, .max = 9});
    }
    TextBox count{*this, "count"};
    UpDown arrows{*this, "arrows"};
  } spin(toolkit);
  const struct {
    const char* write;
    std::function<void()> action;
    std::u16string words;
  } rows[] = {
      {"list", [&] { window.list.ListIndex = 3; }, u"list.ListIndex cannot be 3: the list has no such item"},
      {"check box", [&] { window.check.Value = 3; }, u"check.Value cannot be 3: a check box is 0, 1 or 2"},
      {"selection start", [&] { window.first.SelStart = -1; }, u"first.SelStart cannot be negative"},
      {"selection length", [&] { window.first.SelLength = -2; }, u"first.SelLength cannot be negative"},
      {"spin value", [&] { spin.arrows.Value = 10; }, u"arrows.Value cannot be 10: it is outside 1 to 9"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.write);
    try {
      row.action();
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::InvalidPropertyValue);
      EXPECT_EQ(describe_for_user(error), row.words + u" (Invalid property value)");
    }
  }
}

TEST_F(ToolkitTest, TheHeadlessPlatformKeepsTheLatestMessagesAndCountsThemAll) {
  for (int i = 0; i < 1000; ++i) toolkit.MsgBox(to_utf16_number(i));
  EXPECT_EQ(platform.messages_shown, 1000u);
  ASSERT_EQ(platform.messages.size(), HeadlessPlatform::kKeptRecords);
  EXPECT_EQ(platform.messages.back().prompt, u"999");
  EXPECT_EQ(platform.messages.front().prompt, to_utf16_number(1000 - static_cast<int>(HeadlessPlatform::kKeptRecords)));
}

// While a modal window is open its owner takes no input, its close box neither; the modal show
// returns only once the window's own close box has unloaded it, and the owner stays.
TEST_F(ToolkitTest, AModalShowReturnsOnlyAfterItsOwnCloseUnloadsIt) {
  TestWindow dialog(toolkit, "frmDialog");
  std::vector<std::string> actions{"refused main", "close"};
  platform.pump = [&] {
    if (actions.empty()) return false;
    const std::string next = actions.front();
    actions.erase(actions.begin());
    if (next == "refused main") {
      events.push_back(input.perform(action::Click{window.button}).value_or("carried out"));
      events.push_back(input.perform(action::Close{window}).value_or("closed"));
    }
    if (next == "close") input.perform(action::Close{dialog});
    return true;
  };
  toolkit.Load(dialog);
  toolkit.ShowModal(dialog, window);
  events.push_back(dialog.is_loaded() ? "returned while loaded" : "returned after unload");
  const std::string refused = "frmTest takes no input while frmDialog is open";
  EXPECT_EQ(events, (std::vector<std::string>{refused, refused, "returned after unload"}));
  EXPECT_TRUE(window.is_loaded());
  EXPECT_EQ(toolkit.active_window(), &window);
  EXPECT_EQ(input.perform(action::Close{dialog}), "frmDialog is not loaded");
}

TEST_F(ToolkitTest, UnloadingTheLastWindowEndsTheProgram) {
  toolkit.Unload(window);
  EXPECT_FALSE(toolkit.running());
  EXPECT_EQ(toolkit.active_window(), nullptr);
}

TEST_F(ToolkitTest, ASelfSizingLabelFollowsItsCaptionAndWeightAndKeepsItsLeftEdge) {
  window.caption.design({.at = {100, 0, 1, 195}, .caption = u"0", .font = {u"Verdana", 24, false}, .auto_size = true});
  EXPECT_EQ(window.caption.Width, 315);  // 20.36 px rounded up to whole pixels
  window.caption.Caption = u"000000";
  EXPECT_EQ(window.caption.Width, 1845);  // 122.2 px
  window.caption.FontBold = true;         // no bold table at this size: the nearest one of that weight
  EXPECT_GT(window.caption.Width, 1845);
  EXPECT_EQ(window.caption.Left, 100);
  window.caption.design({.at = {}, .caption = u"W", .font = {u"Symbol", 27.75f, false}, .auto_size = true});
  EXPECT_EQ(window.caption.shown_caption(), u"Ω");
  EXPECT_EQ(window.caption.Width, 435);  // the width of Ω, not of W
}

// A design gives a control its values before anyone sees it: the view of a window on the screen
// hears nothing of it.
TEST_F(ToolkitTest, ADesignTellsTheViewNothing) {
  Image picture(window, "picture");
  picture.design({.at = {}, .picture = {}, .tooltip = u"A picture"});
  window.caption.design({.at = {}, .caption = u"0", .tooltip = u"A label"});
  EXPECT_EQ(picture.ToolTipText.get(), u"A picture");
  EXPECT_EQ(view.changes, std::vector<std::string>{});
}

TEST(TextEncoding, RoundTripsEveryPlaneAndReplacesBrokenBytes) {
  const std::u16string text = u"Tarvex by Voq™ Ω 😀";
  EXPECT_EQ(from_utf8(to_utf8(text)), text);
  EXPECT_EQ(to_utf8(u"Ω"), "\xCE\xA9");
  EXPECT_EQ(from_utf8("a\xFF"
                      "b"),
            u"a\uFFFDb");
  EXPECT_EQ(from_utf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // an overlong "/" is no character
  EXPECT_EQ(from_utf8("\xE2\x82"), u"\uFFFD\uFFFD");  // cut short
}

// Captions read as one text: a word's captions run together, hidden ones and blanks left out.
TEST(ReadOut, ReadsTheVisibleCaptionsAsTheEyeDoes) {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  Form window(toolkit, "frmReadOut");
  Label heading{window, "heading"}, first{window, "first"}, second{window, "second"}, zeros{window, "zeros"},
      unit{window, "unit"};
  heading.Caption = u"Value:";
  first.Caption = u"4";
  second.Caption = u"7";
  zeros.Caption = u" ";
  unit.Caption = u"&W";
  const ReadOut read_out{{{&heading}, {&first, &second, &zeros}, {&unit}}};
  EXPECT_EQ(read_out_text(read_out), u"Value: 47 W");
  zeros.Caption = u"00";
  second.Visible = false;
  EXPECT_EQ(read_out_text(read_out), u"Value: 400 W");
  first.Caption = u"";
  zeros.Caption = u"";
  EXPECT_EQ(read_out_text(read_out), u"Value: W") << "an empty word leaves no doubled blank";
  EXPECT_TRUE(read_out.reads(zeros));
  EXPECT_FALSE(read_out.reads(window));
}

// Every front end draws the windows' pictures from these pixels.
TEST(RawPixels, AreReadOnlyWhenWholeRgbWithEightBitSamples) {
  const std::string header = "P6\n# a comment\n2 1\n255\n";
  const std::string two_by_one = header + "\x01\x02\x03\x04\x05\x06";
  const auto pixels = read_raw_pixels(two_by_one);
  ASSERT_TRUE(pixels.has_value());
  EXPECT_EQ(pixels->width, 2);
  EXPECT_EQ(pixels->height, 1);
  EXPECT_EQ(pixels->rgb.size(), 6u);
  EXPECT_EQ(pixels->rgb[5], '\x06');
  EXPECT_FALSE(read_raw_pixels(two_by_one.substr(0, two_by_one.size() - 1)));  // one sample short
  EXPECT_FALSE(read_raw_pixels("P5\n2 1\n255\n\x01\x02"));                     // grey, not RGB
  EXPECT_FALSE(read_raw_pixels("P6\n2 1\n65535\n"));                           // 16-bit samples
  EXPECT_FALSE(read_raw_pixels("P6\n0 1\n255\n"));                             // no pixels
  EXPECT_FALSE(read_raw_pixels("P6\n99999999 1\n255\n"));                      // larger than it holds
}

}  // namespace
}  // namespace tarvex
