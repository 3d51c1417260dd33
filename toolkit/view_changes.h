#pragma once
// What a change the toolkit delivers asks of a window's view, written once for every front end as
// plain functions of the records: the view's task for the change, which part of a windowed control's
// widget shows a property, and which windowed control a new widget stacks below. A front end keeps
// only the calls to its own widgets.
#include <functional>
#include <vector>

#include "toolkit/form.h"

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

}  // namespace tarvex
