#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "core/errors.h"

// Numbers are turned into text and back with std::from_chars / std::to_chars only: the Qt program
// calls setlocale, and the C library's conversions would then follow the user's locale behind our
// back. The notation the user sees is applied by hand, from NumberNotation.

namespace tarvex {

namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool is_octal_digit(char16_t c) { return c >= u'0' && c <= u'7'; }
bool is_hex_digit(char16_t c) { return is_digit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }
bool is_sign(char16_t c) { return c == u'+' || c == u'-'; }
bool is_exponent_mark(char16_t c) { return c == u'E' || c == u'e'; }
// Blanks that may surround an entered number as a whole.
bool is_outer_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
// Blanks that may stand between a currency symbol and the number (locales put a no-break space
// there).
bool is_inner_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }

int radix_of(char16_t marker) {
  if (marker == u'H' || marker == u'h') return 16;
  if (marker == u'O' || marker == u'o') return 8;
  return 0;
}
bool is_radix_digit(char16_t c, int radix) { return radix == 16 ? is_hex_digit(c) : is_octal_digit(c); }

// A number as it was written, reduced to ASCII digits, so that turning it into a Double needs no
// knowledge of the notation it came in.
struct WrittenNumber {
  int radix = 10;
  bool negative = false;
  std::string whole;  // every digit of an &H / &O number
  std::string fraction;
  bool exponent_negative = false;
  std::string exponent;
};

// from_chars reports both ends of the range alike, but a number too small for a Double is simply 0
// while one too large is an error: the position of the leading digit tells them apart.
double zero_or_overflow(const WrittenNumber& n) {
  const std::string digits = n.whole + n.fraction;
  const auto lead = digits.find_first_not_of('0');
  if (lead == std::string::npos) return 0.0;
  std::int64_t exponent = 0;
  for (char c : n.exponent) {
    exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
  }
  if (n.exponent_negative) exponent = -exponent;
  const auto magnitude = static_cast<std::int64_t>(n.whole.size()) - 1 - static_cast<std::int64_t>(lead) + exponent;
  if (magnitude < 0) return 0.0;
  throw Error(ErrorKind::Overflow);
}

// Octal digits regrouped as hexadecimal ones, so that from_chars rounds long octal numbers
// correctly.
std::string octal_as_hex(const std::string& octal) {
  std::string bits;
  for (char c : octal) {
    const int d = c - '0';
    bits += (d & 4) ? '1' : '0';
    bits += (d & 2) ? '1' : '0';
    bits += (d & 1) ? '1' : '0';
  }
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  std::string hex;
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
    hex += "0123456789abcdef"[v];
  }
  return hex;
}

double value_of(const WrittenNumber& n) {
  // A leading 0 keeps the text from being empty ("." and "&H" read as 0) and changes no value.
  std::string text(1, '0');
  std::chars_format format = std::chars_format::general;
  if (n.radix == 10) {
    text += n.whole;
    if (!n.fraction.empty()) text += '.' + n.fraction;
    if (!n.exponent.empty()) text += (n.exponent_negative ? "e-" : "e") + n.exponent;
  } else {
    text += n.radix == 16 ? n.whole : octal_as_hex(n.whole);
    format = std::chars_format::hex;
  }
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
  if (result.ec == std::errc::result_out_of_range) value = zero_or_overflow(n);
  // Adding +0.0 turns a negative zero into the one zero the rest of the program knows.
  return (n.negative ? -value : value) + 0.0;
}

char ascii(char16_t c) { return static_cast<char>(c); }

// Where a locale groups with the point, whether the points of this number are grouping after all:
// each followed by exactly three digits, and either two of them or the locale's decimal separator.
bool points_are_grouping(std::u16string_view number, char16_t decimal) {
  std::size_t end = 0;
  while (end < number.size() && (is_digit(number[end]) || number[end] == u'.' || number[end] == decimal)) {
    ++end;
  }
  const auto run = number.substr(0, end);
  const auto digit_at = [&](std::size_t k) { return k < run.size() && is_digit(run[k]); };
  for (std::size_t k = run.find(u'.'); k != run.npos; k = run.find(u'.', k + 1)) {
    if (!digit_at(k + 1) || !digit_at(k + 2) || !digit_at(k + 3) || digit_at(k + 4)) return false;
  }
  return std::count(run.begin(), run.end(), u'.') >= 2 || run.find(decimal) != run.npos;
}

