#include "toolkit/qt/painting.h"

#include <QFontMetricsF>
#include <algorithm>

#include "toolkit/qt/conversions.h"
#include "toolkit/view_rules.h"

namespace tarvex::qt {

namespace {

void paint_shape(QPainter& painter, const Shape& shape) {
  const QRectF box = to_pixels(shape_box(shape));
  // The border lies inside the box, as wide as it says.
  const qreal border = shape.has_border ? shape.border_width : 0;
  const QRectF inside = box.adjusted(border / 2, border / 2, -border / 2, -border / 2);
  painter.setPen(shape.has_border
                     ? QPen(to_qcolor(shape.BorderColor), border, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                     : QPen(Qt::NoPen));
  painter.setBrush(to_qcolor(shape.FillColor));
  switch (shape.shape) {
    case ShapeKind::Oval:
    case ShapeKind::Circle:
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.drawEllipse(inside);
      break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
      painter.setRenderHint(QPainter::Antialiasing, true);
      const qreal radius = std::min(box.width(), box.height()) / 4;
      painter.drawRoundedRect(inside, radius, radius);
      break;
    }
    default:
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.drawRect(inside);
      break;
  }
}

void paint_line(QPainter& painter, const Line& line) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(to_qcolor(line.BorderColor), line.border_width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(to_pixels(line.X1), to_pixels(line.Y1)), QPointF(to_pixels(line.X2), to_pixels(line.Y2)));
}

void paint_label(QPainter& painter, const Label& label) {
  const QRectF box = to_pixels(label);
  if (label.paints_background()) painter.fillRect(box, to_qcolor(label.back_color()));
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QFont font = to_qfont(label.shown_font());
  painter.setFont(font);
  painter.setPen(label.enabled() ? to_qcolor(label.ForeColor) : QColor(Qt::gray));
  const Text caption = label.shown_caption();
  if (!label.word_wrap) {
    painter.drawText(box, to_qt_alignment(label.alignment) | Qt::AlignTop, to_qstring(caption));
    return;
  }
  const QFontMetricsF metrics(font);
  const auto width_of = [&](std::u16string_view text) {
    return static_cast<float>(metrics.horizontalAdvance(to_qstring(text)));
  };
  QRectF line_box(box.left(), box.top(), box.width(), metrics.lineSpacing());
  for (const Text& line : lines_broken_at_blanks(caption, static_cast<float>(box.width()), width_of)) {
    painter.drawText(line_box, to_qt_alignment(label.alignment) | Qt::AlignTop, to_qstring(line));
    line_box.translate(0, metrics.lineSpacing());
  }
}

}  // namespace

void paint_control(QPainter& painter, const Control& control, const QPixmap* picture) {
  painter.save();
  switch (control.kind()) {
    case ControlKind::Shape: paint_shape(painter, static_cast<const Shape&>(control)); break;
    case ControlKind::Line: paint_line(painter, static_cast<const Line&>(control)); break;
    case ControlKind::Label: paint_label(painter, static_cast<const Label&>(control)); break;
    case ControlKind::Image:
      if (picture != nullptr && !picture->isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawPixmap(to_pixels(static_cast<const Placed&>(control)), *picture, picture->rect());
      }
      break;
    default: break;
  }
  painter.restore();
}

}  // namespace tarvex::qt
