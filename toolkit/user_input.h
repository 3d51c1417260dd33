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

enum class KeyName { Enter, Escape, Tab, ShiftTab, Alt };

struct KeyPress {
  KeyName name;
  char16_t letter = 0;  // with Alt: the access key
};

class UserInput {
 public:
  explicit UserInput(Toolkit& toolkit) : toolkit_(toolkit) {}

  // Nothing when the action was carried out; otherwise the reason the window does not allow it.
  using Refusal = std::optional<std::string>;

  // Clicks into an editable text box, selects all of its text and types text in its place.
  Refusal type(Control& control, const Text& text);
  Refusal focus(Control& control);
  // A control that takes the focus gets it first; menu items move no focus.
  Refusal click(Control& control);
  // Opens a list and picks an item; the list gets the focus first. Picking the selected item
  // again runs its Click handler again, as a pick from an open list does.
  Refusal pick(Control& control, long index);
  // One click on an arrow of an up-down control: +1 up, -1 down.
  Refusal spin(Control& control, int direction);
  Refusal key(KeyPress press);
  // Closes the active window with its close box.
  Refusal close();

 private:
  Refusal check_reachable(const Control& control) const;
  void press(Control& control);
  void tab(int direction);

  Toolkit& toolkit_;
};

}  // namespace tarvex
