#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <stdexcept>

#include "core/notation.h"
#include "toolkit/form.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/look.h"
#include "toolkit/text_encoding.h"
#include "toolkit/toolkit.h"
#include "toolkit/web_address.h"

namespace tarvex::qt {

void use_system_notation() {
  const QLocale locale = QLocale::system();
  NumberNotation notation;
  const QString decimal = locale.decimalPoint();
  const QString grouping = locale.groupSeparator();
  if (decimal.size() == 1) notation.decimal_separator = decimal.front().unicode();
  if (grouping.size() == 1) notation.grouping_separator = grouping.front().unicode();
  notation.currency_symbol = locale.currencySymbol().toStdU16String();
  set_current_notation(notation);
}

QtPlatform::QtPlatform() { keep_window_look(); }

// A modal window's view is a child of its owner's and goes with it.
QtPlatform::~QtPlatform() {
  QList<QPointer<FormView>> views;
  for (FormView* view : std::as_const(views_)) views.append(view);
  for (const QPointer<FormView>& view : views) delete view.data();
}

void QtPlatform::message_box(const Text& caption, const Text& prompt, int /*buttons: OK only*/) {
  QWidget* owner = QApplication::activeWindow();
  QMessageBox box(QMessageBox::NoIcon, to_qstring(caption), to_qstring(prompt), QMessageBox::Ok, owner);
  box.setPalette(window_palette());
  box.setWindowModality(Qt::ApplicationModal);
  if (message_box_shown) QTimer::singleShot(0, &box, [this, &box] { message_box_shown(box); });
  box.exec();
}

void QtPlatform::start_program(const Text& command_line, int /*window_style*/) {
  const auto address = web_address_to_open(command_line);
  if (!address) throw std::runtime_error("this system cannot run " + to_utf8(command_line));
  if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(*address), QUrl::StrictMode))) {
    throw std::runtime_error("no program could open " + *address);
  }
}

// Whole pixels, rounded up, as the headless measure does: a self-sizing label never clips its text.
float QtPlatform::text_width(const Font& font, std::u16string_view text) {
  const qreal pixels = QFontMetricsF(to_qfont(font)).horizontalAdvance(to_qstring(text));
  return static_cast<float>(std::ceil(pixels - 1e-9) * kTwipsPerPixel);
}

void QtPlatform::window_loaded(Form& window) {
  if (input_ == nullptr) throw std::logic_error("the Qt platform has no user input attached");
  views_.insert(&window, new FormView(window, *input_));
}

void QtPlatform::window_shown(Form& window, Form* owner, bool modal) {
  if (FormView* view = view_of(window)) view->show_window(owner ? view_of(*owner) : nullptr, modal);
}

void QtPlatform::remove_view(Form& window) {
  if (FormView* view = views_.take(&window)) view->close_for_toolkit();
  if (QEventLoop* loop = modal_loops_.value(&window)) loop->quit();
}

// With no window left, the program ends.
void QtPlatform::window_unloaded(Form& window) {
  remove_view(window);
  if (!window.toolkit().running()) QCoreApplication::quit();
}

void QtPlatform::window_destroyed(Form& window) { remove_view(window); }

void QtPlatform::focus_moved(Form& window, Control* control) {
  if (FormView* view = view_of(window)) view->give_focus_to(control);
}

void QtPlatform::run_modal(Form& window) {
  if (!window.is_loaded()) return;
  QEventLoop loop;
  modal_loops_.insert(&window, &loop);
  loop.exec();
  modal_loops_.remove(&window);
}

}  // namespace tarvex::qt
