#pragma once
// What a window's view holds and does alike in every front end that shows windows: the window's
// record, observed from the view's making until the toolkit is done with the window; the user's
// input, where what the user does to the widgets goes; whether the widgets are built yet; the
// toolkit's focus, given to a widget without being reported back; what the wheel and a press of
// the mouse do before any widget sees them; the painted controls' boxes as last painted, and their
// clicks, tooltips and the pointer's shape under the pointer; and the close box.
#include <optional>

#include "toolkit/form.h"
#include "toolkit/user_input.h"
#include "toolkit/view_rules.h"

namespace tarvex {

// What the pointer looks like over a window's client area.
enum class PointerShape { Arrow, PointingHand };

class WindowView : public PropertyObserver {
 public:
  WindowView(Form& form, UserInput& input) : form_(&form), input_(input) { form.set_observer(this); }
  ~WindowView() override { let_go_of_form(); }
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  // The record; nullptr once the toolkit is done with the window.
  Form* form() const { return form_; }
  UserInput& input() const { return input_; }

  // The toolkit's focus, given to a control's widget without reporting it back.
  void give_focus_to(const Control* control) {
    if (control == nullptr) return;
    giving_focus_ = true;
    focus_widget_of(*control);
    giving_focus_ = false;
  }

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
  // The widget of the control takes the focus, if it has a widget and has not the focus already.
  virtual void focus_widget_of(const Control& control) = 0;

  // The widgets are built from the record: what a change repaints is reckoned from here on.
  void mark_built() { painted_.emplace(*form_); }
  // Whether the widgets are built: they are, from the record, when the window is first shown.
  bool built() const { return painted_.has_value(); }
  // A painted control has changed: the box to repaint, in twips, where it was and where it is.
  Bounds repaint_area(const Control& control) { return painted_->changed(control); }

  // The close box asks the toolkit, which unloads the window (or does not).
  void close_asked() {
    if (form_) input_.perform(action::Close{*form_});
  }

  // The toolkit is done with the window (or its record is going away): nothing more is told.
  void let_go_of_form() {
    if (form_) form_->set_observer(nullptr);
    form_ = nullptr;
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
  std::optional<PaintedAreas> painted_;  // from the record when the widgets are built
  PaintedClick click_;
};

}  // namespace tarvex
