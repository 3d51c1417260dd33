#include "toolkit/qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

#include "toolkit/qt/conversions.h"

namespace tarvex::qt {

namespace {

class DropDownAccessible : public QAccessibleWidget {
 public:
  explicit DropDownAccessible(DropDown* drop_down) : QAccessibleWidget(drop_down, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name: return drop_down()->accessibleName();
      case QAccessible::Value: return drop_down()->currentText();
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

  QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::pressAction()) static_cast<LinkArea*>(widget())->press();
  }
};

QAccessibleInterface* tarvex_interfaces(const QString& /*class_name*/, QObject* object) {
  if (auto* drop_down = dynamic_cast<DropDown*>(object)) return new DropDownAccessible(drop_down);
  if (auto* link = dynamic_cast<LinkArea*>(object)) return new LinkAccessible(link);
  return nullptr;
}

QRect pixel_rect(const Placed& control) { return to_pixels(control).toAlignedRect(); }

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
  setGeometry(pixel_rect(static_cast<const Placed&>(control)));
}

void LinkArea::press() { input_.perform(action::Click{control_}); }

ReadOutText::ReadOutText(const ReadOut& read_out, QWidget* parent) : QLabel(parent), read_out_(read_out) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::PlainText);
  QRect area;
  for (const auto& word : read_out.words) {
    for (const Label* label : word) area = area.united(pixel_rect(*label));
  }
  setGeometry(area);
  refresh();
}

void ReadOutText::refresh() { setText(to_qstring(read_out_text(read_out_))); }

}  // namespace tarvex::qt
