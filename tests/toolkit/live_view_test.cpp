// What a live front end relies on from the toolkit: the user's own edits are marked so that the view
// does not write them back, windows are shown and hidden only by the toolkit and tell the platform
// who owns them, the keys a window takes act where the focus is, a disabled control takes no input,
// and a focus the view moved is run through the handlers or put back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/errors.h"
#include "tests/support/view_log.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/headless/headless_views.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"
#include "toolkit/web_address.h"
#include "toolkit/window_view.h"

namespace tarvex {
namespace {

// Views that note what the toolkit tells them about windows and focus, each window's changes in its
// own log. A window unloaded is no news; one whose record goes while it is loaded is "destroyed".
struct LoggedViews : ViewMaker {
  struct Log : ViewLog {
    Log(LoggedViews& views, Form& window) : views(views), window(window) {}
    void show_window(WindowView* owner, bool modal) override {
      const auto* owner_log = static_cast<const Log*>(owner);
      views.told.push_back("shown " + window.name() + (owner_log ? " over " + owner_log->window.name() : "") +
                           (modal ? " modal" : ""));
    }
    void give_focus_to(const Control* c) override { views.told.push_back("focus " + (c ? c->name() : "none")); }
    void close_for_toolkit() override {
      if (window.is_loaded()) views.told.push_back("destroyed " + window.name());
    }
    LoggedViews& views;
    Form& window;
  };
  WindowView& make_view(Form& window, UserInput&) override {
    return *logs.emplace_back(std::make_unique<Log>(*this, window));
  }
  void drop_view(Form&, WindowView&) override {}
  std::vector<std::string> told;
  std::vector<std::unique_ptr<Log>> logs;
};

struct Window : Form {
  explicit Window(Toolkit& toolkit, std::string name = "frmTest") : Form(toolkit, std::move(name)) {
    list.design({.at = {}, .items = {u"0 Black", u"1 Brown", u"2 Red"}});
    count.design({.at = {}, .text = u"2", .read_only = true});
    spin.design({.at = {}, .buddy = &count, .value = 2, .min = 1, .max = 3});
    compute.Caption.set_initial(u"&Compute");
    ok.Caption.set_initial(u"OK");
    ok.is_default = true;
    file.Caption.set_initial(u"&File");
    spacer.Caption.set_initial(u"-");
    exit.Caption.set_initial(u"E&xit");
    set_tab_order({&entry, &compute, &list, &count, &check, &ok});
    label.place({0, 0, 300, 300});
    set_paint_order({&label});
  }
  TextBox entry{*this, "entry"};
  CommandButton compute{*this, "compute"};
  ListControl list{*this, "list", ControlKind::ComboBox};
  TextBox count{*this, "count"};
  UpDown spin{*this, "spin"};
  CheckBox check{*this, "check"};
  CommandButton ok{*this, "ok"};
  Label label{*this, "label"};
  Menu file{*this, "file"};
  Menu spacer{*this, "spacer", &file};
  Menu exit{*this, "exit", &file};
};

struct LiveViewTest : testing::Test {
  LiveViewTest() {
    toolkit.show_windows_in(views, input);
    window.compute.Click = [this] { events.push_back("compute"); };
    window.ok.Click = [this] { events.push_back("ok"); };
    window.label.Click = [this] { events.push_back("label"); };
    window.list.Click = [this] { events.push_back("list " + std::to_string(window.list.ListIndex)); };
    toolkit.Load(window);
    toolkit.Show(window);
    view().changes.clear();
    views.told.clear();
  }
  HeadlessPlatform platform;
  LoggedViews views;
  Toolkit toolkit{platform};
  UserInput input{toolkit};
  Window window{toolkit};
  // The log of the window's view.
  ViewLog& view() { return *views.logs.front(); }
  std::vector<std::string> events;
};

TEST_F(LiveViewTest, AKeystrokeEditKeepsTheCaretWhereTheUserLeftItAndIsMarkedAsTheUsers) {
  window.entry.Text = u"12";
  view().changes.clear();
  ASSERT_FALSE(input.perform(action::Edit{window.entry, u"152", 2, 0}));
  EXPECT_EQ(window.entry.Text.get(), u"152");
  EXPECT_EQ(window.entry.SelStart.get(), 2);
  EXPECT_EQ(view().changes, (std::vector<std::string>{"entry.Text (in widget)", "entry.SelStart (in widget)"}));
  // A caret beyond the text is brought back within it; a write by code is never marked.
  ASSERT_FALSE(input.perform(action::Select{window.entry, 9, 4}));
  EXPECT_EQ(window.entry.SelStart.get(), 3);
  EXPECT_EQ(window.entry.SelLength.get(), 0);
  view().changes.clear();
  window.entry.Text = u"7";
  EXPECT_EQ(view().changes.front(), "entry.Text");
  EXPECT_TRUE(input.perform(action::Edit{window.count, u"9", 1, 0})) << "a read-only box refuses typing";
}

TEST_F(LiveViewTest, TheViewLearnsWhoOwnsAModalWindowAndOfARecordThatGoesWhileLoaded) {
  {
    Window dialog(toolkit, "frmDialog");
    platform.pump = [&] {
      toolkit.Unload(dialog);
      return true;
    };
    toolkit.Load(dialog);
    toolkit.ShowModal(dialog, window);
    EXPECT_EQ(views.told.front(), "shown frmDialog over frmTest modal");
  }
  EXPECT_EQ(views.told.back(), "focus entry") << "an unloaded window is no news when its record goes";
  {
    Window other(toolkit, "frmOther");
    toolkit.Load(other);
  }
  EXPECT_EQ(views.told.back(), "destroyed frmOther");
}

TEST_F(LiveViewTest, AccessKeysWorkWithEitherCaseAndAMenuTitleOpensItsMenu) {
  input.perform(action::Key{{KeyName::Alt, u'c'}});
  input.perform(action::Key{{KeyName::Alt, u'C'}});
  EXPECT_EQ(events, (std::vector<std::string>{"compute", "compute"}));
  EXPECT_EQ(window.focused(), &window.compute);
  EXPECT_FALSE(input.takes_key({KeyName::Alt, u'f'})) << "the menu bar opens the menu";
  EXPECT_EQ(input.perform(action::Key{{KeyName::Alt, u'f'}}), "Alt+F opens the menu file: click one of its items");
  EXPECT_FALSE(input.perform(action::Key{{KeyName::Alt, u'x'}})) << "an item's key works only in its open menu";
  window.compute.Enabled = false;
  input.perform(action::Key{{KeyName::Alt, u'c'}});
  EXPECT_EQ(events.size(), 2u) << "a disabled button's access key does nothing";
}

TEST_F(LiveViewTest, ArrowsAndTheWheelStepAListAndStopAtItsEnds) {
  input.perform(action::Focus{window.list});
  input.perform(action::Key{{KeyName::Down}});
  input.perform(action::Key{{KeyName::Down}});
  input.perform(action::Key{{KeyName::Down}});
  input.perform(action::Key{{KeyName::Down}});
  input.perform(action::Key{{KeyName::Up}});
  EXPECT_EQ(events, (std::vector<std::string>{"list 0", "list 1", "list 2", "list 1"}));
  input.perform(action::Wheel{window.list, 5});
  EXPECT_EQ(window.list.ListIndex.get(), 0);
  input.perform(action::Wheel{window.list, -1});
  EXPECT_EQ(window.list.ListIndex.get(), 1);
}

// A front end's view with no widgets: what it does with the wheel and a press before a widget sees
// them.
struct BareView : HeadlessView {
  using HeadlessView::HeadlessView;
  using WidgetView::press_spent_on_focus;
  using WidgetView::wheel_turned;
};

TEST_F(LiveViewTest, AViewStepsAListByWholeNotchesAndSpendsThePressThatFocusesATextBox) {
  window.list.ListIndex = 0;
  BareView bare(window, input);
  EXPECT_FALSE(bare.wheel_turned(window.entry, -240)) << "the text box's widget keeps the wheel";
  EXPECT_TRUE(bare.wheel_turned(window.list, -119)) << "less than a notch is taken, and steps nothing";
  EXPECT_EQ(window.list.ListIndex.get(), 0);
  EXPECT_TRUE(bare.wheel_turned(window.list, -240));
  EXPECT_EQ(window.list.ListIndex.get(), 2);
  EXPECT_TRUE(BareView::press_spent_on_focus(window.entry, true));
  EXPECT_FALSE(BareView::press_spent_on_focus(window.entry, false)) << "the box had the focus already";
  EXPECT_FALSE(BareView::press_spent_on_focus(window.compute, true));
}

TEST_F(LiveViewTest, ArrowsInTheSpinControlsBoxStepItWithinItsBounds) {
  input.perform(action::Focus{window.count});
  input.perform(action::Key{{KeyName::Up}});
  input.perform(action::Key{{KeyName::Up}});
  EXPECT_EQ(window.count.Text.get(), u"3");
  input.perform(action::Key{{KeyName::Down}});
  EXPECT_EQ(window.count.Text.get(), u"2");
  window.spin.Enabled = false;
  EXPECT_FALSE(input.takes_key({KeyName::Up}));
}

TEST_F(LiveViewTest, ADisabledLabelTakesNoClick) {
  input.perform(action::Click{window.label});
  window.label.Enabled = false;
  EXPECT_EQ(input.perform(action::Click{window.label}), "label is disabled");
  EXPECT_EQ(events, std::vector<std::string>{"label"});
}

TEST_F(LiveViewTest, AFocusTheViewMovedRunsTheHandlersOrIsPutBack) {
  int lost = 0;
  window.entry.LostFocus = [&] { ++lost; };
  EXPECT_FALSE(input.perform(action::Focus{.control = window.compute, .moved_by_view = true}));
  EXPECT_EQ(lost, 1);
  EXPECT_EQ(window.focused(), &window.compute);
  window.ok.Enabled = false;
  EXPECT_TRUE(input.perform(action::Focus{.control = window.ok, .moved_by_view = true}));
  EXPECT_EQ(window.focused(), &window.compute);
  EXPECT_EQ(views.told.back(), "focus compute") << "the view is told where the focus stays";
}

// --- What a dispatch hands to the view ---

TEST_F(LiveViewTest, TheViewIsToldBeforeAModalWindowWaits) {
  Window dialog(toolkit, "frmDialog");
  std::vector<std::string> seen_while_modal;
  platform.pump = [&] {
    seen_while_modal = view().changes;
    toolkit.Unload(dialog);
    return true;
  };
  toolkit.dispatch([&] {
    window.label.Caption = u"opening";
    toolkit.ShowModal(dialog, window);
  });
  EXPECT_EQ(seen_while_modal, std::vector<std::string>{"label.Caption"});
}

TEST_F(LiveViewTest, TheViewIsToldBeforeAMessageBoxWaits) {
  struct Box : HeadlessPlatform {
    ViewLog* view = nullptr;
    std::size_t told_before_box = 0;
    void message_box(const Text& caption, const Text& prompt, int buttons) override {
      told_before_box = view->changes.size();
      HeadlessPlatform::message_box(caption, prompt, buttons);
    }
  } box_platform;
  Toolkit box_toolkit{box_platform};
  ViewLog log;
  Window shown(box_toolkit);
  box_platform.view = &log;
  shown.set_view(&log);
  box_toolkit.Load(shown);
  box_toolkit.Show(shown);
  log.changes.clear();
  box_toolkit.dispatch([&] {
    shown.label.Caption = u"before";
    box_toolkit.MsgBox(u"wait");
    shown.entry.Text = u"after";
  });
  EXPECT_EQ(box_platform.told_before_box, 1u);
  EXPECT_EQ(log.changes, (std::vector<std::string>{"label.Caption", "entry.Text"}));
}

TEST_F(LiveViewTest, AHiddenControlIsNoNewsUntilItIsShownAgain) {
  window.label.Visible = false;
  view().changes.clear();
  window.label.Caption = u"unseen";
  EXPECT_TRUE(view().changes.empty());
  window.label.Visible = true;
  EXPECT_EQ(view().changes, std::vector<std::string>{"label.Visible"}) << "the view shows all of it again";
}

TEST_F(LiveViewTest, AWindowNotYetShownIsNoNews) {
  ViewLog log;
  Window later(toolkit, "frmLater");
  toolkit.Load(later);
  later.set_view(&log);
  later.label.Caption = u"set by its Form_Load";
  EXPECT_TRUE(log.changes.empty()) << "its view shows the record as it is when the window is shown";
}

// --- Properties that code only reads ---

TEST_F(LiveViewTest, AWriteToAReadOnlyPropertyFailsAndChangesNothing) {
  static_assert(!std::is_assignable_v<decltype(window.list.Text)&, Text>, "a list's Text is the list's own");
  static_assert(!std::is_assignable_v<decltype(window.list.ListCount)&, Integer>);
  EXPECT_FALSE(window.list.ListCount.writable());
  EXPECT_THROW(window.list.ListCount.write_value(Integer{7}), Error);
  EXPECT_EQ(window.list.ListCount.get(), 3);
  EXPECT_THROW(window.list.ListIndex.write_value(Text(u"1")), Error) << "a value of another type";
  EXPECT_EQ(window.list.ListIndex.get(), -1);
  EXPECT_FALSE(window.Visible.writable());
  EXPECT_THROW(window.Visible = false, Error);
  EXPECT_TRUE(window.Visible);
  EXPECT_TRUE(view().changes.empty());
}

TEST(MenuTree, TitlesHoldTheirItemsInOrderWithSeparatorsAndAccessKeys) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  Window window(toolkit);
  ASSERT_EQ(window.menu_bar(), std::vector<Menu*>{&window.file});
  EXPECT_EQ(window.file.items(), (std::vector<Menu*>{&window.spacer, &window.exit}));
  EXPECT_TRUE(window.spacer.is_separator());
  EXPECT_EQ(access_key(window.exit.Caption.get()), u'X');
  EXPECT_EQ(access_key(u"R&&D"), 0);
  EXPECT_EQ(access_key(u"R&&D &go"), u'G') << "the letter after a single ampersand";
  EXPECT_EQ(without_access_marks(u"E&xit && R&&D"), u"Exit & R&D");
}

TEST(AccessibleName, IsTheControlsOwnNameElseItsPromptElseItsCaption) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  Window window(toolkit);
  window.label.Caption = u"Supply Voltage:";
  window.entry.prompt = &window.label;
  EXPECT_EQ(accessible_name_of(window.entry), u"Supply Voltage");
  EXPECT_EQ(accessible_name_of(window.compute), u"Compute");
  window.compute.accessible_name = u"Work it out";
  EXPECT_EQ(accessible_name_of(window.compute), u"Work it out");
}

