#include "toolkit/qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>

#include "toolkit/qt/conversions.h"

namespace tarvex::qt {

namespace {

// A widget whose text is read whole: one run of attributes over all of it. Qt's own entries report a
// run of no characters at each offset, at which screen readers cut what they speak ("1" for "12").
class WholeTextWidget : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  WholeTextWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
  }
  using QAccessibleWidget::text;
  virtual QString whole() const = 0;

  QString text(int start, int end) const override { return whole().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(whole().size()); }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
};

// An entry: Qt's own reading of it, with its text read whole.
class EntryAccessible : public WholeTextWidget {
 public:
  explicit EntryAccessible(QLineEdit* edit) : WholeTextWidget(edit, QAccessible::EditableText) {}
  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Value: return edit()->text();
      case QAccessible::Description: return edit()->accessibleDescription();  // not Qt's tooltip
      default: return QAccessibleWidget::text(kind);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }
  QString whole() const override { return edit()->text(); }
  using WholeTextWidget::text;

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + static_cast<int>(edit()->selectedText().size());
  }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { edit()->setSelection(start, end - start); }
  void removeSelection(int index) override {
    if (index == 0) edit()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) edit()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
  int offsetAtPoint(const QPoint& point) const override {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
  }
  QRect characterRect(int offset) const override {
    const QFontMetrics metrics(edit()->font());
    const QString text = edit()->text();
    const int x = metrics.horizontalAdvance(text.left(offset));
    const QRect box(x, 0, metrics.horizontalAdvance(text.mid(offset, 1)), edit()->height());
    return QRect(edit()->mapToGlobal(box.topLeft()), box.size());
  }

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

// A band list tells its current item as its text: Qt 6.4 gives a combo box no other way to, once its
// name says its purpose.
class DropDownAccessible : public WholeTextWidget {
 public:
  explicit DropDownAccessible(DropDown* drop_down) : WholeTextWidget(drop_down, QAccessible::ComboBox) {}

  QString whole() const override { return drop_down()->currentText(); }
  using WholeTextWidget::text;
  // The item is told as a whole, selected text: a screen reader then speaks a new one as it comes.
  void selection(int index, int* start, int* end) const override {
    *start = 0;
    *end = index == 0 ? characterCount() : 0;
  }
  int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name: return drop_down()->accessibleName();
      case QAccessible::Value: return drop_down()->currentText();
      case QAccessible::Description: return drop_down()->accessibleDescription();  // not Qt's tooltip
      default: return QAccessibleWidget::text(kind);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = drop_down()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
  }
  // The items, as the open list shows them.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(drop_down()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == drop_down()->view() ? 0 : -1;
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << QAccessibleActionInterface::showMenuAction();
  }
  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::showMenuAction()) {
      drop_down()->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  DropDown* drop_down() const { return static_cast<DropDown*>(widget()); }
};

class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(LinkArea* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    state.readOnly = true;
    return state;
  }
  QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::pressAction()) static_cast<LinkArea*>(widget())->press();
  }
};

class SpinAccessible : public QAccessibleWidget {
 public:
  explicit SpinAccessible(SpinArrows* arrows) : QAccessibleWidget(arrows, QAccessible::SpinBox) {}
  QString text(QAccessible::Text kind) const override {
    const Control& control = static_cast<SpinArrows*>(widget())->control();
    return kind == QAccessible::Value ? to_qstring(accessible_object(control).value) : QAccessibleWidget::text(kind);
  }
};

