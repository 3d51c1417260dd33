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

const NumberNotation& current_notation() { return current(); }

void set_current_notation(NumberNotation notation) { current() = std::move(notation); }

ScopedNotation::ScopedNotation(NumberNotation notation) : previous_(current()) {
  set_current_notation(std::move(notation));
}

ScopedNotation::~ScopedNotation() { set_current_notation(std::move(previous_)); }

}  // namespace tarvex
