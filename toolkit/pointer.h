#pragma once
// What the pointer does over the painted controls of a window, once for every front end: which of
// them lies under it for a click or for a tooltip, and when a press and a release make a click.
#include "toolkit/form.h"

namespace tarvex {

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

}  // namespace tarvex
