#include "toolkit/qt/surface.h"

#include <QFile>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "toolkit/qt/conversions.h"
#include "toolkit/qt/painting.h"
#include "toolkit/qt/raw_picture.h"

namespace tarvex::qt {

Surface::Surface(Form& form, UserInput& input, QWidget* parent)
    : QWidget(parent), form_(&form), input_(input), areas_(form) {
  setObjectName(QStringLiteral("client area"));
  setFixedSize(qRound(to_pixels(form.client_width)), qRound(to_pixels(form.client_height)));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void Surface::repaint_control(const Control& control) { update(to_pixels(areas_.changed(control)).toAlignedRect()); }

Control* Surface::control_at(QPointF point, PointerUse use) const {
  if (form_ == nullptr) return nullptr;
  return painted_control_at(*form_, to_twips(point), use);
}

const QPixmap* Surface::picture_of(const Control& control) {
  if (control.kind() != ControlKind::Image) return nullptr;
  const QString name = QString::fromStdString(static_cast<const Image&>(control).picture);
  auto found = pictures_.find(name);
  if (found == pictures_.end()) {
    QFile file(QStringLiteral(":/images/%1.ppm").arg(name));
    const QImage picture = file.open(QIODevice::ReadOnly) ? read_raw_picture(file.readAll()) : QImage();
    found = pictures_.insert(name, QPixmap::fromImage(picture));
  }
  return &*found;
}

void Surface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QColor background = form_ ? to_qcolor(form_->back_color) : palette().color(QPalette::Window);
  painter.fillRect(event->rect(), background);
  if (form_ == nullptr) return;
  for (const Control* control : controls_to_paint(*form_, to_twips(QRectF(event->rect()))))
    paint_control(painter, *control, picture_of(*control));
}

void Surface::mousePressEvent(QMouseEvent* event) {
  if (form_ != nullptr && event->button() == Qt::LeftButton) {
    click_.press(*form_, to_twips(event->position()));
  } else {
    click_.cancel();
  }
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  Control* clicked = form_ != nullptr && event->button() == Qt::LeftButton
                         ? click_.release(*form_, to_twips(event->position()))
                         : nullptr;
  click_.cancel();
  if (clicked != nullptr) input_.perform(action::Click{*clicked});
}

// A pointing hand where a click opens a link.
void Surface::mouseMoveEvent(QMouseEvent* event) {
  const Control* control = control_at(event->position(), PointerUse::Click);
  if (control != nullptr && !control->link_address.empty()) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

bool Surface::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Control* control = control_at(help->pos(), PointerUse::Tooltip);
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
