#pragma once
// The records' values as Qt takes them: texts, colours, twips and typefaces.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "core/color.h"
#include "core/variant.h"
#include "toolkit/control.h"
#include "toolkit/pointer.h"
#include "toolkit/units.h"

namespace tarvex::qt {

inline QString to_qstring(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline Text to_text(const QString& text) { return text.toStdU16String(); }

inline QColor to_qcolor(Color color) {
  const std::uint32_t bgr = bgr_of(color);
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline Qt::Alignment to_qt_alignment(Alignment alignment) {
  return alignment == Alignment::Right    ? Qt::AlignRight
         : alignment == Alignment::Center ? Qt::AlignHCenter
                                          : Qt::AlignLeft;
}

inline qreal to_pixels(float twips) { return pixels_of(twips); }
inline TwipPoint to_twips(QPointF pixels) { return {twips_of(pixels.x()), twips_of(pixels.y())}; }
inline Bounds to_twips(const QRectF& r) {
  return {twips_of(r.x()), twips_of(r.y()), twips_of(r.width()), twips_of(r.height())};
}
inline QRectF to_pixels(Bounds b) {
  return {to_pixels(b.left), to_pixels(b.top), to_pixels(b.width), to_pixels(b.height)};
}
inline QRectF to_pixels(const Placed& c) { return to_pixels(c.bounds()); }

// The font that draws a typeface of the windows, at the pixel size of its point size.
QFont to_qfont(const Font& font);

}  // namespace tarvex::qt
