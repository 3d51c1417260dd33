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

FormView::FormView(Form& form, UserInput& input) : WidgetView(form, input), input_link_(new QObject(this)) {
  setObjectName(QString::fromStdString(form.name()));
  setWindowFlags(window_flags(form));
  installEventFilter(this);
}

void FormView::make_window() {
  setWindowTitle(to_qstring(form_->Caption.get()));
  setFont(to_qfont(form_->font));
  QPalette colours = window_palette();
  colours.setColor(QPalette::Window, to_qcolor(form_->back_color));
  setPalette(colours);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  surface_ = new Surface(*this);
  layout->addWidget(surface_);
  install_accessibility();
}

void FormView::begin_menu_bar() {
  menu_bar_ = new QMenuBar(this);
  layout()->setMenuBar(menu_bar_);
}

void FormView::add_menu(Menu& title) {
  QMenu* menu = menu_bar_->addMenu(to_qstring(title.Caption.get()));
  // A menu opens as a window of its own, which takes no palette from the window it belongs to.
  menu->setPalette(palette());
  actions_.insert(&title, menu->menuAction());
  show_menu(title);
}

void FormView::add_menu_item(const Menu& title, Menu& item) {
  QMenu* menu = action_of(title)->menu();
  QAction* action = item.is_separator() ? menu->addSeparator() : menu->addAction(to_qstring(item.Caption.get()));
  actions_.insert(&item, action);
  show_menu(item);
  connect(action, &QAction::triggered, input_link_, [this, &item] { input_.perform(action::Click{item}); });
}

void FormView::show_menu(const Menu& menu) {
  QAction* action = action_of(menu);
  if (action == nullptr) return;
  if (!menu.is_separator()) action->setText(to_qstring(menu.Caption.get()));
  action->setEnabled(menu.enabled());
  action->setVisible(menu.Visible);
}

bool FormView::make_widget(Control& control) {
  QWidget* widget = create_widget(control, surface_, input_, input_link_);
  if (widget == nullptr) return false;
  widget->lower();
  widgets_.insert(&control, widget);
  watch(widget, &control);
  // A list's items, and the wheel over them, live in its viewport.
  if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(widget)) watch(scrolled->viewport(), &control);
  widget->show();
  return true;
}

void FormView::stack_widget(const Control& control, const Control* above) {
  QWidget* widget = widget_of(control);
  above ? widget->stackUnder(widget_of(*above)) : widget->raise();
}

void FormView::show_property(const Control& control, PropertyId property) {
  qt::show_property(*widget_of(control), control, property);
}

void FormView::show_all_properties(const Control& control) { qt::show_all_properties(*widget_of(control), control); }

void FormView::retitle(const Text& caption) { setWindowTitle(to_qstring(caption)); }

void FormView::repaint_area(Bounds area) { surface_->update(to_pixels(area).toAlignedRect()); }

// What the surface paints is announced through widgets that paint nothing themselves: each link,
// and each read-out of labels.
void FormView::build_accessible() {
  // Once the toolkit is done with the window its controls may be going (a window's record is taken
  // apart while its view hides, and the hide moves Qt's focus): nothing of them is read after that.
  accessible_.emplace(*form_, [this](const Control& control) { return form_ ? widget_of(control) : nullptr; });
  accessible_->build(surface_, input_);
}

void FormView::accessible_changed(const PropertyChange& change) {
  if (accessible_) accessible_->changed(change);
}

void FormView::watch(QWidget* widget, Control* control) {
  widget->installEventFilter(this);
  controls_.insert(widget, control);
}

void FormView::show_on_screen(WidgetView* owner_view, bool modal) {
  auto* owner = static_cast<FormView*>(owner_view);
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

void FormView::close_window() {
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

// The close box asks the toolkit; a window the toolkit is done with closes.
void FormView::closeEvent(QCloseEvent* event) {
  event->setAccepted(form_ == nullptr);
  close_asked();
}

}  // namespace tarvex::qt
