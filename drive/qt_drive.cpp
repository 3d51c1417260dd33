#include "drive/qt_drive.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "drive/headless_drive.h"
#include "drive/qt_hands.h"
#include "toolkit/qt/qt_platform.h"

namespace tarvex {

namespace {

// Standard error is the script's: Qt's notes about the platform (no window manager to raise a
// window, no runtime folder) stay off it; its critical errors do not.
void keep_qt_notes_quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

}  // namespace

RunResult drive_with_qt(int argc, char** argv, std::istream& script, std::ostream& out) {
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  qInstallMessageHandler(keep_qt_notes_quiet);
  QApplication application(argc, argv);
  qt::QtPlatform qt;
  // The driver reads a message box and closes it with its OK button, as a user would.
  qt.message_box_shown = [](QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) QTest::mouseClick(ok, Qt::LeftButton);
  };
  return run_script(
      qt, qt, [&qt](Toolkit& toolkit, UserInput&) { return std::make_unique<QtHands>(qt, toolkit); }, script, out);
}

}  // namespace tarvex
