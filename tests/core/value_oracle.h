#pragma once
// A second reading of how texts become numbers, written from the rules alone and sharing nothing with
// core/number_text.cpp, so that the tests can hold the program to it on texts nobody picked by hand.
// Plain rather than fast: each step is one rule. A number beyond the range of a Double is given as
// infinity here, where the program raises Overflow.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/notation.h"

namespace tarvex::oracle {

inline bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool is_octal(char16_t c) { return c >= u'0' && c <= u'7'; }
inline bool is_hex(char16_t c) { return is_digit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// Reads a text from the front, one piece at a time.
struct Cursor {
  std::u16string_view text;
  bool at_end() const { return text.empty(); }
  bool take(std::u16string_view piece) {
    if (piece.empty() || !text.starts_with(piece)) return false;
    text.remove_prefix(piece.size());
    return true;
  }
  template <class Belongs>
  std::u16string_view take_while(Belongs belongs) {
    std::size_t n = 0;
    while (n < text.size() && belongs(text[n])) ++n;
    const auto taken = text.substr(0, n);
    text.remove_prefix(n);
    return taken;
  }
  // An optional sign; true for a minus.
  bool take_sign() {
    if (take(u"-")) return true;
    take(u"+");
    return false;
  }
  // &H or &O, in either case: the bits that one digit of that base stands for; 0 where neither stands.
  int take_radix_marker() { return take(u"&H") || take(u"&h") ? 4 : take(u"&O") || take(u"&o") ? 3 : 0; }
  // An optional exponent: E in either case, an optional sign, digits. Nothing where an E stands
  // without a digit after it; 0 where there is no E.
  std::optional<long long> take_exponent() {
    if (!take(u"E") && !take(u"e")) return 0;
    const bool negative = take_sign();
    const auto digits = take_while(is_digit);
    if (digits.empty()) return std::nullopt;
    long long n = 0;  // past a billion the digits say no more: no Double reaches 10^1000
    for (char16_t c : digits) n = std::min(n * 10 + (c - u'0'), 1'000'000'000LL);
    return negative ? -n : n;
  }
};

// A sign, the digits before and after the decimal separator and an exponent, as the nearest Double.
// Written as digits and an exponent with no decimal point, strtod reads it alike in every C locale;
// it gives infinity where the number is too large for a Double, 0 or a tiny Double where too small.
inline double decimal_value(bool negative, std::u16string_view whole, std::u16string_view fraction,
                            long long exponent) {
  std::string written = "0";
  for (char16_t c : std::u16string(whole) + std::u16string(fraction)) written += static_cast<char>(c);
  written += "e" + std::to_string(exponent - static_cast<long long>(fraction.size()));
  const double size = std::strtod(written.c_str(), nullptr);
  return std::isinf(size) ? size : (negative ? -size : size) + 0.0;  // and no negative zero
}

// A whole number in base 8 or 16, of any length: its bits, of which a Double keeps the leading 53,
// rounded to nearest on the rest, ties to even.
inline double radix_value(std::u16string_view digits, int bits_per_digit) {
  std::string bits;
  for (char16_t c : digits) {
    const int d = is_digit(c) ? c - u'0' : (c | 0x20) - u'a' + 10;
    for (int b = bits_per_digit - 1; b >= 0; --b) bits += (d >> b) & 1 ? '1' : '0';
  }
  bits.erase(0, bits.find('1'));
  const std::string rest = bits.substr(std::min<std::size_t>(bits.size(), 53));
  double mantissa = 0;
  for (char b : bits.substr(0, 53)) mantissa = mantissa * 2 + (b - '0');
  if (rest.starts_with('1') && (rest.find('1', 1) != rest.npos || std::fmod(mantissa, 2) == 1)) mantissa += 1;
  return std::ldexp(mantissa, static_cast<int>(rest.size()));
}

// Val: the leading number of a text, in the plain notation only.
inline double val(std::u16string_view text) {
  // Spaces, tabs and line feeds never end the number, wherever they stand: reading looks past them.
  std::u16string without_blanks;
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n') without_blanks += c;
  }
  Cursor at{without_blanks};
  // &H and &O: a whole number in hexadecimal or octal digits, as far as such digits go.
  if (const int bits = at.take_radix_marker()) return radix_value(at.take_while(bits == 4 ? is_hex : is_octal), bits);
  // A sign may come first; then digits, with at most one point, the only decimal separator here.
  const bool negative = at.take_sign();
  const auto whole = at.take_while(is_digit);
  const auto fraction = at.take(u".") ? at.take_while(is_digit) : std::u16string_view();
  // A text that does not begin with a number reads as 0.
  if (whole.empty() && fraction.empty()) return 0;
  // An E without digits is no exponent: the number ends before it. Whatever follows is not read.
  return decimal_value(negative, whole, fraction, at.take_exponent().value_or(0));
}

// IsNumeric, and the reading in a notation: the number that the whole text is in that notation, or
// nothing where it is none.
inline std::optional<double> numeric_value(std::u16string_view text, const NumberNotation& notation) {
  // Spaces, tabs, carriage returns and line feeds at either end do not count.
  const auto outer_blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
  while (!text.empty() && outer_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && outer_blank(text.back())) text.remove_suffix(1);
  Cursor at{text};

  // &H and &O stand alone: the marker, one or more digits of that base, and nothing else.
  if (const int bits = at.take_radix_marker()) {
    const auto digits = at.take_while(bits == 4 ? is_hex : is_octal);
    if (digits.empty() || !at.at_end()) return std::nullopt;
    return radix_value(digits, bits);
  }

  // The currency symbol may stand once: before the number, on either side of its sign, or after it.
  // Blanks, the no-break space among them, may stand between the symbol and the number.
  const auto inner_blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; };
  const auto take_currency = [&](Cursor& from) {
    if (!from.take(notation.currency_symbol)) return false;
    from.take_while(inner_blank);
    return true;
  };
  bool currency_seen = take_currency(at);
  const bool negative = at.take_sign();
  if (!currency_seen) currency_seen = take_currency(at);

  // The locale's decimal separator is one, and so is the point, as in the plain notation; except where
  // the locale groups with the point and the number proves that it does: every point followed by
  // exactly three digits, and two points or the decimal separator after them. Then no point is a
  // decimal point; otherwise no point groups. A grouping separator that is the decimal one never groups.
  const char16_t decimal = notation.decimal_separator;
  const char16_t grouping = notation.grouping_separator;
  bool point_is_decimal = true;
  if (grouping == u'.' && decimal != u'.') {
    const auto run = Cursor(at).take_while([&](char16_t c) { return is_digit(c) || c == u'.' || c == decimal; });
    bool proven = run.find(decimal) != run.npos || std::count(run.begin(), run.end(), u'.') >= 2;
    for (auto k = run.find(u'.'); k != run.npos; k = run.find(u'.', k + 1)) {
      proven = proven && Cursor{run.substr(k + 1)}.take_while(is_digit).size() == 3;
    }
    point_is_decimal = !proven;
  }
  const bool grouping_applies = grouping != decimal && !(grouping == u'.' && point_is_decimal);

  // The whole part: digits, which grouping separators may part into groups, the first of one to three
  // digits and each after it of exactly three. A separator with no digit after it ends the number.
  std::u16string whole(at.take_while(is_digit));
  const std::size_t first_group = whole.size();
  while (grouping_applies && at.text.size() >= 2 && at.text[0] == grouping && is_digit(at.text[1])) {
    at.text.remove_prefix(1);
    const auto group = at.take_while(is_digit);
    if (first_group < 1 || first_group > 3 || group.size() != 3) return std::nullopt;
    whole += group;
  }
  // At most one decimal separator, before, between or after the digits; at least one digit.
  const bool has_fraction = at.take(std::u16string(1, decimal)) || (point_is_decimal && at.take(u"."));
  const auto fraction = has_fraction ? at.take_while(is_digit) : std::u16string_view();
  if (whole.empty() && fraction.empty()) return std::nullopt;
  const auto exponent = at.take_exponent();
  if (!exponent) return std::nullopt;
  Cursor after = at;
  after.take_while(inner_blank);
  if (!currency_seen && after.take(notation.currency_symbol) && after.at_end()) at = after;
  // Nothing may follow: no letter, no second number.
  if (!at.at_end()) return std::nullopt;
  return decimal_value(negative, whole, fraction, *exponent);
}

// What the user meant by an entry: the number it is in the user's notation, if it is one, else its
// leading number as Val reads it.
inline double entered_value(std::u16string_view text, const NumberNotation& notation) {
  return numeric_value(text, notation).value_or(val(text));
}

}  // namespace tarvex::oracle
