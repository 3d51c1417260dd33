// The start-up probe of the real program: Tarvex started exactly as the program starts it (the same
// code, linked from the same library), which says "first-frame" on standard output once the main
// window's first frame has been painted, and ends. The program itself carries nothing of this.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/tarvex_program.h"

namespace {

// Waits for the main window's first paint; once the event loop has flushed it to the screen, says so.
class FirstFrame : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::puts("first-frame");
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarvex.Tarvex"));
  tarvex::use_system_notation();
  FirstFrame first_frame;
  application.installEventFilter(&first_frame);
  tarvex::TarvexProgram program;
  return program.running() ? QApplication::exec() : 1;
}
