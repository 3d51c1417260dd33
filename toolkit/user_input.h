#pragma once
// What a person does with mouse and keyboard, on the active window only: each action updates the
// records as the toolkit would (the typed text, the new selection, the focus) and runs the handlers
// that it sets off, through the toolkit's dispatch. Both the headless driver and the Qt front end
// turn their input into these calls.
#include <optional>
#include <string>

#include "core/variant.h"
#include "toolkit/toolkit.h"

namespace tarvex {

enum class KeyName { Enter, Escape, Tab, ShiftTab, Alt, Space, Up, Down, Left, Right };

struct KeyPress {
  KeyName name;
  char16_t letter = 0;  // with Alt: the access key
};

class UserInput {
 public:
  explicit UserInput(Toolkit& toolkit) : toolkit_(toolkit) {}

  // Nothing when the action was carried out; otherwise the reason the window does not allow it.
  // Each check_ function gives the same answer as its action without carrying it out, for a front
  // end that first asks and then delivers the action through its own widgets.
  using Refusal = std::optional<std::string>;

  // Clicks into an editable text box, selects all of its text and types text in its place.
  Refusal type(Control& control, const Text& text);
  Refusal check_type(const Control& control) const;
  // One keystroke's edit of the focused text box: its text, caret and selection as the user leaves
  // them. The view that reports it hears of the change as its own and does not write it back.
  Refusal edit(Control& control, const Text& text, Long sel_start, Long sel_length);
  // The user moved the caret or the selection of the focused text box.
  Refusal select(Control& control, Long sel_start, Long sel_length);

  Refusal focus(Control& control);
  Refusal check_focus(const Control& control) const;
  // The view moved the focus itself (a click into a widget): the toolkit runs the focus handlers, or
  // puts the focus back where it was when the control takes none.
  Refusal focus_moved_by_view(Control& control);

  // A control that takes the focus gets it first; menu items move no focus.
  Refusal click(Control& control);
  Refusal check_click(const Control& control) const;
  // Opens a list and picks an item; the list gets the focus first. Picking the selected item
  // again runs its Click handler again, as a pick from an open list does.
  Refusal pick(Control& control, long index);
  Refusal check_pick(const Control& control, long index) const;
  // One click on an arrow of an up-down control: +1 up, -1 down.
  Refusal spin(Control& control, int direction);
  Refusal check_spin(const Control& control) const;
  // The mouse wheel over a list: each notch away from the user selects the item above.
  Refusal wheel(Control& control, int notches_up);

  Refusal key(KeyPress press);
  Refusal check_key(KeyPress press) const;
  // Whether the window acts on the key where the focus is now; a key it does not take belongs to
  // the focused widget (a space typed into a text box, the caret keys).
  bool takes_key(KeyPress press) const;

  // Closes the active window with its close box.
  Refusal close();
  Refusal check_close() const;

 private:
  Refusal check_reachable(const Control& control) const;
  Refusal check_editable(const Control& control) const;
  void press(Control& control);
  void tab(int direction);
  void step_list(ListControl& list, int delta);
  // The control that a key acts on where the focus is now, or nullptr.
  Control* key_target(KeyPress press) const;

  Toolkit& toolkit_;
};

}  // namespace tarvex
