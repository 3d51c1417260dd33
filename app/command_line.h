#pragma once
// The program's command line: --help and --version answer and end the program; nothing else
// that it accepts changes the window. Qt's own options (-platform, -style, ...) have already been
// taken out of the arguments by QApplication by the time this runs.
#include <QStringList>
#include <optional>

namespace tarvex {

// Reads the arguments left after QApplication took its own. Returns the exit status when the
// program must end at once (after printing its answer or its complaint), nothing to go on.
std::optional<int> handle_command_line(const QStringList& arguments);

// --help and --version only print: when one is given, Qt starts without a window system, so that
// they answer on a machine with no display too, and Qt's own remarks are kept off the terminal.
// Call before the QApplication is built.
void answer_without_a_display(int argc, char** argv);

}  // namespace tarvex
