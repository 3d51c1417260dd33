#pragma once
// A window's client area: it paints the window's labels, shapes, lines and pictures in their paint
// order and passes clicks on them to the topmost one under the pointer. The windowed controls are
// its child widgets, above everything it paints.
#include <QWidget>

namespace tarvex::qt {

class FormView;

class Surface : public QWidget {
 public:
  explicit Surface(FormView& view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  FormView& view_;  // the record and the user input are the view's
};

}  // namespace tarvex::qt
