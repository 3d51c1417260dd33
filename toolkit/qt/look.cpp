#include "toolkit/qt/look.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include "toolkit/qt/conversions.h"
#include "toolkit/system_colors.h"

namespace tarvex::qt {

namespace {

// Qt names a style it made by the lower-case form of the name it was asked for.
constexpr char kWindowStyle[] = "fusion";

}  // namespace

QStyle* new_window_style() { return QStyleFactory::create(QString::fromLatin1(kWindowStyle)); }

// The style's own light palette, its roles that the design names replaced by the design's colours.
// Every role of every group is then marked as set, so that nothing of a window's palette comes from
// the desktop's (which also gives some kinds of widget a palette of their own).
QPalette window_palette() {
  QPalette palette = QApplication::style()->standardPalette();
  const auto set = [&palette](QPalette::ColorRole role, Color colour) { palette.setColor(role, to_qcolor(colour)); };
  set(QPalette::Window, kButtonFace);
  set(QPalette::WindowText, kWindowText);
  set(QPalette::Base, kWindowBackground);
  set(QPalette::AlternateBase, kButtonFace);
  set(QPalette::Text, kWindowText);
  set(QPalette::PlaceholderText, kGrayText);
  set(QPalette::Button, kButtonFace);
  set(QPalette::ButtonText, kButtonText);
  set(QPalette::Light, kHighlight3D);
  set(QPalette::Midlight, kLight3D);
  set(QPalette::Mid, kShadow3D);
  set(QPalette::Dark, kShadow3D);
  set(QPalette::Shadow, kDarkShadow3D);
  set(QPalette::Highlight, kHighlight);
  set(QPalette::HighlightedText, kHighlightText);
  set(QPalette::ToolTipBase, kInfoBackground);
  set(QPalette::ToolTipText, kInfoText);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, to_qcolor(kGrayText));
  }
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto r = static_cast<QPalette::ColorRole>(role);
      if (r != QPalette::NoRole) palette.setBrush(group, r, palette.brush(group, r));
    }
  }
  return palette;
}

void keep_window_look() {
  // The style set before the application exists has no owner: a style named by -style or
  // QT_STYLE_OVERRIDE takes its place as the application starts, and Qt leaves it to us.
  static QPointer<QStyle> set_before_the_application;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    set_before_the_application = new_window_style();
    QApplication::setStyle(set_before_the_application);
    return;
  }
  if (set_before_the_application != nullptr && set_before_the_application != QApplication::style()) {
    delete set_before_the_application;
  }
  if (QApplication::style()->name() != QLatin1String(kWindowStyle)) QApplication::setStyle(new_window_style());
  QToolTip::setPalette(window_palette());
}

}  // namespace tarvex::qt
