// Tarvex: the desktop program.
#include <QApplication>

#include "app/command_line.h"
#include "app/tarvex_program.h"

int main(int argc, char** argv) {
  tarvex::answer_without_a_display(argc, argv);
  QApplication application(argc, argv);
  if (const auto status = tarvex::handle_command_line(QApplication::arguments())) return *status;
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarvex.Tarvex"));
  tarvex::use_system_notation();
  tarvex::TarvexProgram program;
  return program.running() ? QApplication::exec() : 0;
}
