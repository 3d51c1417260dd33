#include "toolkit/qt/look.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

#include "toolkit/qt/conversions.h"
#include "toolkit/system_colors.h"

namespace tarvex::qt {

namespace {

// The windows' style: Qt's Fusion, with two changes where it falls short of the windows' controls.
// A closed drop-down list at the windows' widths holds only a short item beside the arrow of most
// styles: "3 Orange" would show as "3 Orang"; here its arrow is narrow and its text runs up to the
// frame, so that every item reads whole without a wider control. A command button shows the
// keyboard's focus with a dotted frame inside it, also where the style marks a default button and a
// focused one alike. It is the whole program's style rather than the lists' and buttons' own: a
// widget given a style of its own is polished twice, and a drop-down list then makes its open list
// at once instead of when first opened.
class WindowStyle : public QProxyStyle {
 public:
  WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    if (control != CC_ComboBox) return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect frame = option->rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const int arrow = qMin(kArrowWidth, frame.width() / 2);
    switch (part) {
      case SC_ComboBoxArrow:
        return visualRect(option->direction, option->rect,
                          QRect(frame.right() + 1 - arrow, option->rect.top(), arrow + kFrame, option->rect.height()));
      case SC_ComboBoxEditField:
        return visualRect(option->direction, option->rect,
                          QRect(frame.left(), frame.top(), frame.width() - arrow, frame.height()));
      default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus) || !(option->state & State_KeyboardFocusChange)) {
      return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    painter->restore();
  }

  static constexpr int kFrame = 1;
  static constexpr int kArrowWidth = 11;
  static constexpr int kFocusInset = 4;
};

}  // namespace

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
    set_before_the_application = new WindowStyle;
    QApplication::setStyle(set_before_the_application);
    return;
  }
  if (set_before_the_application != nullptr && set_before_the_application != QApplication::style()) {
    delete set_before_the_application;
  }
  if (dynamic_cast<WindowStyle*>(QApplication::style()) == nullptr) QApplication::setStyle(new WindowStyle);
  QToolTip::setPalette(window_palette());
}

}  // namespace tarvex::qt
