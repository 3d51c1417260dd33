// What the user does to a window's widgets, turned into UserActions: the focus that Qt moves on
// a click, the keys that the window acts on (Tab, Enter, Esc, Space, arrows, access keys) and the
// wheel over a list. Qt's own focus chain and shortcuts never decide: the toolkit does.
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QWheelEvent>
#include <optional>
#include <utility>

#include "toolkit/keys.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/surface.h"

namespace tarvex::qt {

namespace {

std::optional<KeyPress> key_press_of(const QKeyEvent& event) {
  static const QHash<int, KeyName> named = {{Qt::Key_Tab, KeyName::Tab},       {Qt::Key_Backtab, KeyName::Tab},
                                            {Qt::Key_Return, KeyName::Enter},  {Qt::Key_Enter, KeyName::Enter},
                                            {Qt::Key_Escape, KeyName::Escape}, {Qt::Key_Space, KeyName::Space},
                                            {Qt::Key_Up, KeyName::Up},         {Qt::Key_Down, KeyName::Down},
                                            {Qt::Key_Left, KeyName::Left},     {Qt::Key_Right, KeyName::Right}};
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const int key = event.key();
  KeyStroke stroke{.code = key,
                   .alt = modifiers.testFlag(Qt::AltModifier),
                   .shift = modifiers.testFlag(Qt::ShiftModifier) || key == Qt::Key_Backtab,
                   .control = (modifiers & ~(Qt::AltModifier | Qt::ShiftModifier | Qt::KeypadModifier)) != 0};
  if (auto found = named.constFind(key); found != named.constEnd()) stroke.key = *found;
  return tarvex::key_press_of(stroke);
}

}  // namespace

bool FormView::route_key(QEvent* event) {
  const auto press = key_press_of(*static_cast<QKeyEvent*>(event));
  if (!press || !input_.takes_key(*press)) return false;
  // The window takes this key itself: no shortcut of a widget may run it, and its release is the
  // window's too.
  if (event->type() == QEvent::ShortcutOverride) event->accept();
  if (event->type() == QEvent::KeyPress) {
    const bool outer = std::exchange(delivering_key_, true);
    input_.perform(action::Key{*press});
    delivering_key_ = outer;
  }
  return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (form_ == nullptr) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return route_key(event);
    case QEvent::FocusIn:
      if (Control* control = control_of(watched); control && !giving_focus_) {
        focus_taken_by_press_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason ? watched : nullptr;
        input_.perform(action::Focus{.control = *control, .moved_by_view = true});
      }
      return false;
    case QEvent::MouseButtonPress: {
      const bool moved_focus = std::exchange(focus_taken_by_press_, nullptr) == watched;
      const Control* control = control_of(watched);
      return control && press_spent_on_focus(*control, moved_focus);
    }
    case QEvent::Wheel: {
      Control* control = control_of(watched);
      return control && wheel_turned(*control, static_cast<QWheelEvent*>(event)->angleDelta().y());
    }
    default: return false;
  }
}

}  // namespace tarvex::qt
