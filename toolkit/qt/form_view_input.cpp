// What the user does to a window's widgets, turned into UserActions: the focus that Qt moves on
// a click, the keys that the window acts on (Tab, Enter, Esc, Space, arrows, access keys) and the
// wheel over a list. Qt's own focus chain and shortcuts never decide: the toolkit does.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <optional>
#include <utility>

#include "toolkit/qt/form_view.h"
#include "toolkit/qt/surface.h"

namespace tarvex::qt {

namespace {

std::optional<KeyPress> key_press_of(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if (modifiers == Qt::AltModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
      return KeyPress{KeyName::Alt, static_cast<char16_t>(u'A' + (key - Qt::Key_A))};
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
      return KeyPress{KeyName::Alt, static_cast<char16_t>(u'0' + (key - Qt::Key_0))};
    return std::nullopt;
  }
  if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier))
    return KeyPress{KeyName::ShiftTab};
  if (modifiers != Qt::NoModifier) return std::nullopt;
  switch (key) {
    case Qt::Key_Tab: return KeyPress{KeyName::Tab};
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyPress{KeyName::Enter};
    case Qt::Key_Escape: return KeyPress{KeyName::Escape};
    case Qt::Key_Space: return KeyPress{KeyName::Space};
    case Qt::Key_Up: return KeyPress{KeyName::Up};
    case Qt::Key_Down: return KeyPress{KeyName::Down};
    case Qt::Key_Left: return KeyPress{KeyName::Left};
    case Qt::Key_Right: return KeyPress{KeyName::Right};
    default: return std::nullopt;
  }
}

}  // namespace

bool FormView::route_key(QObject* /*watched*/, QEvent* event) {
  const auto press = key_press_of(*static_cast<QKeyEvent*>(event));
  if (!press || !input_.takes_key(*press)) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // The window takes this key itself: no shortcut of a widget may run it.
      event->accept();
      return true;
    case QEvent::KeyPress: {
      const bool outer = std::exchange(delivering_key_, true);
      input_.perform(action::Key{*press});
      delivering_key_ = outer;
      return true;
    }
    default:  // the release of a key whose press the window took
      return true;
  }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (form_ == nullptr) return false;
  switch (event->type()) {
    case QEvent::Paint:
      if (watched == surface_) set_icon_after_first_frame();
      return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return route_key(watched, event);
    case QEvent::FocusIn:
      if (Control* control = control_of(watched); control && !giving_focus_) {
        focus_taken_by_press_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason ? watched : nullptr;
        input_.perform(action::Focus{.control = *control, .moved_by_view = true});
      }
      return false;
    case QEvent::MouseButtonPress:
      // The press that moved the focus into a text box is spent on the focus: the box keeps the
      // selection that its focus handler made, rather than a caret where the pointer fell.
      if (std::exchange(focus_taken_by_press_, nullptr) == watched && qobject_cast<QLineEdit*>(watched)) return true;
      return false;
    case QEvent::Wheel:
      if (Control* control = control_of(watched); control && control->traits().list) {
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        if (notches != 0) input_.perform(action::Wheel{*control, notches});
        return true;
      }
      return false;
    default: return false;
  }
}

}  // namespace tarvex::qt
