#pragma once
// Holds the program's value rules to the oracle's reading of them, text by text: the fuzz target and
// the generated test both ask here for the first difference.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "core/variant.h"
#include "tests/core/value_oracle.h"

namespace tarvex {

// The plain notation and the decorated ones that systems hand us: a decimal comma with the point,
// a no-break space or a narrow no-break space for grouping, and an apostrophe-grouped one.
inline const std::vector<NumberNotation>& supported_notations() {
  static const std::vector<NumberNotation> notations = {
      {u'.', u',', u"$"},       {u',', u'.', u"€"},        {u',', u'\u202F', u"€"},
      {u',', u'\u00A0', u"kr"}, {u'.', u'\u2019', u"CHF"},
  };
  return notations;
}

namespace oracle {

// A text as C++ would write it, so that a reported difference can be pasted into a test.
inline std::string escaped(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    char code[8];
    std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
    out += c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\' ? std::string(1, static_cast<char>(c)) : code;
  }
  return out;
}

// A reading as one comparable text: the number to the last bit, an error's words, or "no number".
inline std::string shown(std::optional<double> value) {
  char buffer[40] = "no number";
  if (value) std::snprintf(buffer, sizeof buffer, "%.17g", *value);
  return buffer;
}
inline std::string expected(std::optional<double> value) {
  return value && std::isinf(*value) ? std::string(describe(ErrorKind::Overflow)) : shown(value);
}
template <class Read>
std::string actual(Read read) {
  try {
    return shown(read());
  } catch (const Error& error) {
    return error.kind() == ErrorKind::TypeMismatch ? "no number" : error.what();
  }
}

// The first rule on which the program and the oracle read the text differently, with both readings.
inline std::optional<std::string> difference_from_oracle(std::u16string_view text) {
  std::optional<std::string> difference;
  const auto compare = [&](const std::string& rule, const std::string& program, const std::string& rules) {
    if (!difference && program != rules) {
      difference = rule + " of \"" + escaped(text) + "\": the program gives " + program + ", the rules " + rules;
    }
  };
  compare("Val", actual([&] { return Val(text); }), expected(val(text)));
  for (const NumberNotation& notation : supported_notations()) {
    const ScopedNotation users(notation);
    const std::string in = " (separators " +
                           escaped(std::u16string{notation.decimal_separator, notation.grouping_separator}) +
                           ", currency " + escaped(notation.currency_symbol) + ")";
    const auto number = numeric_value(text, notation);
    compare("IsNumeric" + in, IsNumeric(text) ? "True" : "False", number ? "True" : "False");
    compare("arithmetic's reading" + in,
            actual([&] { return (Variant::String(Text(text)) - Variant()).double_value(); }), expected(number));
    compare("the entered number" + in, actual([&] { return entered_number(text); }),
            expected(entered_value(text, notation)));
  }
  return difference;
}

}  // namespace oracle
}  // namespace tarvex
