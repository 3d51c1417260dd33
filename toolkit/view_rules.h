#pragma once
// The rules that a window on the screen follows, written once for every front end as plain functions
// of the records: what a delivered change asks of a window's view, which part of a widget shows a
// property, which windowed control a new one stacks below, what a change repaints and a paint draws,
// which painted control lies under the pointer, when a press and a release make a click, the mark of
// a button, which choice in a list is a pick, and where a wrapping caption breaks. A front end keeps
// only the calls to its own widgets.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/user_action.h"

namespace tarvex {

// What the view of a shown window does for one change that the toolkit delivers.
enum class ViewTask {
  Nothing,
  Retitle,       // the window's caption
  ShowMenu,      // a menu title or item: its caption, whether it is enabled or visible
  ShowTooltip,   // a control's tooltip, which changes nothing drawn
  Repaint,       // a painted control: where it was and where it is now
  Make,          // a windowed control without a widget, visible now: its widget is made
  ShowAll,       // a windowed control visible again: all of it, as nothing was told while it was hidden
  ShowProperty,  // the one property, in the control's widget
};
ViewTask view_task(const PropertyChange& change, bool has_widget);

// The part of a windowed control's widget that shows a record property. The four properties of the
// geometry are one part: a widget is placed once, not once for each.
enum class WidgetPart {
  None,
  Geometry,
  Visible,
  Enabled,
  Tooltip,
  Text,
  Selection,  // a text box's caret and selection
  TextColour,
  ListIndex,
  Caption,
  Value,       // a check box's or an option button's mark
  SpinRange,   // the spin control's value and its bounds
  StatusText,  // the last part
};
WidgetPart widget_part(ControlKind kind, PropertyId property);
// Each part of a control's widget once, in the order of the parts: the geometry first, so that a
// widget is placed before it is shown (shown unplaced, it would first be sized to its contents).
std::vector<WidgetPart> widget_parts(const Control& control);

// The windowed control that a new widget goes just below, so that a later control lies above an
// earlier one also when the earlier one gets its widget later: the first control after it in the
// window that has a widget. nullptr: none has, it goes on top.
const Control* stacking_neighbour(const Form& window, const Control& added,
                                  const std::function<bool(const Control&)>& has_widget);

// Everything a painted control may paint, in twips: its box, or the box of a line's ends, with a
// margin of pixels for a line's width, an italic overhang or a descender. What is repainted, where
// it was and where it is, when it changes; nothing for a control that is not painted.
Bounds painted_bounds(const Control& control);

// The painted controls' boxes as last painted, so that a change repaints where a control was and
// where it is now, and nothing else.
class PaintedAreas {
 public:
  explicit PaintedAreas(const Form& window);
  // The control has changed: the box to repaint, in twips, which holds its box before and now.
  Bounds changed(const Control& control);

 private:
  std::map<const Control*, Bounds> areas_;
};

// The visible painted controls that may paint in an area of the client area (twips), in the
// window's paint order: what a paint of that area draws.
std::vector<const Control*> controls_to_paint(const Form& window, Bounds area);

// A paint of an area: hands each control that it draws (controls_to_paint) to draw as what it is, a
// Shape, a Line, a Label or an Image, for the front end's drawing of that kind.
template <class Draw>
void draw_painted_controls(const Form& window, Bounds area, Draw&& draw) {
  for (const Control* control : controls_to_paint(window, area)) {
    switch (control->kind()) {
      case ControlKind::Shape: draw(static_cast<const Shape&>(*control)); break;
      case ControlKind::Line: draw(static_cast<const Line&>(*control)); break;
      case ControlKind::Label: draw(static_cast<const Label&>(*control)); break;
      case ControlKind::Image: draw(static_cast<const Image&>(*control)); break;
      default: break;
    }
  }
}

// How many items an open drop-down list shows at once.
inline constexpr int kOpenListItems = 10;

// The mark a check box or an option button shows: a check box's Value 1 is checked and 2 greyed, an
// option button is checked while its Value is True.
enum class CheckMark { Clear, Checked, Greyed };
CheckMark check_mark(const Control& control);

// Whether the user's choice of an item in a list is a pick: any item of a drop-down list, even the
// selected one again; in a list box, an item other than the selected one.
bool is_pick(const ListControl& list, long index);

// The box a shape fills, in twips: a square or a circle is the largest one centred in its control's
// box, every other shape fills the box.
Bounds shape_box(const Shape& shape);

// A point of a window's client area, in twips.
struct TwipPoint {
  float x = 0, y = 0;
};

// What the pointer is over a painted control for: a click lands on labels and pictures; a resting
// pointer brings up the tooltip of those and of shapes too. A line is too thin for either.
enum class PointerUse { Click, Tooltip };
// The topmost visible painted control at the point for that use, or nullptr.
Control* painted_control_at(const Form& window, TwipPoint at, PointerUse use);

// A click on a painted control is a press and a release of the left button on the same control, as
// the windows count it.
class PaintedClick {
 public:
  // The left button goes down; true when it is over a control that takes clicks.
  bool press(const Form& window, TwipPoint at);
  // The left button comes up: the control clicked, or nullptr.
  Control* release(const Form& window, TwipPoint at);
  // Another button went down, or the window let go of the pointer: no click is under way.
  void cancel() { pressed_ = nullptr; }

 private:
  const Control* pressed_ = nullptr;
};

// A key as a front end reads it: one of the keys the window may act on (none for any other), the
// key's code, and the modifiers held. Qt's and Windows' codes of the letter and digit keys are both
// their ASCII upper case, which an access key is.
struct KeyStroke {
  std::optional<KeyName> key{};  // Enter, Escape, Tab, Space or an arrow
  long code = 0;
  bool alt = false, shift = false, control = false;
};
// The key that the window may act on: Alt with a letter or digit and nothing else held (an access
// key), Tab with or without Shift, and the other keys with no modifier at all.
std::optional<KeyPress> key_press_of(const KeyStroke& stroke);

// The face that a typeface of the windows is drawn in: the face itself where the system has it, else
// the first it has of the sans serifs closest to Verdana and MS Sans Serif; empty where it has none
// of them either, for the system's own face.
std::u16string drawn_face(std::u16string_view wanted, const std::function<bool(std::u16string_view)>& system_has);

// The faces drawn for the typefaces of the windows, each chosen once for the run (drawn_face), as
// asking the system costs a look through its fonts; the system's own face where it has none.
class DrawnFaces {
 public:
  DrawnFaces(std::function<bool(std::u16string_view)> system_has, std::u16string system_face)
      : system_has_(std::move(system_has)), system_face_(std::move(system_face)) {}
  const std::u16string& of(std::u16string_view wanted);

 private:
  std::function<bool(std::u16string_view)> system_has_;
  std::u16string system_face_;
  std::map<std::u16string, std::u16string, std::less<>> chosen_;
};

// A wrapping caption breaks its lines at blanks only, as the windows always have: a web address in a
// caption stays whole on its line. A line takes words while it is no wider than `width` by the front
// end's own measure (a word wider than that has a line of its own); the blanks at the ends of a line
// are not drawn and not measured.
std::vector<std::u16string> lines_broken_at_blanks(std::u16string_view text, float width,
                                                   const std::function<float(std::u16string_view)>& width_of);

}  // namespace tarvex
