#pragma once
// The number notation of the user's locale. It is read once at start-up and handed to the core;
// until then (and in the headless toolkit and the tests) the plain notation with "." and "," holds.
#include <string>
#include <string_view>

namespace tarvex {

struct NumberNotation {
  char16_t decimal_separator = u'.';
  char16_t grouping_separator = u',';
  std::u16string currency_symbol = u"$";
};

// A locale's notation: its decimal and grouping separators where each is one character (else the
// plain one stays), and its currency symbol.
NumberNotation notation_of(std::u16string_view decimal, std::u16string_view grouping, std::u16string_view currency);

const NumberNotation& current_notation();
void set_current_notation(NumberNotation notation);

// Sets a notation for the lifetime of the guard and restores the previous one (for tests).
class ScopedNotation {
 public:
  explicit ScopedNotation(NumberNotation notation);
  ~ScopedNotation();
  ScopedNotation(const ScopedNotation&) = delete;
  ScopedNotation& operator=(const ScopedNotation&) = delete;

 private:
  NumberNotation previous_;
};

}  // namespace tarvex
