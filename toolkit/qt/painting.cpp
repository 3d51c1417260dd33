#include "toolkit/qt/painting.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPixmapCache>
#include <algorithm>

#include "toolkit/qt/conversions.h"
#include "toolkit/qt/raw_picture.h"
#include "toolkit/view_rules.h"

namespace tarvex::qt {

void draw(QPainter& painter, const Shape& shape) {
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

void draw(QPainter& painter, const Line& line) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(to_qcolor(line.BorderColor), line.border_width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(to_pixels(line.X1), to_pixels(line.Y1)), QPointF(to_pixels(line.X2), to_pixels(line.Y2)));
}

void draw(QPainter& painter, const Label& label) {
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

// The program's pictures are decoded on their first paint and kept in Qt's pixmap cache, known by
// their resource's path.
void draw(QPainter& painter, const Image& image) {
  const QString path = QStringLiteral(":/images/%1.ppm").arg(QString::fromStdString(image.picture));
  QPixmap picture;
  if (!QPixmapCache::find(path, &picture)) {
    QFile file(path);
    picture = QPixmap::fromImage(file.open(QIODevice::ReadOnly) ? read_raw_picture(file.readAll()) : QImage());
    QPixmapCache::insert(path, picture);
  }
  if (picture.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawPixmap(to_pixels(image), picture, picture.rect());
}

}  // namespace tarvex::qt
