#include "toolkit/qt/conversions.h"

#include <QFontDatabase>

#include "toolkit/typefaces.h"

namespace tarvex::qt {

namespace {

// The family that a face of the windows is drawn in here: the face itself where the system has it,
// else the closest sans serif.
QString resolved_family(std::u16string_view face) {
  static DrawnFaces faces(
      [families = QFontDatabase::families()](std::u16string_view family) {
        return families.contains(to_qstring(family), Qt::CaseInsensitive);
      },
      to_text(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()));
  return to_qstring(faces.of(face));
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
