#pragma once
// A window's client area: it paints the window's labels, shapes, lines and pictures in their paint
// order and passes clicks on them to the topmost one under the pointer. The windowed controls are
// its child widgets, above everything it paints.
#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "toolkit/form.h"
#include "toolkit/user_input.h"
#include "toolkit/view_rules.h"

namespace tarvex::qt {

class Surface : public QWidget {
 public:
  Surface(Form& form, UserInput& input, QWidget* parent);

  // The control has changed: repaints where it was and where it is now, and nothing else.
  void repaint_control(const Control& control);
  // The topmost painted control at a point (pixels) for a click or a tooltip, or nullptr.
  Control* control_at(QPointF point, PointerUse use) const;
  void detach() { form_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const QPixmap* picture_of(const Control& control);

  Form* form_;
  UserInput& input_;
  PaintedAreas areas_;
  QHash<QString, QPixmap> pictures_;
  PaintedClick click_;
};

}  // namespace tarvex::qt
