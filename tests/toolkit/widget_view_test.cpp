// What every front end's view does alike over its verbs (widget_view.h): a window built from its
// record when first shown, its widgets stacked as the controls lie, its menus walked in order, each
// delivered change handed to the one verb it asks for, and a closed view told nothing more.
#include "toolkit/widget_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {
namespace {

// A view whose verbs note what they were asked, one line each.
struct VerbLog : WidgetView {
  using WidgetView::WidgetView;
  std::vector<std::string> verbs;
  void note(std::string line) { verbs.push_back(std::move(line)); }

  void make_window() override { note("window"); }
  bool make_widget(Control& c) override {
    note("make " + c.name());
    return true;
  }
  void stack_widget(const Control& c, const Control* above) override {
    note("stack " + c.name() + " under " + (above ? above->name() : "none"));
  }
  void show_property(const Control& c, PropertyId p) override {
    note("show " + c.name() + "." + std::string(property_name(p)));
  }
  void show_all_properties(const Control& c) override { note("show all " + c.name()); }
  void retitle(const Text&) override { note("retitle"); }
  void repaint_area(Bounds) override { note("repaint"); }
  void begin_menu_bar() override { note("menu bar"); }
  void add_menu(Menu& title) override { note("menu " + title.name()); }
  void add_menu_item(const Menu&, Menu& item) override { note("item " + item.name()); }
  void show_menu(const Menu& m) override { note("show menu " + m.name()); }
  void show_on_screen(WidgetView* owner, bool modal) override {
    note(std::string("on screen") + (owner ? " owned" : "") + (modal ? " modal" : ""));
  }
  void close_window() override { note("close"); }
  void focus_widget_of(const Control& c) override { note("focus " + c.name()); }
  void build_accessible() override { note("accessible"); }
};

struct Window : Form {
  explicit Window(Toolkit& toolkit) : Form(toolkit, "frmTest") {
    file.Caption.set_initial(u"&File");
    exit.Caption.set_initial(u"E&xit");
    help.Caption.set_initial(u"&Help");
    hidden.Visible.set_initial(false);
    label.place({0, 0, 300, 300});
    set_tab_order({&first, &hidden, &last});
    set_paint_order({&label});
  }
  TextBox first{*this, "first"};
  TextBox hidden{*this, "hidden"};
  Label label{*this, "label"};
  CommandButton last{*this, "last"};
  Menu file{*this, "file"};
  Menu exit{*this, "exit", &file};
  Menu help{*this, "help"};
};

TEST(WidgetView, BuildsAtTheFirstShowWidgetsLastFirstMenusInOrderAndStacksALaterWidgetBelowTheNextOne) {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  UserInput input{toolkit};
  Window window{toolkit};
  VerbLog view(window, input);
  window.set_view(&view);
  toolkit.Load(window);
  window.first.Text = u"told before the show";
  EXPECT_TRUE(view.verbs.empty()) << "nothing is built or told before the window is shown";

  toolkit.Show(window);
  EXPECT_EQ(view.verbs, (std::vector<std::string>{"window", "menu bar", "menu file", "item exit", "menu help",
                                                  "make last", "make first", "accessible", "on screen", "focus first"}))
      << "a hidden control gets no widget; each widget goes below those made before it";

  view.verbs.clear();
  toolkit.dispatch([&] {
    window.hidden.Visible = true;
    window.Caption = u"Test";
    window.exit.Enabled = false;
    window.label.Caption = u"painted";
    window.first.ToolTipText = u"tip";
    window.last.Left = 60;
  });
  EXPECT_EQ(view.verbs, (std::vector<std::string>{"make hidden", "stack hidden under last", "retitle", "show menu exit",
                                                  "repaint", "show first.ToolTipText", "show last.Left"}));
  view.verbs.clear();
  window.hidden.Visible = false;
  window.hidden.Visible = true;
  EXPECT_EQ(view.verbs, (std::vector<std::string>{"show hidden.Visible", "show all hidden"}))
      << "a widget made once is shown again, not made anew";

  view.verbs.clear();
  ASSERT_FALSE(input.perform(action::Edit{window.first, u"typed", 5, 0}));
  EXPECT_EQ(view.verbs, std::vector<std::string>{}) << "the user's own edit is not written back";

  toolkit.Unload(window);
  EXPECT_EQ(view.verbs, std::vector<std::string>{"close"});
  EXPECT_EQ(view.form(), nullptr);
  EXPECT_EQ(window.view(), nullptr);
}

}  // namespace
}  // namespace tarvex
