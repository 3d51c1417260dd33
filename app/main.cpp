// Tarvex: the desktop program.
#include <QApplication>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

#include "app/command_line.h"
#include "core/notation.h"
#include "toolkit/program.h"

namespace {

// The user's number notation, read once from the system and handed to the value rules.
tarvex::NumberNotation system_notation() {
  const QLocale locale = QLocale::system();
  tarvex::NumberNotation notation;
  const QString decimal = locale.decimalPoint();
  const QString grouping = locale.groupSeparator();
  if (decimal.size() == 1) notation.decimal_separator = decimal.front().unicode();
  if (grouping.size() == 1) notation.grouping_separator = grouping.front().unicode();
  notation.currency_symbol = locale.currencySymbol().toStdU16String();
  return notation;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (const auto status = tarvex::handle_command_line(QApplication::arguments())) return *status;
  tarvex::set_current_notation(system_notation());

  using tarvex::kProgram;
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("%1 v%2.%3.%4")
                            .arg(QString::fromStdU16String(std::u16string(kProgram.title)))
                            .arg(kProgram.major)
                            .arg(kProgram.minor)
                            .arg(kProgram.revision));
  window.statusBar()->showMessage(QStringLiteral("Enter LED voltages and current"));
  window.resize(790, 423);
  window.show();
  return QApplication::exec();
}
