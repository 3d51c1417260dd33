// Tarvex: the desktop program.
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/fonts_ahead.h"
#include "app/tarvex_program.h"
#include "app/window_system.h"
#include "toolkit/qt/look.h"
#include "toolkit/text_encoding.h"

int main(int argc, char** argv) {
  tarvex::answer_without_a_display(argc, argv);
  tarvex::qt::keep_window_look();
  tarvex::FontsAhead fonts;
  tarvex::WindowSystemWatch window_system(argc, argv);
  QApplication application(argc, argv);
  window_system.started();
  fonts.ready();
  tarvex::qt::keep_window_look();
  if (const auto status = tarvex::handle_command_line(QApplication::arguments())) return *status;
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarvex.Tarvex"));
  tarvex::qt::use_system_notation();
  tarvex::TarvexProgram program;
  if (!program.running()) {
    // The user has seen the reason in a message box; a terminal or a desktop launcher gets it too.
    const std::string why = program.start_failure() ? tarvex::to_utf8(*program.start_failure()) : "it closed at once";
    std::fprintf(stderr, "tarvex: the main window could not be opened: %s\n", why.c_str());
    return 1;
  }
  return QApplication::exec();
}
