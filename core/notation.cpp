#include "core/notation.h"

#include <utility>

namespace tarvex {

namespace {
// One user-interface thread reads and writes this; nothing else touches it.
NumberNotation& current() {
  static NumberNotation notation;
  return notation;
}
}  // namespace

NumberNotation notation_of(std::u16string_view decimal, std::u16string_view grouping, std::u16string_view currency) {
  NumberNotation notation;
  if (decimal.size() == 1) notation.decimal_separator = decimal.front();
  if (grouping.size() == 1) notation.grouping_separator = grouping.front();
  notation.currency_symbol = currency;
  return notation;
}

const NumberNotation& current_notation() { return current(); }

void set_current_notation(NumberNotation notation) { current() = std::move(notation); }

ScopedNotation::ScopedNotation(NumberNotation notation) : previous_(current()) {
  set_current_notation(std::move(notation));
}

ScopedNotation::~ScopedNotation() { set_current_notation(std::move(previous_)); }

}  // namespace tarvex
