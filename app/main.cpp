// Tarvex: the desktop program.
#include <QApplication>

#include "app/tarvex_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarvex.Tarvex"));
  tarvex::use_system_notation();
  tarvex::TarvexProgram program;
  return program.running() ? QApplication::exec() : 0;
}
