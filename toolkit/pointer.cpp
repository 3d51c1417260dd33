#include "toolkit/pointer.h"

#include <utility>

namespace tarvex {

namespace {

bool lies_over(const Control& control, TwipPoint at) {
  const auto& box = static_cast<const Placed&>(control);
  return at.x >= box.Left && at.x < box.Left + box.Width && at.y >= box.Top && at.y < box.Top + box.Height;
}

}  // namespace

Control* painted_control_at(const Form& window, TwipPoint at, PointerUse use) {
  const auto& order = window.paint_order();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const KindTraits& traits = (*it)->traits();
    const bool serves = use == PointerUse::Click ? traits.clickable : traits.shows_tooltip;
    if (traits.painted && serves && (*it)->Visible && lies_over(**it, at)) return *it;
  }
  return nullptr;
}

bool PaintedClick::press(const Form& window, TwipPoint at) {
  pressed_ = painted_control_at(window, at, PointerUse::Click);
  return pressed_ != nullptr;
}

Control* PaintedClick::release(const Form& window, TwipPoint at) {
  Control* released = painted_control_at(window, at, PointerUse::Click);
  const Control* pressed = std::exchange(pressed_, nullptr);
  return released != nullptr && released == pressed ? released : nullptr;
}

}  // namespace tarvex
