#pragma once
// The controls that a window paints on its client area rather than showing as widgets (shapes,
// lines, labels, pictures), once for every front end: how far each reaches, what a change repaints,
// which of them a paint of an area draws, and the box a shape fills.
#include <map>
#include <vector>

#include "toolkit/form.h"

namespace tarvex {

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

// The box a shape fills, in twips: a square or a circle is the largest one centred in its control's
// box, every other shape fills the box.
Bounds shape_box(const Shape& shape);

}  // namespace tarvex
