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
#include <cstdio>
#include <variant>

#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/surface.h"

namespace tarvex {

namespace {

QPoint centre_of(const QRectF& r) { return r.center().toPoint(); }

// Plain ASCII goes in key by key; anything else (accents, symbols, control characters, long texts)
// goes in as an input method commits it.
bool types_key_by_key(const Text& text) {
  if (text.size() > 80) return false;
  for (char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
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
      const char16_t c = press.letter >= u'a' && press.letter <= u'z' ? press.letter - u'a' + u'A' : press.letter;
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

void QtHands::perform(const UserAction& action) {
  std::visit([this](const auto& a) { deliver(a); }, action);
  settle();
}

void QtHands::deliver(const action::Type& a) {
  const Text& text = a.text;
  active_view();
  auto& edit = static_cast<QLineEdit&>(widget_of(a.control));
  QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, edit.rect().center());
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  if (text.empty()) {
    if (!edit.text().isEmpty()) QTest::keyClick(&edit, Qt::Key_Delete);
  } else if (types_key_by_key(text)) {
    QTest::keyClicks(&edit, qt::to_qstring(text));
  } else {
    QInputMethodEvent commit;
    commit.setCommitString(qt::to_qstring(text));
    QApplication::sendEvent(&edit, &commit);
  }
}

void QtHands::deliver(const action::Focus& a) {
  active_view();
  widget_of(a.control).setFocus(Qt::OtherFocusReason);
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

// Labels and pictures are painted: the click lands on the window's client area, over the control.
void QtHands::click_painted(const Control& control) {
  qt::FormView& view = active_view();
  QTest::mouseClick(&view.surface(), Qt::LeftButton, Qt::NoModifier,
                    centre_of(qt::to_pixels(static_cast<const Placed&>(control))));
}

void QtHands::deliver(const action::Click& a) {
  Control& control = a.control;
  switch (control.kind()) {
    case ControlKind::Menu: click_menu_item(static_cast<const Menu&>(control)); break;
    case ControlKind::Label:
    case ControlKind::Image: click_painted(control); break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      // A click on a closed list opens it; what the user does next is a pick or nothing, so here
      // the click gives the focus only, as the click of a list that closes again at once.
      active_view();
      widget_of(control).setFocus(Qt::MouseFocusReason);
      break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
      active_view();
      QWidget& button = widget_of(control);
      // On the box or circle itself, which takes the click whatever the caption's length.
      QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button.height() / 2));
      break;
    }
    default: {
      active_view();
      QWidget& widget = widget_of(control);
      QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
      break;
    }
  }
}

void QtHands::deliver(const action::Pick& a) {
  const Control& control = a.control;
  const long index = a.index;
  active_view();
  QWidget& widget = widget_of(control);
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    // In the open list, the keys a user would press: to the top, down to the item, Enter. (A mouse
    // release straight after the opening click is taken for part of that click, not a pick.)
    QAbstractItemView* items = combo->view();
    if (!QTest::qWaitForWindowExposed(items->window(), 2000)) throw ScriptError{control.name() + " did not open"};
    QTest::keyClick(items, Qt::Key_Home);
    for (long step = 0; step < index; ++step) QTest::keyClick(items, Qt::Key_Down);
    QTest::keyClick(items, Qt::Key_Return);
  } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
    QListWidgetItem* item = list->item(static_cast<int>(index));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
  }
}

void QtHands::deliver(const action::Spin& a) {
  active_view();
  const auto arrows = widget_of(a.control).findChildren<QToolButton*>();
  if (arrows.size() != 2) throw ScriptError{a.control.name() + " has no arrows"};
  QTest::mouseClick(arrows[a.direction > 0 ? 0 : 1], Qt::LeftButton);
}

void QtHands::deliver(const action::Key& a) {
  qt::FormView& view = active_view();
  QWidget* target = view.focusWidget() ? view.focusWidget() : &view;
  QTest::keyClick(target, qt_key(a.press), qt_modifiers(a.press));
}

// The close box of the window named, which the toolkit has found to be the active one.
void QtHands::deliver(const action::Close& a) {
  qt::FormView* view = platform_.view_of(a.window);
  if (view == nullptr) throw ScriptError{a.window.name() + " is not on the screen"};
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
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(bgr_of(qt::to_color(image.pixelColor(at)))));
  return buffer;
}

}  // namespace tarvex