// Whether the grouping separator at position at stands between groups of three digits, as written
// by hand ("1,000", "12,345.5"): one to three digits before the first separator, exactly three
// after each. Otherwise "2,5" would read as 25 where the comma groups, a ten-fold LED voltage.
bool separates_thousands(std::u16string_view text, std::size_t at, int digits_before) {
  if (digits_before < 1 || digits_before > 3) return false;
  for (std::size_t k = at + 1; k <= at + 3; ++k) {
    if (k >= text.size() || !is_digit(text[k])) return false;
  }
  return at + 4 >= text.size() || !is_digit(text[at + 4]);
}

// The one reading of a text in the user's notation, so that IsNumeric and every conversion that
// relies on it cannot disagree. Nothing when the text is not a number in that notation.
//
// Accepted: blanks around it all; a currency symbol before the number (either side of a sign) or
// after it; grouping separators between groups of three digits of the whole part; one decimal
// separator; an exponent with at least one digit; and the &H / &O forms on their own. Not accepted:
// trailing signs and parentheses, which nobody types into a voltage box.
//
// The point is always a decimal separator as well, because texts in the plain notation must read
// the same under every locale. Where the locale groups with the point (1.234,5) that clashes, so
// there the points count as grouping only when the number proves it: every point followed by
// exactly three digits, and either two points or the locale's own decimal separator after them.
// Otherwise a point is a decimal point: "2.1" and "1.500" are read as plain numbers, not as 21 and
// 1500, and "1.2.3" is no number at all.
std::optional<WrittenNumber> scan_in_notation(std::u16string_view text, const NumberNotation& notation) {
  while (!text.empty() && is_outer_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_outer_blank(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;

  WrittenNumber n;
  if (text.front() == u'&') {
    n.radix = text.size() >= 3 ? radix_of(text[1]) : 0;
    if (n.radix == 0) return std::nullopt;
    for (char16_t c : text.substr(2)) {
      if (!is_radix_digit(c, n.radix)) return std::nullopt;
      n.whole += ascii(c);
    }
    return n;
  }

  const std::u16string_view currency = notation.currency_symbol;
  bool currency_seen = false;
  std::size_t i = 0;
  auto take_leading_currency = [&] {
    if (currency_seen || currency.empty() || !text.substr(i).starts_with(currency)) return;
    currency_seen = true;
    i += currency.size();
    while (i < text.size() && is_inner_blank(text[i])) ++i;
  };
  take_leading_currency();
  if (i < text.size() && is_sign(text[i])) {
    n.negative = text[i] == u'-';
    ++i;
    take_leading_currency();
  }

  const char16_t decimal = notation.decimal_separator;
  const char16_t grouping = notation.grouping_separator;
  bool grouping_allowed = grouping != decimal;
  bool point_is_decimal = true;
  if (decimal != u'.' && grouping == u'.') {
    if (points_are_grouping(text.substr(i), decimal)) {
      point_is_decimal = false;
    } else {
      grouping_allowed = false;
    }
  }

  bool in_fraction = false;
  int group_digits = 0;  // digits of the whole part since its start or the last grouping separator
  while (i < text.size()) {
    const char16_t c = text[i];
    if (is_digit(c)) {
      (in_fraction ? n.fraction : n.whole) += ascii(c);
      if (!in_fraction) ++group_digits;
    } else if (grouping_allowed && c == grouping && !in_fraction && separates_thousands(text, i, group_digits)) {
      // a grouping separator of the whole part: skipped
      group_digits = 0;
    } else if (!in_fraction && (c == decimal || (point_is_decimal && c == u'.'))) {
      in_fraction = true;
    } else {
      break;
    }
    ++i;
  }
  if (n.whole.empty() && n.fraction.empty()) return std::nullopt;

  if (i < text.size() && is_exponent_mark(text[i])) {
    ++i;
    if (i < text.size() && is_sign(text[i])) n.exponent_negative = text[i++] == u'-';
    while (i < text.size() && is_digit(text[i])) n.exponent += ascii(text[i++]);
    if (n.exponent.empty()) return std::nullopt;
  }

  if (!currency_seen && !currency.empty()) {
    std::size_t j = i;
    while (j < text.size() && is_inner_blank(text[j])) ++j;
    if (text.substr(j) == currency) i = text.size();
  }
  if (i != text.size()) return std::nullopt;
  return n;
}

Text from_ascii(const char* first, const char* last) { return Text(first, last); }

}  // namespace

double read_in_notation(std::u16string_view text, const NumberNotation& notation) {
  const auto written = scan_in_notation(text, notation);
  if (!written) throw Error(ErrorKind::TypeMismatch);
  return value_of(*written);
}

Text whole_text(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return from_ascii(buffer, result.ptr);
}

Text double_text(double value) {
  if (value == 0.0) return u"0";  // also keeps a negative zero from showing as "-0"
  if (std::trunc(value) == value && std::fabs(value) < 1e15) {
    return whole_text(static_cast<std::int64_t>(value));
  }
  // The largest Doubles round, at 15 digits, to a number beyond the Double's range, which would not
  // read back: they are written as the largest 15-digit number that does.
  constexpr double kLargest15Digits = 1.79769313486231e308;
  if (std::fabs(value) > kLargest15Digits) value = std::copysign(kLargest15Digits, value);
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  Text text;
  for (const char* p = buffer; p != result.ptr; ++p) {
    if (*p == '.') {
      text += current_notation().decimal_separator;
    } else {
      text += static_cast<char16_t>(*p == 'e' ? 'E' : *p);
    }
  }
  return text;
}

Text fixed_text(double value, int decimals) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return double_text(value);
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, std::clamp(decimals, 0, 6));
  const char* first = buffer;
  const char* const last = result.ptr;
  // A small negative value that rounds to nothing is written as nothing, not as "-0.0".
  if (*first == '-' && std::all_of(first + 1, last, [](char c) { return c == '0' || c == '.'; })) ++first;
  Text text;
  for (const char* p = first; p != last; ++p) {
    text += *p == '.' ? current_notation().decimal_separator : static_cast<char16_t>(*p);
  }
  return text;
}

