#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <stdexcept>

#include "core/notation.h"
#include "toolkit/form.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/look.h"
#include "toolkit/text_encoding.h"
#include "toolkit/web_address.h"

namespace tarvex::qt {

void use_system_notation() {
  const QLocale locale = QLocale::system();
  set_current_notation(
      notation_of(to_text(locale.decimalPoint()), to_text(locale.groupSeparator()), to_text(locale.currencySymbol())));
}

QtPlatform::QtPlatform() { keep_window_look(); }

// A modal window's view is a child of its owner's and goes with it.
QtPlatform::~QtPlatform() {
  for (const QPointer<FormView>& view : views_) delete view.data();
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

float QtPlatform::text_width(const Font& font, std::u16string_view text) {
  return whole_pixel_width(QFontMetricsF(to_qfont(font)).horizontalAdvance(to_qstring(text)));
}

WindowView& QtPlatform::make_view(Form& window, UserInput& input) {
  auto* view = new FormView(window, input);
  views_.removeAll(nullptr);
  views_.append(view);
  return *view;
}

void QtPlatform::drop_view(Form& window, WindowView& /*view: deleted later by itself*/) {
  if (QEventLoop* loop = modal_loops_.value(&window)) loop->quit();
}

FormView* QtPlatform::view_of(const Form& window) { return dynamic_cast<FormView*>(window.view()); }

void QtPlatform::end_program() { QCoreApplication::quit(); }

void QtPlatform::run_modal(Form& window) {
  if (!window.is_loaded()) return;
  QEventLoop loop;
  modal_loops_.insert(&window, &loop);
  loop.exec();
  modal_loops_.remove(&window);
}

}  // namespace tarvex::qt
