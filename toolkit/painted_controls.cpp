#include "toolkit/painted_controls.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "toolkit/units.h"

namespace tarvex {

Bounds painted_bounds(const Control& control) {
  if (!control.traits().painted) return {};
  const auto widened = [](float left, float top, float width, float height, float pixels) {
    const float margin = pixels * kTwipsPerPixel;
    return Bounds{left - margin, top - margin, width + 2 * margin, height + 2 * margin};
  };
  if (control.kind() == ControlKind::Line) {
    const auto& line = static_cast<const Line&>(control);
    return widened(std::min(line.X1.get(), line.X2.get()), std::min(line.Y1.get(), line.Y2.get()),
                   std::abs(line.X2.get() - line.X1.get()), std::abs(line.Y2.get() - line.Y1.get()),
                   static_cast<float>(line.border_width + 1));
  }
  const auto& box = static_cast<const Placed&>(control);
  return widened(box.Left, box.Top, box.Width, box.Height, 2);
}

PaintedAreas::PaintedAreas(const Form& window) {
  for (const Control* control : window.paint_order()) areas_[control] = painted_bounds(*control);
}

Bounds PaintedAreas::changed(const Control& control) {
  const Bounds now = painted_bounds(control);
  const Bounds before = std::exchange(areas_[&control], now);
  if (before.width <= 0 || before.height <= 0) return now;
  const float left = std::min(before.left, now.left);
  const float top = std::min(before.top, now.top);
  return {left, top, std::max(before.left + before.width, now.left + now.width) - left,
          std::max(before.top + before.height, now.top + now.height) - top};
}

std::vector<const Control*> controls_to_paint(const Form& window, Bounds area) {
  std::vector<const Control*> painted;
  for (const Control* control : window.paint_order()) {
    const Bounds box = painted_bounds(*control);
    if (control->Visible && box.left < area.left + area.width && area.left < box.left + box.width &&
        box.top < area.top + area.height && area.top < box.top + box.height)
      painted.push_back(control);
  }
  return painted;
}

Bounds shape_box(const Shape& shape) {
  const Bounds box = shape.bounds();
  if (shape.shape != ShapeKind::Square && shape.shape != ShapeKind::Circle && shape.shape != ShapeKind::RoundedSquare)
    return box;
  const float side = std::min(box.width, box.height);
  return {box.left + (box.width - side) / 2, box.top + (box.height - side) / 2, side, side};
}

}  // namespace tarvex