namespace {

// The texts read most often (the standard values that each Compute walks, plain entries) are a few
// digits with at most one point, and are read here without building the written form. Up to 15
// digits they make an exact Double, and so does each power of ten up to 1e15, so the one division
// rounds exactly as the full reading would.
std::optional<double> plain_decimal(std::u16string_view text) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::uint64_t digits = 0;
  int count = 0;
  int fraction = -1;  // digits after the point; -1 before it
  for (char16_t c : text) {
    if (is_digit(c)) {
      if (++count > 15) return std::nullopt;
      digits = digits * 10 + static_cast<std::uint64_t>(c - u'0');
      if (fraction >= 0) ++fraction;
    } else if (c == u'.' && fraction < 0) {
      fraction = 0;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;
  const double whole = static_cast<double>(digits);
  return fraction > 0 ? whole / kPowersOfTen[fraction] : whole;
}

}  // namespace

double Val(std::u16string_view text) {
  if (const auto plain = plain_decimal(text)) return *plain;
  // Blanks never end the number, wherever they stand, so they are dropped before reading.
  std::u16string t;
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n') t += c;
  }
  WrittenNumber n;
  std::size_t i = 0;
  if (t.size() >= 2 && t[0] == u'&' && radix_of(t[1]) != 0) {
    n.radix = radix_of(t[1]);
    for (i = 2; i < t.size() && is_radix_digit(t[i], n.radix); ++i) n.whole += ascii(t[i]);
    return value_of(n);
  }
  if (i < t.size() && is_sign(t[i])) n.negative = t[i++] == u'-';
  bool in_fraction = false;
  for (; i < t.size(); ++i) {
    if (is_digit(t[i])) {
      (in_fraction ? n.fraction : n.whole) += ascii(t[i]);
    } else if (t[i] == u'.' && !in_fraction) {
      in_fraction = true;
    } else {
      break;
    }
  }
  if (n.whole.empty() && n.fraction.empty()) return 0.0;
  if (i < t.size() && is_exponent_mark(t[i])) {
    std::size_t j = i + 1;
    const bool negative = j < t.size() && t[j] == u'-';
    if (j < t.size() && is_sign(t[j])) ++j;
    for (; j < t.size() && is_digit(t[j]); ++j) n.exponent += ascii(t[j]);
    n.exponent_negative = negative;
  }
  return value_of(n);
}

bool IsNumeric(std::u16string_view text, const NumberNotation& notation) {
  return scan_in_notation(text, notation).has_value();
}
double entered_number(std::u16string_view text) {
  // Plain digits with at most one point mean the same in every notation (a lone point is never
  // taken for grouping), and are most of what users type.
  if (const auto plain = plain_decimal(text)) return *plain;
  return IsNumeric(text) ? read_in_notation(text) : Val(text);
}

}  // namespace tarvex
