#include "toolkit/qt/form_view.h"

#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "toolkit/qt/accessibility.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/surface.h"
#include "toolkit/qt/widgets.h"
#include "toolkit/view_rules.h"
#include "toolkit/window_placement.h"

namespace tarvex::qt {

namespace {

Qt::WindowFlags window_flags(const Form& form) {
  Qt::WindowFlags flags =
      (form.border == FormBorder::FixedDialog ? Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint : Qt::Window) |
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (form.min_button) flags |= Qt::WindowMinimizeButtonHint;
  if (form.max_button) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

// The sizes a window's title bar, task bar and switcher ask for. (Each is decoded as it is added; the
// large ones only the installed menu icon needs.)
QIcon window_icon(const std::string& name) {
  QIcon icon;
  if (name.empty()) return icon;
  const QString base = QStringLiteral(":/icons/%1").arg(QString::fromStdString(name));
  for (int size : {16, 32, 48, 64}) icon.addFile(QStringLiteral("%1-%2.png").arg(base).arg(size), QSize(size, size));
  return icon;
}

}  // namespace

FormView::FormView(Form& form, UserInput& input) : WindowView(form, input), input_link_(new QObject(this)) {
  setObjectName(QString::fromStdString(form.name()));
  setWindowFlags(window_flags(form));
  installEventFilter(this);
}

// The record as its Form_Load has left it; the toolkit tells nothing of a window before it is shown.
void FormView::build() {
  mark_built();
  setWindowTitle(to_qstring(form_->Caption.get()));
  setFont(to_qfont(form_->font));
  QPalette colours = window_palette();
  colours.setColor(QPalette::Window, to_qcolor(form_->back_color));
  setPalette(colours);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (!form_->menu_bar().empty()) {
    menu_bar_ = new QMenuBar(this);
    layout->setMenuBar(menu_bar_);
    build_menus();
  }
  surface_ = new Surface(*this);
  layout->addWidget(surface_);
  install_accessibility();
  for (Control* control : form_->controls()) {
    if (control->traits().windowed && control->Visible) add_widget(*control);
  }
  build_accessible_areas();
}

void FormView::build_menus() {
  // A menu opens as a window of its own, which takes no palette from the window it belongs to.
  const QPalette colours_of_menus = palette();
  for (Menu* title : form_->menu_bar()) {
    QMenu* menu = menu_bar_->addMenu(to_qstring(title->Caption.get()));
    menu->setPalette(colours_of_menus);
    actions_.insert(title, menu->menuAction());
    show_menu_property(*menu->menuAction(), *title);
    for (Menu* item : title->items()) {
      QAction* action = item->is_separator() ? menu->addSeparator() : menu->addAction(to_qstring(item->Caption.get()));
      actions_.insert(item, action);
      show_menu_property(*action, *item);
      connect(action, &QAction::triggered, input_link_, [this, item] { input_.perform(action::Click{*item}); });
    }
  }
}

void FormView::show_menu_property(QAction& action, const Menu& menu) {
  if (!menu.is_separator()) action.setText(to_qstring(menu.Caption.get()));
  action.setEnabled(menu.enabled());
  action.setVisible(menu.Visible);
}

void FormView::add_widget(Control& control) {
  QWidget* widget = create_widget(control, surface_, input_, input_link_);
  if (widget == nullptr) return;
  widget->raise();
  if (const Control* above =
          stacking_neighbour(*form_, control, [this](const Control& c) { return widget_of(c) != nullptr; }))
    widget->stackUnder(widget_of(*above));
  widgets_.insert(&control, widget);
  watch(widget, &control);
  // A list's items, and the wheel over them, live in its viewport.
  if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(widget)) watch(scrolled->viewport(), &control);
  widget->show();
}

// What the surface paints is announced through widgets that paint nothing themselves: each link,
// and each read-out of labels.
void FormView::build_accessible_areas() {
  accessible_.emplace(*form_, [this](const Control& control) { return widget_of(control); });
  accessible_->build(surface_, input_);
}

void FormView::watch(QWidget* widget, Control* control) {
  widget->installEventFilter(this);
  controls_.insert(widget, control);
}

void FormView::show_window(FormView* owner, bool modal) {
  if (!built()) build();
  if (owner != nullptr) setParent(owner, windowFlags());
  setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  adjustSize();
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    const ScreenPoint at =
        place_centred({0, 0, size.width(), size.height()}, {area.x(), area.y(), area.width(), area.height()});
    move(at.x, at.y);
  }
  show();
  raise();
  activateWindow();
}

// The icon is decoded once the window's first frame has been painted: the user waits for the window,
// not for the picture in its title bar.
void FormView::set_icon_after_first_frame() {
  if (icon_set_) return;
  icon_set_ = true;
  QTimer::singleShot(0, this, [this] {
    if (form_) setWindowIcon(window_icon(form_->icon));
  });
}

void FormView::close_for_toolkit() {
  let_go_of_form();
  delete std::exchange(input_link_, nullptr);
  hide();
  deleteLater();
}

void FormView::focus_widget_of(const Control& control) {
  QWidget* widget = widget_of(control);
  if (widget == nullptr || widget->hasFocus()) return;
  // Styles draw the focus of most controls only once the keyboard has moved it in the window.
  if (delivering_key_) setAttribute(Qt::WA_KeyboardFocusChange);
  widget->setFocus(Qt::OtherFocusReason);
}

void FormView::property_changed(const PropertyChange& change) {
  if (!built()) return;
  Control& control = change.control;
  QWidget* widget = widget_of(control);
  switch (view_task(change, widget != nullptr)) {
    case ViewTask::Retitle: setWindowTitle(to_qstring(form_->Caption.get())); break;
    case ViewTask::ShowMenu:
      if (QAction* action = action_of(control)) show_menu_property(*action, static_cast<const Menu&>(control));
      break;
    case ViewTask::Repaint:
      surface_->update(to_pixels(repaint_area(control)).toAlignedRect());
      break;
    case ViewTask::Make: add_widget(control); break;
    case ViewTask::ShowAll: show_all_properties(*widget, control); break;
    // A painted control's tooltip is read from the record when the pointer comes to rest on it.
    case ViewTask::ShowTooltip:
    case ViewTask::ShowProperty:
      if (widget != nullptr) show_property(*widget, control, change.property.id());
      break;
    case ViewTask::Nothing: break;
  }
  if (accessible_) accessible_->changed(change);
}

// The close box asks the toolkit; a window the toolkit is done with closes.
void FormView::closeEvent(QCloseEvent* event) {
  event->setAccepted(form_ == nullptr);
  close_asked();
}

}  // namespace tarvex::qt
