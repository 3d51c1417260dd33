#pragma once
// What a person does with mouse and keyboard, as a value: which action, on which control. A front end
// (the headless driver, the Qt view, a Windows view) turns its input into one of these and hands it to
// UserInput, which says whether the window refuses it and otherwise carries it out.
#include <variant>

#include "core/text.h"

namespace tarvex {

class Control;
class Form;

enum class KeyName { Enter, Escape, Tab, ShiftTab, Alt, Space, Up, Down, Left, Right };

struct KeyPress {
  KeyName name;
  char16_t letter = 0;  // with Alt: the access key
};

namespace action {

// Clicks into an editable text box, selects all of its text and types text in its place.
struct Type {
  Control& control;
  Text text;
};
// One keystroke's edit of the focused text box: its text, caret and selection as the user leaves
// them. The view that reports it hears of the change as its own and does not write it back.
struct Edit {
  Control& control;
  Text text;
  Long sel_start;
  Long sel_length;
};
// The user moved the caret or the selection of a text box.
struct Select {
  Control& control;
  Long sel_start;
  Long sel_length;
};
// Gives a control the focus. Moved by the view (a click into a widget, which has moved the focus
// already): when the control takes none, the focus is put back where it was.
struct Focus {
  Control& control;
  bool moved_by_view = false;
};
// A control that takes the focus gets it first; menu items move no focus.
struct Click {
  Control& control;
};
// Opens a list and picks an item; the list gets the focus first. Picking the selected item again
// runs its Click handler again, as a pick from an open list does.
struct Pick {
  Control& control;
  long index;
};
// One click on an arrow of an up-down control: +1 up, -1 down.
struct Spin {
  Control& control;
  int direction;
};
// A key that the window acts on where the focus is now; any other key belongs to the focused widget.
struct Key {
  KeyPress press;
};
// The mouse wheel over a list: each notch away from the user selects the item above.
struct Wheel {
  Control& control;
  int notches_up;
};
// The close box of a window: it closes that window, and only while that window takes input.
struct Close {
  Form& window;
};

}  // namespace action

using UserAction = std::variant<action::Type, action::Edit, action::Select, action::Focus, action::Click, action::Pick,
                                action::Spin, action::Key, action::Wheel, action::Close>;

}  // namespace tarvex
