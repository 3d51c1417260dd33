#include "drive/qt_drive.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "drive/qt_hands.h"
#include "drive/recording_platform.h"
#include "drive/session.h"
#include "main_window/frm_main.h"
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
  RecordingPlatform platform(qt, out);
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  qt.attach(input);
  QtHands hands(input, qt, toolkit);
  Session session(toolkit, hands, script, out);
  platform.pump = [&session] { return session.step(); };
  // The driver reads a message box and closes it with its OK button, as a user would.
  qt.message_box_shown = [](QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) QTest::mouseClick(ok, Qt::LeftButton);
  };

  frmMain main_window(toolkit);
  toolkit.dispatch([&] {
    toolkit.Load(main_window);
    toolkit.Show(main_window);
  });
  while (session.step()) {
  }
  return {session.failure(), script.bad()};
}

}  // namespace tarvex
