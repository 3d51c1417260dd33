#pragma once
// A window's view made of a front end's widgets, alike in every front end that shows windows: it
// holds the window's record from the view's making until the toolkit is done with the window, and
// the user's input, where what the user does to the widgets goes. Everything the toolkit asks of the
// view (window_view.h) is carried out here, once, over a handful of verbs that each front end
// implements with its own widgets: make the window and its client area, make a widget, stack it,
// show one of its properties, retitle, repaint an area, build the menu bar title by title and item
// by item, show a menu, show a tooltip, show the window on the screen, close it, and give a widget
// the focus. So the change a delivery asks for, the building of a window with the stacking of its
// widgets and the walk over its menus are decided in one place. Here too: whether the widgets are
// built yet; the toolkit's focus, given to a widget without being reported back; what the wheel and
// a press of the mouse do before any widget sees them; the painted controls' boxes as last painted,
// and their clicks, tooltips and the pointer's shape under the pointer; and the close box.
#include <optional>
#include <set>

#include "toolkit/form.h"
#include "toolkit/painted_controls.h"
#include "toolkit/pointer.h"
#include "toolkit/user_input.h"
#include "toolkit/window_view.h"

namespace tarvex {

// What the pointer looks like over a window's client area.
enum class PointerShape { Arrow, PointingHand };

class WidgetView : public WindowView {
 public:
  WidgetView(Form& form, UserInput& input) : form_(&form), input_(input) {}
  ~WidgetView() override { let_go_of_form(); }
  WidgetView(const WidgetView&) = delete;
  WidgetView& operator=(const WidgetView&) = delete;

  // The record; nullptr once the toolkit is done with the window.
  Form* form() const { return form_; }
  UserInput& input() const { return input_; }

  // What the toolkit asks of the view.
  void property_changed(const PropertyChange& change) override;
  // Built from the record when first shown.
  void show_window(WindowView* owner, bool modal) override;
  void give_focus_to(const Control* control) override;
  void close_for_toolkit() override;

  // The topmost visible painted control at a point of the client area for that use, or nullptr.
  Control* painted_at(TwipPoint at, PointerUse use) const {
    return form_ ? painted_control_at(*form_, at, use) : nullptr;
  }
  // A pointing hand where a click opens a link, the arrow elsewhere.
  PointerShape pointer_at(TwipPoint at) const {
    const Control* control = painted_at(at, PointerUse::Click);
    return control != nullptr && !control->link_address.empty() ? PointerShape::PointingHand : PointerShape::Arrow;
  }
  // A button of the mouse went down over the client area: the left one over a painted control that
  // takes clicks starts a click on it (true); any other button ends the click under way.
  bool button_down(bool left, TwipPoint at) {
    if (left) return form_ != nullptr && click_.press(*form_, at);
    click_.cancel();
    return false;
  }
  // A button came up: the left one over the control that it went down on clicks it; any other ends
  // the click under way.
  void button_up(bool left, TwipPoint at) {
    Control* clicked = left && form_ ? click_.release(*form_, at) : nullptr;
    click_.cancel();
    if (clicked != nullptr) input_.perform(action::Click{*clicked});
  }

 protected:
  // --- The verbs each front end implements ---
  // The window itself, with its caption, look and client area, but no menus and no widgets yet.
  virtual void make_window() = 0;
  // A windowed control's widget, placed and showing its record, below every widget made before it;
  // false when the control has no widget of its own.
  virtual bool make_widget(Control& control) = 0;
  // The control's widget goes just below the widget of above, or on top of all with no above.
  virtual void stack_widget(const Control& control, const Control* above) = 0;
  // One property of a control, or all of it, in its widget.
  virtual void show_property(const Control& control, PropertyId property) = 0;
  virtual void show_all_properties(const Control& control) = 0;
  // A control's tooltip: a property of its widget, where the front end keeps no tooltips of its own;
  // a painted control's is read from the record when the pointer comes to rest on it.
  virtual void show_tooltip(const Control& control) {
    if (has_widget(control)) show_property(control, PropertyId::ToolTipText);
  }
  virtual void retitle(const Text& caption) = 0;
  // An area of the client area, in twips, is to be painted anew.
  virtual void repaint_area(Bounds area) = 0;
  // The menu bar, built afresh: begun empty, then each title and each of its items in order (each
  // showing its caption, whether it is enabled and whether it is visible), and finished.
  virtual void begin_menu_bar() = 0;
  virtual void add_menu(Menu& title) = 0;
  virtual void add_menu_item(const Menu& title, Menu& item) = 0;
  virtual void end_menu_bar() {}
  // A title or an item of the menu bar has changed.
  virtual void show_menu(const Menu& menu) = 0;
  // The window appears (over its owner's, when it has one) and takes the input.
  virtual void show_on_screen(WidgetView* owner, bool modal) = 0;
  // The window goes from the screen; the record is already let go of.
  virtual void close_window() = 0;
  // The widget of the control takes the focus, if it has a widget and has not the focus already.
  virtual void focus_widget_of(const Control& control) = 0;
  // What assistive technology is given: made once the widgets are built, and told of each change.
  virtual void build_accessible() {}
  virtual void accessible_changed(const PropertyChange& /*change*/) {}

  // --- For the front ends ---
  // Whether the widgets are built: they are, from the record, when the window is first shown.
  bool built() const { return painted_.has_value(); }
  bool has_widget(const Control& control) const { return with_widgets_.contains(&control); }
  // The walk over the window's menu bar, title by title and item by item, with the verbs above.
  void build_menu_bar();

  // The toolkit is done with the window (or its record is going away): nothing more is told.
  void let_go_of_form();

  // The close box asks the toolkit, which unloads the window (or does not).
  void close_asked() {
    if (form_) input_.perform(action::Close{*form_});
  }

  // The wheel turned over a control by delta, in the 120ths of a notch that the systems report: a
  // list steps through its items a whole notch at a time and keeps the turn (true); any other
  // control leaves it to its widget.
  bool wheel_turned(Control& control, int delta) {
    if (!control.traits().list) return false;
    if (const int notches = delta / 120; notches != 0) input_.perform(action::Wheel{control, notches});
    return true;
  }

  // A press of the mouse that moves the focus into a text box is spent on the focus: the box keeps
  // the selection that its focus handler made, rather than a caret where the pointer fell.
  static bool press_spent_on_focus(const Control& pressed, bool moves_focus) {
    return moves_focus && pressed.kind() == ControlKind::TextBox;
  }

  Form* form_;
  UserInput& input_;
  bool giving_focus_ = false;  // the focus that a widget takes meanwhile is the toolkit's own

 private:
  // The window, its menus and the widgets of its visible windowed controls, from the record.
  void build();
  // A windowed control's widget made (make_widget), noted; false when it has none.
  bool make_noted_widget(Control& control);
  // A windowed control visible for the first time since the window was built.
  void add_widget(Control& control);

  std::optional<PaintedAreas> painted_;  // from the record when the widgets are built
  std::set<const Control*> with_widgets_;
  PaintedClick click_;
};

}  // namespace tarvex
