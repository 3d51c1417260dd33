#pragma once
// The one seam between the toolkit and a front end that shows windows: the toolkit calls a loaded
// window's view for everything the view must show (each change of the record, the focus, the window
// shown, the window closed), and a ViewMaker makes a view for each window as it is loaded.
#include "toolkit/form.h"

namespace tarvex {

class UserInput;

class WindowView {
 public:
  virtual ~WindowView() = default;

  // The toolkit tells a view of the properties that a dispatch changed once, when the dispatch ends
  // or before it waits on a modal window or message box: one notice per control and property, in the
  // order of their first change, and none for a property that is back at its old value. A write
  // outside any dispatch is told at once. It tells nothing while the window is not shown (the view
  // shows the record as it is when the window is shown), nor of a hidden control other than its
  // Visible (the view shows the whole control again when it becomes visible).
  virtual void property_changed(const PropertyChange& change) = 0;
  // The notices of one delivery (or of one write told at once) are over: a view that gathers work
  // across them, such as the area to repaint, hands it on now.
  virtual void changes_delivered() {}
  // A command's outcome was announced (Form::announce), after the changes it made were delivered.
  virtual void outcome_announced() {}

  // The window is shown, over its owner's view when it has one; a modal window's owner takes no input
  // until it is gone. At the first show the record is as its Form_Load left it, and nothing of it
  // has been told before.
  virtual void show_window(WindowView* /*owner*/, bool /*modal*/) {}
  // The toolkit has given the focus to a control (or taken it back to one the view moved away from).
  virtual void give_focus_to(const Control* /*control*/) {}
  // The toolkit is done with the window (it is unloaded, or its record is going away): nothing more
  // is told, and the view lets go of the record.
  virtual void close_for_toolkit() {}
};

// What a front end implements to show windows: a view for each window as it is loaded, kept by the
// front end until the toolkit hands it back, closed.
class ViewMaker {
 public:
  virtual ~ViewMaker() = default;
  // The view of a window being loaded (before its Form_Load), which hands what the user does to input.
  virtual WindowView& make_view(Form& window, UserInput& input) = 0;
  // The view has been closed: the front end drops it when it may (not within its own messages).
  virtual void drop_view(Form& window, WindowView& view) = 0;
};

}  // namespace tarvex
