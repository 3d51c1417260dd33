#pragma once
// What a window's view holds and does alike in every front end that shows windows: the window's
// record, observed from the view's making until the toolkit is done with the window; the user's
// input, where what the user does to the widgets goes; whether the widgets are built yet; the
// toolkit's focus, given to a widget without being reported back; and what the wheel and a press of
// the mouse do before any widget sees them.
#include "toolkit/form.h"
#include "toolkit/user_input.h"

namespace tarvex {

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

 protected:
  // The widget of the control takes the focus, if it has a widget and has not the focus already.
  virtual void focus_widget_of(const Control& control) = 0;

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
  bool built_ = false;         // the widgets are built from the record when the window is first shown
  bool giving_focus_ = false;  // the focus that a widget takes meanwhile is the toolkit's own
};

}  // namespace tarvex