// Qt's own takes a status bar for read-only, which only painted parts and read-only entries are.
class StatusAccessible : public QAccessibleWidget {
 public:
  explicit StatusAccessible(QStatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
};

QAccessibleInterface* tarvex_interfaces(const QString& /*class_name*/, QObject* object) {
  if (auto* drop_down = dynamic_cast<DropDown*>(object)) return new DropDownAccessible(drop_down);
  if (auto* link = dynamic_cast<LinkArea*>(object)) return new LinkAccessible(link);
  if (auto* arrows = dynamic_cast<SpinArrows*>(object)) return new SpinAccessible(arrows);
  if (auto* bar = qobject_cast<QStatusBar*>(object)) return new StatusAccessible(bar);
  if (auto* edit = qobject_cast<QLineEdit*>(object)) return new EntryAccessible(edit);
  if (auto* notice = dynamic_cast<Notice*>(object)) return new QAccessibleWidget(notice, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void install_accessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(tarvex_interfaces);
    return true;
  }();
  (void)installed;
}

LinkArea::LinkArea(Control& control, UserInput& input, QWidget* parent)
    : QWidget(parent), control_(control), input_(input) {
  setObjectName(QString::fromStdString(control.name()));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(to_qstring(accessible_name_of(control)));
  setAccessibleDescription(to_qstring(control.link_address));
  setGeometry(to_pixels(accessible_object(control).area).toAlignedRect());
}

void LinkArea::press() { input_.perform(action::Click{control_}); }

ReadOutText::ReadOutText(const ReadOut& read_out, QWidget* parent) : QLabel(parent), read_out_(read_out) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::PlainText);
  setGeometry(to_pixels(accessible_object(read_out).area).toAlignedRect());
  refresh();
}

void ReadOutText::refresh() { setText(to_qstring(accessible_object(read_out_).name)); }

void AccessibleView::build(QWidget* surface, UserInput& input) {
  notice_ = new Notice(surface);
  for (const AccessibleObject& part : accessible_children(form_)) {
    if (part.read_out != nullptr) read_outs_.append(new ReadOutText(*part.read_out, surface));
  }
  // Every link, also one hidden now: its area follows the control's Visible with the surface.
  for (Control* control : form_.paint_order()) {
    if (!control->link_address.empty()) new LinkArea(*control, input, surface);
  }
}

void AccessibleView::changed(const PropertyChange& change) {
  for (const Announcement& announcement : window_.changed(change)) {
    if (announcement.event == AccessibleEvent::Description) describe(*announcement.control);
    if (announcement.event == AccessibleEvent::Name && announcement.control != nullptr) rename(*announcement.control);
    if (announcement.event == AccessibleEvent::Value && announcement.control->kind() == ControlKind::ComboBox)
      tell_new_item(*announcement.control);
    for (ReadOutText* read_out : read_outs_) {
      if (&read_out->read_out() == announcement.read_out) read_out->refresh();
    }
  }
}

// The focused widget's description says the outcome while the focus stays; once the focus leaves it is
// the control's own again (a screen reader ignores changes of what does not have the focus). Qt 6.4
// tells a new description without its text, which Orca then cannot say: the outcome is also shown as
// a notification, which it says as it appears.
void AccessibleView::outcome_announced() {
  for (const Announcement& announcement : window_.outcome_announced()) {
    const Control* control = announcement.control;
    QWidget* widget = widget_of_(*control);
    if (widget == nullptr) continue;
    describe(*control);
    if (notice_ != nullptr) notice_->tell(widget->accessibleDescription());
    auto* watch = new QObject(widget);
    QObject::connect(qApp, &QApplication::focusChanged, watch, [this, control, widget, watch](QWidget* from, QWidget*) {
      if (from != widget) return;
      delete watch;
      describe(*control);
    });
  }
}

Notice::Notice(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);
  hide();
}

void Notice::tell(const QString& text) {
  hide();
  setAccessibleName(text);
  show();
}

// Qt tells of a drop-down list's new item only in a way that Orca takes as said already: it is told
// as new text of the list, which its text interface holds.
void AccessibleView::tell_new_item(const Control& control) {
  auto* drop_down = dynamic_cast<DropDown*>(widget_of_(control));
  if (drop_down == nullptr || !drop_down->hasFocus()) return;
  QAccessibleTextUpdateEvent event(drop_down, 0, QString(), drop_down->currentText());
  QAccessible::updateAccessibility(&event);
}

// Qt tells assistive technology of a new name itself (a status bar's text, a button's caption).
void AccessibleView::rename(const Control& control) {
  if (QWidget* widget = widget_of_(control)) widget->setAccessibleName(to_qstring(accessible_object(control).name));
}

// Qt tells assistive technology of a new description itself.
void AccessibleView::describe(const Control& control) {
  if (QWidget* widget = widget_of_(control))
    widget->setAccessibleDescription(to_qstring(accessible_object(control).description));
}

}  // namespace tarvex::qt