TEST(SymbolLabel, IsDrawnAndMeasuredInTheWindowsTypefaceAsTheCharactersItStandsFor) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  Window window(toolkit);
  window.font.face = u"Verdana";
  window.label.design({.caption = u"W", .font = {u"Symbol", 12, true}, .auto_size = true});
  EXPECT_EQ(window.label.shown_caption(), u"Ω");
  EXPECT_EQ(window.label.shown_font().face, u"Verdana");
  const Font drawn{u"Verdana", 12, true};
  EXPECT_NE(toolkit.text_width(drawn, u"Ω"), toolkit.text_width(drawn, u"W"));
  EXPECT_EQ(window.label.Width.get(), toolkit.text_width(drawn, u"Ω")) << "sized to the text drawn";
}

struct WebAddressRow {
  const char16_t* command_line;
  const char* opens;  // nullptr: nothing is opened
};

TEST(WebAddress, OnlyExplorerWithOneAbsoluteWebAddressOpensIt) {
  const WebAddressRow rows[] = {
      {u"explorer https://tarvex.example.org/", "https://tarvex.example.org/"},
      {u"explorer http://tarvex.example.org/a?b=c", "http://tarvex.example.org/a?b=c"},
      {u"explorer  https://tarvex.example.org/", nullptr},
      {u"explorer https://tarvex.example.org/ && rm -rf /", nullptr},
      {u"explorer file:///etc/passwd", nullptr},
      {u"explorer https:///path", nullptr},
      {u"explorer https://", nullptr},
      {u"notepad https://tarvex.example.org/", nullptr},
      {u"explorer https://tarvex.example.org/\"x", nullptr},
      {u"explorer https://tarvex.example.org/\nx", nullptr},
  };
  for (const auto& row : rows) {
    const auto opened = web_address_to_open(row.command_line);
    if (row.opens == nullptr) {
      EXPECT_FALSE(opened) << *opened;
    } else {
      EXPECT_EQ(opened.value_or("(nothing)"), row.opens);
    }
  }
}

}  // namespace
}  // namespace tarvex
