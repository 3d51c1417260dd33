#include "core/variant.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>

#include "core/errors.h"
#include "core/number_text.h"

// The Variant's arithmetic, comparison and conversions. Texts become numbers and numbers texts by
// the rules of number_text.

namespace tarvex {

std::string_view kind_name(VariantKind kind) {
  switch (kind) {
    case VariantKind::Empty: return "Empty";
    case VariantKind::Boolean: return "Boolean";
    case VariantKind::Integer: return "Integer";
    case VariantKind::Long: return "Long";
    case VariantKind::Double: return "Double";
    case VariantKind::String: return "String";
  }
  return "Unknown";
}

namespace {

// An operand of arithmetic or comparison: a whole number of kind Integer or Long, or a Double.
struct Number {
  VariantKind kind = VariantKind::Integer;
  std::int64_t whole = 0;
  double real = 0.0;

  bool is_real() const { return kind == VariantKind::Double; }
  double as_double() const { return is_real() ? real : static_cast<double>(whole); }
};

Number number_of(const Variant& v) {
  switch (v.kind()) {
    case VariantKind::Empty: return {};
    case VariantKind::Boolean: return {VariantKind::Integer, v.boolean() ? -1 : 0};
    case VariantKind::Integer: return {VariantKind::Integer, v.integer()};
    case VariantKind::Long: return {VariantKind::Long, v.long_value()};
    case VariantKind::Double: return {VariantKind::Double, 0, v.double_value()};
    case VariantKind::String: return {VariantKind::Double, 0, read_in_notation(v.string())};
  }
  throw Error(ErrorKind::TypeMismatch);
}

template <class T>
bool fits(std::int64_t value) {
  return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

// Whole numbers widen instead of failing: a result too big for an Integer becomes a Long, one too
// big for a Long a Double, so the exact value survives (Integer 200 * Integer 200 is Long 40000).
Variant whole_result(std::int64_t value, const Number& left, const Number& right) {
  const bool any_long = left.kind == VariantKind::Long || right.kind == VariantKind::Long;
  if (!any_long && fits<Integer>(value)) return Variant::Integer(static_cast<Integer>(value));
  if (fits<Long>(value)) return Variant::Long(static_cast<Long>(value));
  return Variant::Double(static_cast<double>(value));
}

Variant real_result(double value) {
  if (!std::isfinite(value)) throw Error(ErrorKind::Overflow);
  return Variant::Double(value);
}

std::partial_ordering compare(const Variant& left, const Variant& right) {
  const auto is_text = [](const Variant& v) { return v.kind() == VariantKind::String; };
  const auto text_or_blank = [](const Variant& v) {
    return v.is_empty() ? std::u16string_view() : std::u16string_view(v.string());
  };
  if ((is_text(left) || left.is_empty()) && (is_text(right) || right.is_empty()) && (is_text(left) || is_text(right))) {
    return text_or_blank(left).compare(text_or_blank(right)) <=> 0;
  }
  // A number against a text reads the text as a number; one that is none is a Type mismatch.
  const Number l = number_of(left);
  const Number r = number_of(right);
  if (!l.is_real() && !r.is_real()) return l.whole <=> r.whole;
  return l.as_double() <=> r.as_double();
}

double round_half_even(double x) {
  const double below = std::floor(x);
  const double rest = x - below;  // exact: the fraction of a Double is itself a Double
  if (rest < 0.5) return below;
  if (rest > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

template <class T>
T to_whole(const Variant& value) {
  const Number n = number_of(value);
  if (!n.is_real()) {
    if (!fits<T>(n.whole)) throw Error(ErrorKind::Overflow);
    return static_cast<T>(n.whole);
  }
  const double rounded = round_half_even(n.real);
  // Written so that NaN fails too.
  if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
    throw Error(ErrorKind::Overflow);
  }
  return static_cast<T>(rounded);
}

}  // namespace

Variant operator-(const Variant& left, const Variant& right) {
  const Number l = number_of(left);
  const Number r = number_of(right);
  if (l.is_real() || r.is_real()) return real_result(l.as_double() - r.as_double());
  return whole_result(l.whole - r.whole, l, r);
}

Variant operator*(const Variant& left, const Variant& right) {
  const Number l = number_of(left);
  const Number r = number_of(right);
  if (l.is_real() || r.is_real()) return real_result(l.as_double() * r.as_double());
  return whole_result(l.whole * r.whole, l, r);  // two Longs multiply within 64 bits
}

Variant operator/(const Variant& left, const Variant& right) {
  const Number l = number_of(left);
  const Number r = number_of(right);
  if (r.as_double() == 0.0) throw Error(ErrorKind::DivisionByZero);
  return real_result(l.as_double() / r.as_double());
}

bool equals(const Variant& left, const Variant& right) { return compare(left, right) == 0; }

bool greater_than(const Variant& left, const Variant& right) { return compare(left, right) > 0; }

Integer to_integer(const Variant& value) { return to_whole<Integer>(value); }

Long to_long(const Variant& value) { return to_whole<Long>(value); }

Text to_text(const Variant& value) {
  switch (value.kind()) {
    case VariantKind::Empty: return {};
    case VariantKind::Boolean: return value.boolean() ? u"True" : u"False";
    case VariantKind::Integer: return whole_text(value.integer());
    case VariantKind::Long: return whole_text(value.long_value());
    case VariantKind::Double: return double_text(value.double_value());
    case VariantKind::String: return value.string();
  }
  return {};
}

Text join(const Variant& left, const Variant& right) { return to_text(left) + to_text(right); }

Text Trim(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == text.npos) return {};
  const auto last = text.find_last_not_of(u' ');
  return Text(text.substr(first, last - first + 1));
}

// Mid never fails: positions before the first character and after the last one simply hold
// nothing. The piece is whatever of positions start .. start + length - 1 lies inside the text, so
// Mid("abc", 0, 2) is "a" and a negative length gives the empty text.
Text Mid(std::u16string_view text, Long start, Long length) {
  const std::int64_t from = std::max<std::int64_t>(start, 1);
  const std::int64_t to =
      std::min<std::int64_t>(std::int64_t{start} + length, static_cast<std::int64_t>(text.size()) + 1);
  if (to <= from) return {};
  return Text(text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from)));
}

Long Len(std::u16string_view text) {
  return static_cast<Long>(std::min<std::size_t>(text.size(), std::numeric_limits<Long>::max()));
}

}  // namespace tarvex
