// The conformance cases in the Qt windows: the mouse and the keys go in as Qt's own events to the
// widget under them, and what the window shows is read back from the widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include "tests/conformance/front_end.h"
#include "tests/support/shown_main_window.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/surface.h"

namespace tarvex::conformance {
namespace {

// Programs are noted, never started.
struct NotingQtPlatform : qt::QtPlatform {
  std::function<void(const Text&)>* started = nullptr;
  void start_program(const Text& command_line, int) override {
    if (started && *started) (*started)(command_line);
  }
};

Qt::MouseButton qt_button(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return Qt::LeftButton;
    case MouseButton::Right: return Qt::RightButton;
    case MouseButton::Middle: return Qt::MiddleButton;
  }
  return Qt::NoButton;
}

AccessibleRole role_of(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Client: return AccessibleRole::Window;
    case QAccessible::StaticText: return AccessibleRole::StaticText;
    case QAccessible::EditableText: return AccessibleRole::Text;
    case QAccessible::ComboBox: return AccessibleRole::ComboBox;
    case QAccessible::List: return AccessibleRole::List;
    case QAccessible::CheckBox: return AccessibleRole::CheckBox;
    case QAccessible::RadioButton: return AccessibleRole::RadioButton;
    case QAccessible::Button: return AccessibleRole::PushButton;
    case QAccessible::Graphic: return AccessibleRole::Graphic;
    case QAccessible::Link: return AccessibleRole::Link;
    case QAccessible::StatusBar: return AccessibleRole::StatusBar;
    case QAccessible::SpinBox: return AccessibleRole::SpinButton;
    case QAccessible::MenuItem: return AccessibleRole::MenuItem;
    default: return AccessibleRole::None;
  }
}

std::string line_of(QAccessibleInterface& object) {
  const QAccessible::State state = object.state();
  const AccessibleStates states{.focusable = bool(state.focusable),
                                .read_only = bool(state.readOnly),
                                .unavailable = bool(state.disabled),
                                .linked = bool(state.linked),
                                .checked = state.checkStateMixed ? 2
                                           : state.checked       ? 1
                                                                 : 0};
  return accessible_line(role_of(object.role()), qt::to_text(object.text(QAccessible::Name)),
                         qt::to_text(object.text(QAccessible::Value)),
                         qt::to_text(object.text(QAccessible::Description)), states);
}

// Notes the areas that the client area paints.
struct PaintWatch : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

class QtFrontEnd : public FrontEnd, ShownMainWindowOn<NotingQtPlatform> {
 public:
  QtFrontEnd() {
    platform.started = &program_started;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view()));
    QApplication::processEvents();
  }

  frmMain& window() override { return ShownMainWindowOn::window; }

  // The buttons held go with each event, as the window system sends them.
  void press(MouseButton button, TwipPoint at) override {
    held_ |= qt_button(button);
    send_mouse(QEvent::MouseButtonPress, qt_button(button), at);
  }
  void release(MouseButton button, TwipPoint at) override {
    held_ &= ~qt_button(button);
    send_mouse(QEvent::MouseButtonRelease, qt_button(button), at);
  }
  void move_pointer(TwipPoint at) override {
    pointer_ = pixels(at);
    send_mouse(QEvent::MouseMove, Qt::NoButton, at);
  }
  void turn_wheel(const Control& over, int delta) override {
    QWidget* widget = view()->widget_of(over);
    const QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent wheel(middle, widget->mapToGlobal(middle), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
  }
  void press_tab(bool with_shift) override {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, with_shift ? Qt::ShiftModifier : Qt::NoModifier);
  }

  PointerShape pointer() override {
    return surface().cursor().shape() == Qt::PointingHandCursor ? PointerShape::PointingHand : PointerShape::Arrow;
  }
  // The event that Qt sends a resting pointer; a tooltip shown before is let go first.
  Text resting_tooltip() override {
    QToolTip::hideText();
    for (int wait = 0; wait < 50 && QToolTip::isVisible(); ++wait) QTest::qWait(20);
    QHelpEvent rest(QEvent::ToolTip, pointer_, surface().mapToGlobal(pointer_));
    QApplication::sendEvent(&surface(), &rest);
    return QToolTip::isVisible() ? qt::to_text(QToolTip::text()) : Text();
  }
  const Control* native_focus() override { return view()->control_of(QApplication::focusWidget()); }

  Bounds repainted_by(const std::function<void()>& change) override {
    PaintWatch watch;
    QApplication::processEvents();
    surface().installEventFilter(&watch);
    toolkit.dispatch(change);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.painted.isEmpty(); }, 2000)) << "nothing was repainted";
    surface().removeEventFilter(&watch);
    return qt::to_twips(QRectF(watch.painted.boundingRect()));
  }
  Text title() override { return qt::to_text(view()->windowTitle()); }
  Text menu_caption(const Menu& item) override { return qt::to_text(view()->action_of(item)->text()); }
  Text widget_text(const Control& control) override {
    QWidget* widget = view()->widget_of(control);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? qt::to_text(edit->text()) : Text();
  }
  Text widget_tooltip(const Control& control) override { return qt::to_text(view()->widget_of(control)->toolTip()); }
  bool widget_shown(const Control& control) override {
    QWidget* widget = view()->widget_of(control);
    return widget != nullptr && widget->isVisible();
  }
  // The window's client object, then its children. Qt's tree also holds the menu bar beside the
  // client area, and under it the hidden widgets (a control not shown) and the notice that carries
  // what the window tells as it happens: left out, as the toolkit names none of them.
  std::vector<std::string> accessible_lines() override {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(view());
    QAccessibleInterface* client = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
      if (window->child(i)->object() == &surface()) client = window->child(i);
    }
    std::vector<std::string> lines;
    for (int i = 0; client != nullptr && i < client->childCount(); ++i) {
      QAccessibleInterface* child = client->child(i);
      if (!child->state().invisible && child->role() != QAccessible::Notification) lines.push_back(line_of(*child));
    }
    return lines;
  }
  std::string reader_object_at(TwipPoint at) override {
    QAccessibleInterface* object = reader_finds(at);
    return object->object() == &surface() ? "client" : line_of(*object);
  }
  void reader_press_at(TwipPoint at) override {
    if (QAccessibleActionInterface* actions = reader_finds(at)->actionInterface())
      actions->doAction(QAccessibleActionInterface::pressAction());
  }

 private:
  // The innermost object at a point, as a screen reader finds it from the window's.
  QAccessibleInterface* reader_finds(TwipPoint at) const {
    const QPoint global = surface().mapToGlobal(pixels(at));
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(view());
    while (QAccessibleInterface* inner = object->childAt(global.x(), global.y())) object = inner;
    return object;
  }
  qt::FormView* view() const { return platform.view_of(ShownMainWindowOn::window); }
  qt::Surface& surface() const { return view()->surface(); }
  static QPoint pixels(TwipPoint at) { return QPointF(qt::to_pixels(at.x), qt::to_pixels(at.y)).toPoint(); }
  // The cases press and move only where no widget covers the client area.
  void send_mouse(QEvent::Type type, Qt::MouseButton button, TwipPoint at) {
    const QPointF local = pixels(at);
    QMouseEvent event(type, local, surface().mapToGlobal(local), button, held_, Qt::NoModifier);
    QApplication::sendEvent(&surface(), &event);
  }

  Qt::MouseButtons held_;
  QPoint pointer_;
};

}  // namespace

std::unique_ptr<FrontEnd> open_front_end() { return std::make_unique<QtFrontEnd>(); }

}  // namespace tarvex::conformance
