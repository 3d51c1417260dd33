#include "drive/qt_hands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "drive/property_text.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/surface.h"

namespace tarvex {

namespace {

Color color_of(QColor pixel) {
  return color_bgr(static_cast<std::uint32_t>(pixel.red()) | static_cast<std::uint32_t>(pixel.green()) << 8 |
                   static_cast<std::uint32_t>(pixel.blue()) << 16);
}

Qt::Key qt_key(KeyPress press) {
  switch (press.name) {
    case KeyName::Enter: return Qt::Key_Return;
    case KeyName::Escape: return Qt::Key_Escape;
    case KeyName::Tab:
    case KeyName::ShiftTab: return Qt::Key_Tab;
    case KeyName::Space: return Qt::Key_Space;
    case KeyName::Up: return Qt::Key_Up;
    case KeyName::Down: return Qt::Key_Down;
    case KeyName::Left: return Qt::Key_Left;
    case KeyName::Right: return Qt::Key_Right;
    case KeyName::Alt: {
      const char16_t c = ascii_upper(press.letter);
      if (c >= u'0' && c <= u'9') return static_cast<Qt::Key>(Qt::Key_0 + (c - u'0'));
      return static_cast<Qt::Key>(Qt::Key_A + (c - u'A'));
    }
  }
  return Qt::Key_unknown;
}

Qt::KeyboardModifiers qt_modifiers(KeyPress press) {
  if (press.name == KeyName::Alt) return Qt::AltModifier;
  if (press.name == KeyName::ShiftTab) return Qt::ShiftModifier;
  return Qt::NoModifier;
}

}  // namespace

void QtHands::settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qt::FormView& QtHands::active_view() {
  Form* window = toolkit_.active_window();
  qt::FormView* view = window ? platform_.view_of(*window) : nullptr;
  if (view == nullptr) throw ScriptError{"no window is on the screen"};
  if (!view->isActiveWindow()) {
    view->activateWindow();
    if (!QTest::qWaitForWindowActive(view, 2000)) throw ScriptError{window->name() + " did not become active"};
  }
  return *view;
}

QWidget& QtHands::widget_of(const Control& control) {
  qt::FormView* view = platform_.view_of(control.form());
  QWidget* widget = view ? view->widget_of(control) : nullptr;
  if (widget == nullptr) throw ScriptError{control.name() + " has no widget"};
  return *widget;
}

void QtHands::click_menu_item(const Menu& item) {
  qt::FormView& view = active_view();
  QMenuBar* bar = view.menu_bar();
  QAction* title = view.action_of(*item.parent);
  QAction* action = view.action_of(item);
  if (bar == nullptr || title == nullptr || action == nullptr) throw ScriptError{item.name() + " is not on a menu bar"};
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
  QMenu* menu = title->menu();
  if (menu == nullptr || !QTest::qWaitForWindowExposed(menu, 2000))
    throw ScriptError{"the menu of " + item.name() + " did not open"};
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
}

void QtHands::click(const Control& control, ClickTarget target) {
  if (target == ClickTarget::PaintedBox) {
    const QPoint centre = qt::to_pixels(static_cast<const Placed&>(control)).center().toPoint();
    QTest::mouseClick(&active_view().surface(), Qt::LeftButton, Qt::NoModifier, centre);
    return;
  }
  QWidget& widget = widget_of(control);
  const QPoint at = target == ClickTarget::LeftEnd ? QPoint(6, widget.height() / 2) : widget.rect().center();
  QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
}

void QtHands::give_focus(const Control& control, bool by_mouse) {
  widget_of(control).setFocus(by_mouse ? Qt::MouseFocusReason : Qt::OtherFocusReason);
}

void QtHands::select_all(const Control& box) { QTest::keyClick(&widget_of(box), Qt::Key_A, Qt::ControlModifier); }

void QtHands::erase(const Control& box) {
  auto& edit = static_cast<QLineEdit&>(widget_of(box));
  if (!edit.text().isEmpty()) QTest::keyClick(&edit, Qt::Key_Delete);
}

void QtHands::type_key(const Control& box, char16_t c) { QTest::keyClick(&widget_of(box), static_cast<char>(c)); }

// As an input method commits it.
void QtHands::bring_in_whole(const Control& box, const Text& text) {
  QInputMethodEvent commit;
  commit.setCommitString(qt::to_qstring(text));
  QApplication::sendEvent(&widget_of(box), &commit);
}

void QtHands::pick(const Control& list, long index) {
  QWidget& widget = widget_of(list);
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    // In the open list, the keys a user would press: to the top, down to the item, Enter. (A mouse
    // release straight after the opening click is taken for part of that click, not a pick.)
    QAbstractItemView* items = combo->view();
    if (!QTest::qWaitForWindowExposed(items->window(), 2000)) throw ScriptError{list.name() + " did not open"};
    QTest::keyClick(items, Qt::Key_Home);
    for (long step = 0; step < index; ++step) QTest::keyClick(items, Qt::Key_Down);
    QTest::keyClick(items, Qt::Key_Return);
  } else if (auto* box = qobject_cast<QListWidget*>(&widget)) {
    QListWidgetItem* item = box->item(static_cast<int>(index));
    box->scrollToItem(item);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, box->visualItemRect(item).center());
  }
}

void QtHands::spin(const Control& arrows, int direction) {
  const auto buttons = widget_of(arrows).findChildren<QToolButton*>();
  if (buttons.size() != 2) throw ScriptError{arrows.name() + " has no arrows"};
  QTest::mouseClick(buttons[direction > 0 ? 0 : 1], Qt::LeftButton);
}

void QtHands::press(KeyPress key) {
  qt::FormView& view = active_view();
  QWidget* target = view.focusWidget() ? view.focusWidget() : &view;
  QTest::keyClick(target, qt_key(key), qt_modifiers(key));
}

void QtHands::close(const Form& window) {
  qt::FormView* view = platform_.view_of(window);
  if (view == nullptr) throw ScriptError{window.name() + " is not on the screen"};
  active_view();
  view->close();
}

void QtHands::shot(const std::string& file) {
  qt::FormView& view = active_view();
  settle();
  if (!view.grab().save(QString::fromStdString(file), "PNG")) throw ScriptError{"cannot write " + file};
}

std::string QtHands::pixel(float x, float y) {
  qt::FormView& view = active_view();
  settle();
  const QImage image = view.surface().grab().toImage();
  const qreal scale = image.devicePixelRatio();
  const QPoint at(static_cast<int>(qt::to_pixels(x) * scale), static_cast<int>(qt::to_pixels(y) * scale));
  if (!image.rect().contains(at)) throw ScriptError{"the point is outside the client area"};
  return format_color(color_of(image.pixelColor(at)));
}

}  // namespace tarvex
