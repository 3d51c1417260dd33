#include "toolkit/qt/conversions.h"

#include <QFontDatabase>
#include <QHash>

namespace tarvex::qt {

namespace {

// The family that a face of the windows is drawn in here: the face itself where the system has it,
// else the closest sans serif.
QString resolved_family(std::u16string_view face) {
  static QHash<QString, QString> resolved;
  const QString wanted = to_qstring(face);
  auto found = resolved.constFind(wanted);
  if (found != resolved.constEnd()) return *found;
  const QStringList families = QFontDatabase::families();
  const Text drawn = drawn_face(
      face, [&](std::u16string_view family) { return families.contains(to_qstring(family), Qt::CaseInsensitive); });
  return *resolved.insert(
      wanted, drawn.empty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : to_qstring(drawn));
}

}  // namespace

QFont to_qfont(const Font& font) {
  QFont qfont(resolved_family(font.face));
  qfont.setPixelSize(font_pixels(font.size));
  qfont.setBold(font.bold);
  qfont.setHintingPreference(QFont::PreferNoHinting);
  return qfont;
}

}  // namespace tarvex::qt
