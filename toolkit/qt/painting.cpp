#include "toolkit/qt/painting.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPixmapCache>

#include "toolkit/qt/conversions.h"
#include "toolkit/qt/raw_picture.h"

namespace tarvex::qt {

namespace {

QRectF to_qrect(const PixelBox& box) { return {box.left, box.top, box.width, box.height}; }

void draw_shape(QPainter& painter, const ShapeDrawing& shape) {
  const qreal border = shape.outline ? shape.outline_width : 0;
  const QRectF inside = to_qrect(shape.box).adjusted(border / 2, border / 2, -border / 2, -border / 2);
  painter.setPen(shape.outline ? QPen(to_qcolor(*shape.outline), border, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                               : QPen(Qt::NoPen));
  painter.setBrush(to_qcolor(shape.fill));
  painter.setRenderHint(QPainter::Antialiasing, shape.figure != Figure::Rectangle);
  switch (shape.figure) {
    case Figure::Ellipse: painter.drawEllipse(inside); break;
    case Figure::RoundedRectangle: painter.drawRoundedRect(inside, shape.corner_radius, shape.corner_radius); break;
    case Figure::Rectangle: painter.drawRect(inside); break;
  }
}

void draw_line(QPainter& painter, const LineDrawing& line) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(to_qcolor(line.colour), line.width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

void draw_text(QPainter& painter, const TextDrawing& text) {
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setFont(to_qfont(text.font));
  painter.setPen(to_qcolor(text.colour));
  painter.drawText(to_qrect(text.box), to_qt_alignment(text.alignment) | Qt::AlignTop, to_qstring(text.text));
}

// The program's pictures are decoded on their first paint and kept in Qt's pixmap cache, known by
// their resource's path.
void draw_picture(QPainter& painter, const PictureDrawing& drawn) {
  const QString path = QStringLiteral(":/images/%1.ppm").arg(QString::fromStdString(drawn.picture));
  QPixmap picture;
  if (!QPixmapCache::find(path, &picture)) {
    QFile file(path);
    picture = QPixmap::fromImage(file.open(QIODevice::ReadOnly) ? read_raw_picture(file.readAll()) : QImage());
    QPixmapCache::insert(path, picture);
  }
  if (picture.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawPixmap(to_qrect(drawn.box), picture, picture.rect());
}

}  // namespace

void draw(QPainter& painter, const Primitive& primitive) {
  painter.save();
  std::visit(
      [&painter](const auto& drawn) {
        using Kind = std::decay_t<decltype(drawn)>;
        if constexpr (std::is_same_v<Kind, ShapeDrawing>) draw_shape(painter, drawn);
        if constexpr (std::is_same_v<Kind, LineDrawing>) draw_line(painter, drawn);
        if constexpr (std::is_same_v<Kind, TextDrawing>) draw_text(painter, drawn);
        if constexpr (std::is_same_v<Kind, PictureDrawing>) draw_picture(painter, drawn);
      },
      primitive);
  painter.restore();
}

const TextMeasure& text_measure() {
  static const TextMeasure measure{
      [](const Font& font, std::u16string_view text) {
        return static_cast<float>(QFontMetricsF(to_qfont(font)).horizontalAdvance(to_qstring(text)));
      },
      [](const Font& font) { return static_cast<float>(QFontMetricsF(to_qfont(font)).lineSpacing()); }};
  return measure;
}

}  // namespace tarvex::qt
