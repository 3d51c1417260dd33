#include "toolkit/qt/surface.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "toolkit/pointer.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/painting.h"

namespace tarvex::qt {

Surface::Surface(FormView& view) : QWidget(&view), view_(view) {
  setObjectName(QStringLiteral("client area"));
  setFixedSize(qRound(to_pixels(view.form()->client_width)), qRound(to_pixels(view.form()->client_height)));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void Surface::paintEvent(QPaintEvent* event) {
  view_.set_icon_after_first_frame();
  QPainter painter(this);
  const Form* form = view_.form();
  if (form == nullptr) {
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    return;
  }
  // The Qt windows keep the design's colours on every desktop (no contrast theme reaches Qt here).
  for (const Primitive& primitive : drawing_of(*form, to_twips(QRectF(event->rect())), 96, ColourScheme{}, text_measure()))
    draw(painter, primitive);
}

void Surface::mousePressEvent(QMouseEvent* event) {
  view_.button_down(event->button() == Qt::LeftButton, to_twips(event->position()));
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  view_.button_up(event->button() == Qt::LeftButton, to_twips(event->position()));
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  if (view_.pointer_at(to_twips(event->position())) == PointerShape::PointingHand) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

bool Surface::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Control* control = view_.painted_at(to_twips(help->pos()), PointerUse::Tooltip);
    if (control != nullptr && !control->ToolTipText.get().empty()) {
      QToolTip::showText(help->globalPos(), to_qstring(control->ToolTipText.get()), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace tarvex::qt
