#include "toolkit/widget_view.h"

#include <vector>

#include "toolkit/view_changes.h"

namespace tarvex {

// The record as its Form_Load has left it; the toolkit tells nothing of a window before it is shown.
// A control that has never been visible gets no widget. Made from the last control to the first,
// each below those made before it, a later control lies above an earlier one.
void WidgetView::build() {
  make_window();
  if (!form_->menu_bar().empty()) build_menu_bar();
  // (A reversed copy rather than std::views::reverse, which clang 14 cannot compile with GCC 12's
  // library: the fuzz targets build this file with clang.)
  for (Control* control : std::vector(form_->controls().rbegin(), form_->controls().rend())) {
    if (control->traits().windowed && control->Visible) make_noted_widget(*control);
  }
  painted_.emplace(*form_);
  build_accessible();
}

void WidgetView::build_menu_bar() {
  begin_menu_bar();
  for (Menu* title : form_->menu_bar()) {
    add_menu(*title);
    for (Menu* item : title->items()) add_menu_item(*title, *item);
  }
  end_menu_bar();
}

bool WidgetView::make_noted_widget(Control& control) {
  if (!make_widget(control)) return false;
  with_widgets_.insert(&control);
  return true;
}

// A widget made after the window is built goes just below the widget of the next later control that
// has one, so that the later control still lies above it.
void WidgetView::add_widget(Control& control) {
  if (!make_noted_widget(control)) return;
  stack_widget(control, stacking_neighbour(*form_, control, [this](const Control& c) { return has_widget(c); }));
}

void WidgetView::property_changed(const PropertyChange& change) {
  if (!built()) return;
  Control& control = change.control;
  switch (view_task(change, has_widget(control))) {
    case ViewTask::Retitle: retitle(form_->Caption.get()); break;
    case ViewTask::ShowMenu: show_menu(static_cast<const Menu&>(control)); break;
    case ViewTask::ShowTooltip: show_tooltip(control); break;
    case ViewTask::Repaint: repaint_area(painted_->changed(control)); break;
    case ViewTask::Make: add_widget(control); break;
    case ViewTask::ShowAll: show_all_properties(control); break;
    case ViewTask::ShowProperty: show_property(control, change.property.id()); break;
    case ViewTask::Nothing: break;
  }
  accessible_changed(change);
}

void WidgetView::show_window(WindowView* owner, bool modal) {
  if (form_ == nullptr) return;
  if (!built()) build();
  show_on_screen(dynamic_cast<WidgetView*>(owner), modal);
}

void WidgetView::give_focus_to(const Control* control) {
  if (control == nullptr) return;
  giving_focus_ = true;
  focus_widget_of(*control);
  giving_focus_ = false;
}

void WidgetView::close_for_toolkit() {
  let_go_of_form();
  close_window();
}

void WidgetView::let_go_of_form() {
  if (form_ && form_->view() == this) form_->set_view(nullptr);
  form_ = nullptr;
}

}  // namespace tarvex
