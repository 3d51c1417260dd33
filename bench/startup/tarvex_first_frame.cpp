// The start-up probe of the real program: Tarvex started exactly as the program starts it (the same
// code, linked from the same library), which says "first-frame" once the main window's first frame
// has been painted, and ends. The program itself carries nothing of this.
#include <QApplication>

#include "app/tarvex_program.h"
#include "bench/startup/first_frame.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/surface.h"

int main(int argc, char** argv) {
  tarvex::qt::keep_window_look();
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarvex.Tarvex"));
  tarvex::qt::use_system_notation();
  tarvex::TarvexProgram program;
  tarvex::qt::FormView* view = program.main_window();
  if (view == nullptr) return 1;
  // The window is shown, but its first frame is painted by the event loop, which has not run yet.
  new tarvex::startup::FirstFrameReporter(view->surface());
  return QApplication::exec();
}
