#include "app/tarvex_program.h"

#include <QLocale>

#include "app/start_up.h"
#include "core/notation.h"

namespace tarvex {

void use_system_notation() {
  const QLocale locale = QLocale::system();
  NumberNotation notation;
  const QString decimal = locale.decimalPoint();
  const QString grouping = locale.groupSeparator();
  if (decimal.size() == 1) notation.decimal_separator = decimal.front().unicode();
  if (grouping.size() == 1) notation.grouping_separator = grouping.front().unicode();
  notation.currency_symbol = locale.currencySymbol().toStdU16String();
  set_current_notation(notation);
}

TarvexProgram::TarvexProgram() {
  platform_.attach(input_);
  start_failure_ = load_and_show(toolkit_, main_window_);
}

qt::FormView* TarvexProgram::main_window() const { return platform_.view_of(main_window_); }

}  // namespace tarvex
