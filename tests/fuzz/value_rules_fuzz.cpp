// The value rules on arbitrary bytes: every text, every pair of values, every notation the program
// supports. Checks what the rules promise, not only that nothing crashes.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "core/errors.h"
#include "core/number_text.h"
#include "core/variant.h"
#include "tests/fuzz/fuzz_support.h"

namespace tarvex {
namespace {

// The value that 15 significant digits give back; the largest Doubles round beyond the range, and
// then the largest 15-digit number stands for them.
double at_15_digits(double x) {
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
  double back = 0;
  if (std::from_chars(buffer, written.ptr, back).ec == std::errc::result_out_of_range) {
    return std::fabs(x) > 1 ? std::copysign(1.79769313486231e308, x) : 0.0;
  }
  return back;
}

// Runs a rule that may only fail with the given kinds; any other error is a finding.
template <class Rule>
void allowing(std::initializer_list<ErrorKind> kinds, const char* rule, Rule&& run) {
  try {
    run();
  } catch (const Error& error) {
    for (ErrorKind kind : kinds) {
      if (error.kind() == kind) return;
    }
    fail(rule, std::string("raised ") + error.what());
  }
}

template <class T>
void check_conversion(const Variant& value, T converted, const char* rule) {
  if (converted < std::numeric_limits<T>::min() || converted > std::numeric_limits<T>::max()) {
    fail(rule, "out of its kind's range");
  }
  if (value.kind() == VariantKind::Double && std::fabs(static_cast<double>(converted) - value.double_value()) > 0.5) {
    fail(rule, "not the nearest whole number");
  }
}

void check_conversions(const Variant& value) {
  allowing({ErrorKind::Overflow, ErrorKind::TypeMismatch}, "to_integer",
           [&] { check_conversion(value, to_integer(value), "to_integer"); });
  allowing({ErrorKind::Overflow, ErrorKind::TypeMismatch}, "to_long",
           [&] { check_conversion(value, to_long(value), "to_long"); });
}

void check_result(const Variant& result, const char* rule) {
  if (result.kind() == VariantKind::Double && !std::isfinite(result.double_value())) fail(rule, "not finite");
}

void check_pair(const Variant& a, const Variant& b) {
  const std::initializer_list<ErrorKind> arithmetic = {ErrorKind::Overflow, ErrorKind::DivisionByZero,
                                                       ErrorKind::TypeMismatch};
  allowing(arithmetic, "subtraction", [&] { check_result(a - b, "subtraction"); });
  allowing(arithmetic, "multiplication", [&] { check_result(a * b, "multiplication"); });
  allowing(arithmetic, "division", [&] { check_result(a / b, "division"); });
  allowing({ErrorKind::TypeMismatch, ErrorKind::Overflow}, "comparison", [&] {
    equals(a, b);
    greater_than(a, b);
  });
  if (join(a, b) != to_text(a) + to_text(b)) fail("join", "not the two text forms, left first");
}

// The text form of a finite Double is numeric, in the plain notation and in the user's, and reads
// back to the same value at 15 significant digits.
void check_text_form(double x, const NumberNotation& notation) {
  if (!std::isfinite(x)) return;
  const double expected = at_15_digits(x) + 0.0;
  {
    ScopedNotation plain(NumberNotation{});
    const Text text = to_text(Variant::Double(x));
    if (!IsNumeric(text)) fail("text form", "not numeric in the plain notation: " + narrow(text));
    if (Val(text) != expected) fail("text form", "Val reads another value: " + narrow(text));
  }
  ScopedNotation users(notation);
  const Text text = to_text(Variant::Double(x));
  if (!IsNumeric(text)) fail("text form", "not numeric in the user's notation: " + narrow(text));
  if (read_in_notation(text) != expected) fail("text form", "reads another value in the user's notation");
  if (const auto difference = oracle::difference_from_oracle(text)) fail("the rules' plain reading", *difference);
}

// Val, IsNumeric, the reading in arithmetic and the entered number, in every notation, as the oracle
// reads them; and the text operations' promises.
void check_text(const Text& text) {
  if (const auto difference = oracle::difference_from_oracle(text)) fail("the rules' plain reading", *difference);
  const Long length = Len(text);
  if (length != static_cast<Long>(text.size())) fail("Len", "not the count of code units");
  if (Trim(text).size() > text.size()) fail("Trim", "longer than the text");
  (void)Mid(text, length / 2, length);
}

Variant any_variant(FuzzedDataProvider& data) {
  switch (data.ConsumeIntegralInRange(0, 5)) {
    case 0: return Variant();
    case 1: return Variant::Boolean(data.ConsumeBool());
    case 2: return Variant::Integer(data.ConsumeIntegral<Integer>());
    case 3: return Variant::Long(data.ConsumeIntegral<Long>());
    case 4: return Variant::Double(data.ConsumeFloatingPoint<double>());
    default: return Variant::String(any_text(data));
  }
}

}  // namespace
}  // namespace tarvex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace tarvex;
  FuzzedDataProvider data(bytes, size);
  const NumberNotation& notation =
      supported_notations()[data.ConsumeIntegralInRange<std::size_t>(0, supported_notations().size() - 1)];
  ScopedNotation users(notation);
  const double x = data.ConsumeFloatingPoint<double>();
  check_text_form(x, notation);
  const Variant a = any_variant(data);
  const Variant b = any_variant(data);
  for (const Variant* v : {&a, &b}) {
    check_conversions(*v);
    if (v->kind() == VariantKind::String) check_text(v->string());
  }
  check_pair(a, b);
  check_text(any_text(data));
  return 0;
}
