#pragma once
// Views without a window system: each does what a front end's view does for the toolkit (widget_view.h)
// with nothing on a screen, so that a headless run of the windows goes the same way as one on Qt or
// Windows: every windowed control has a widget of nothing.
#include <memory>
#include <vector>

#include "toolkit/widget_view.h"

namespace tarvex {

class HeadlessView : public WidgetView {
 public:
  using WidgetView::WidgetView;

 protected:
  void make_window() override {}
  bool make_widget(Control&) override { return true; }
  void stack_widget(const Control&, const Control*) override {}
  void show_property(const Control&, PropertyId) override {}
  void show_all_properties(const Control&) override {}
  void retitle(const Text&) override {}
  void repaint_area(Bounds) override {}
  void begin_menu_bar() override {}
  void add_menu(Menu&) override {}
  void add_menu_item(const Menu&, Menu&) override {}
  void show_menu(const Menu&) override {}
  void show_on_screen(WidgetView*, bool) override {}
  void close_window() override {}
  void focus_widget_of(const Control&) override {}
};

class HeadlessViews : public ViewMaker {
 public:
  WindowView& make_view(Form& window, UserInput& input) override;
  // A view is deleted at the next making, outside whatever call of its own closed it.
  void drop_view(Form&, WindowView&) override {}

 private:
  std::vector<std::unique_ptr<HeadlessView>> views_;
};

}  // namespace tarvex
