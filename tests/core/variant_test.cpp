#include "core/variant.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/number_text.h"
#include "tests/core/expect_error.h"

namespace tarvex {
namespace {

const NumberNotation kDecimalComma{u',', u'.', u"€"};

// Plain digits with at most one point are the texts read most often, and have a path of their own:
// it must give the nearest Double to the last bit, at every length and place of the point, up to the
// 15 digits it takes and past them, where the full reading takes over.
TEST(Val, PlainDigitsAndOnePointReadAsTheNearestDouble) {
  std::mt19937_64 random(20261208);
  for (int length = 1; length <= 18; ++length) {
    for (int point = -1; point <= length; ++point) {
      for (int sample = 0; sample < 200; ++sample) {
        std::string written;
        for (int i = 0; i < length; ++i) {
          if (i == point) written += '.';
          written += static_cast<char>('0' + random() % 10);
        }
        if (point == length) written += '.';
        double expected = 0;
        std::from_chars(written.data(), written.data() + written.size(), expected);
        EXPECT_EQ(Val(std::u16string(written.begin(), written.end())), expected) << written;
      }
    }
  }
}

// Longer than the generated texts: hundreds of digits round to the nearest Double, or overflow.
TEST(Val, LongNumbersRoundOrOverflow) {
  EXPECT_EQ(Val(u"&O2000000000000000000000"), 18446744073709551616.0);  // not wrapped at 64 bits
  ExpectError(ErrorKind::Overflow, [] { Val(std::u16string(400, u'9')); });
  ExpectError(ErrorKind::Overflow, [] { Val(u"&H" + std::u16string(300, u'F')); });
}

// A locale's separator of more than one character (a narrow no-break space with a mark, say) cannot
// stand for one: the plain one stays.
TEST(NotationOf, TakesTheLocalesOneCharacterSeparatorsAndItsCurrency) {
  const NumberNotation german = notation_of(u",", u".", u"€");
  EXPECT_EQ(std::u16string({german.decimal_separator, german.grouping_separator}), u",.");
  EXPECT_EQ(german.currency_symbol, u"€");
  const NumberNotation odd = notation_of(u"", u"\u202F\u0301", u"");
  EXPECT_EQ(std::u16string({odd.decimal_separator, odd.grouping_separator}), u".,");
}

TEST(Arithmetic, ResultKinds) {
  using V = Variant;
  const struct {
    const char* name;
    V result;
    V expected;
  } rows[] = {
      {"Integer times Integer stays Integer", V::Integer(100) * V::Integer(3), V::Integer(300)},
      {"Integer result too big widens to Long", V::Integer(200) * V::Integer(200), V::Long(40000)},
      {"Integer minus Long is Long", V::Integer(1) - V::Long(1), V::Long(0)},
      {"Long result too big widens to Double", V::Long(-2147483647 - 1) * V::Integer(-1), V::Double(2147483648.0)},
      {"Empty counts as Integer 0", V() - V::Integer(3), V::Integer(-3)},
      {"True counts as -1", V::Boolean(true) * V::Integer(3), V::Integer(-3)},
      {"a Double operand gives a Double", V::Double(0.5) - V::Integer(1), V::Double(-0.5)},
      {"division always gives a Double", V::Integer(6) / V::Integer(3), V::Double(2)},
      {"a numeric text is read as a Double", V::String(u" 2 ") * V::Integer(3), V::Double(6)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.result, row.expected);
  }
}

TEST(Arithmetic, ErrorsCarryTheirKind) {
  ExpectError(ErrorKind::DivisionByZero, [] { Variant::Integer(1) / Variant(); });
  ExpectError(ErrorKind::DivisionByZero, [] { Variant::Double(0) / Variant::Double(0); });
  ExpectError(ErrorKind::Overflow, [] { Variant::Double(1e308) * Variant::Integer(10); });
  ExpectError(ErrorKind::Overflow, [] { Variant::Double(1e308) / Variant::Double(1e-10); });
  ExpectError(ErrorKind::TypeMismatch, [] { Variant::String(u"abc") - Variant::Integer(1); });
}

TEST(Comparison, NumbersByValueTextsByCodeUnit) {
  using V = Variant;
  EXPECT_TRUE(equals(V(), V::Integer(0)));
  EXPECT_TRUE(equals(V(), V::String(u"")));
  EXPECT_TRUE(equals(V::Boolean(true), V::Long(-1)));
  EXPECT_FALSE(equals(V::Double(-0.5), V::Integer(0)));
  EXPECT_TRUE(greater_than(V::Long(3), V::Double(2.5)));
  EXPECT_TRUE(greater_than(V::String(u"a"), V::String(u"B")));  // case-sensitive code units
  EXPECT_TRUE(greater_than(V::String(u"10"), V::Integer(9)));   // a number against a text: by value
  EXPECT_FALSE(greater_than(V::String(u"10"), V::String(u"9")));
  ExpectError(ErrorKind::TypeMismatch, [] { equals(V::String(u"x"), V::Integer(1)); });
}

// Each kind takes every whole number of its range, its very ends included, and nothing beyond.
TEST(Conversion, TakesTheExactBoundsOfEachKind) {
  EXPECT_EQ(to_integer(Variant::Double(32767.4)), 32767);
  EXPECT_EQ(to_integer(Variant::Long(32767)), 32767);
  EXPECT_EQ(to_integer(Variant::Double(-32768)), -32768);
  EXPECT_EQ(to_long(Variant::Double(2147483647.0)), 2147483647);
  EXPECT_EQ(to_long(Variant::Double(-2147483648.0)), -2147483647 - 1);
  EXPECT_EQ(to_long(Variant::String(u"2147483647")), 2147483647);
  ExpectError(ErrorKind::Overflow, [] { to_integer(Variant::Long(32768)); });
  ExpectError(ErrorKind::Overflow, [] { to_long(Variant::Double(2147483648.0)); });
  ExpectError(ErrorKind::Overflow, [] { to_long(Variant::Double(-2147483649.0)); });
}

TEST(Conversion, RoundsHalfToEvenAndTestsTheRangeAfterwards) {
  EXPECT_EQ(to_long(Variant::Double(2.5)), 2);
  EXPECT_EQ(to_long(Variant::Double(3.5)), 4);
  EXPECT_EQ(to_long(Variant::Double(-2.5)), -2);
  EXPECT_EQ(to_long(Variant::Double(2.5000000000000004)), 3);
  EXPECT_EQ(to_long(Variant::Double(-2147483648.5)), -2147483647 - 1);
  EXPECT_EQ(to_integer(Variant::Double(-32768.5)), -32768);
  EXPECT_EQ(to_integer(Variant::String(u" 7.5 ")), 8);
  EXPECT_EQ(to_integer(Variant()), 0);
  EXPECT_EQ(to_integer(Variant::Boolean(true)), -1);
  ExpectError(ErrorKind::Overflow, [] { to_long(Variant::Double(2147483647.5)); });
  ExpectError(ErrorKind::Overflow, [] { to_integer(Variant::Double(-32768.6)); });
  ExpectError(ErrorKind::Overflow, [] { to_integer(Variant::Double(32767.5)); });
  ExpectError(ErrorKind::Overflow, [] { to_integer(Variant::Long(40000)); });
  ExpectError(ErrorKind::Overflow, [] { to_long(Variant::Double(std::nan(""))); });
  ExpectError(ErrorKind::TypeMismatch, [] { to_long(Variant::String(u"12abc")); });
}

TEST(TextForm, InBothNotations) {
  using V = Variant;
  const struct {
    const char* name;
    V value;
    std::u16string plain;
    std::u16string comma;
  } rows[] = {
      {"whole Double without separator", V::Double(1000), u"1000", u"1000"},
      {"fraction in 15 significant digits", V::Double(4.3), u"4.3", u"4,3"},
      {"sum with a stray last bit", V::Double(0.1 + 0.2), u"0.3", u"0,3"},
      {"leading zero below 1", V::Double(-0.25), u"-0.25", u"-0,25"},
      {"negative zero", V::Double(-0.0), u"0", u"0"},
      {"largest plain whole number", V::Double(999999999999999), u"999999999999999", u"999999999999999"},
      {"exponent form from 1e15", V::Double(1e15), u"1E+15", u"1E+15"},
      {"exponent form below 0.0001", V::Double(1.5e-5), u"1.5E-05", u"1,5E-05"},
      {"the largest Double, within the range", V::Double(std::numeric_limits<double>::max()), u"1.79769313486231E+308",
       u"1,79769313486231E+308"},
      {"the lowest Double, within the range", V::Double(std::numeric_limits<double>::lowest()),
       u"-1.79769313486231E+308", u"-1,79769313486231E+308"},
      {"Long", V::Long(-50), u"-50", u"-50"},
      {"Boolean", V::Boolean(false), u"False", u"False"},
      {"Empty", V(), u"", u""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(to_text(row.value), row.plain);
    ScopedNotation comma(kDecimalComma);
    EXPECT_EQ(to_text(row.value), row.comma);
  }
  EXPECT_EQ(join(V::String(u"Resistor value is "), V::Long(500)), u"Resistor value is 500");
}

TEST(TextOperations, TrimMidLen) {
  EXPECT_EQ(Trim(u"  \t4.7  "), u"\t4.7");
  EXPECT_EQ(Mid(u"510", 2, 1), u"1");
  EXPECT_EQ(Mid(u"51", 3, 1), u"");
  EXPECT_EQ(Mid(u"510", 2, 5), u"10");
  EXPECT_EQ(Mid(u"510", 0, 2), u"5");  // positions before the text hold nothing
  EXPECT_EQ(Mid(u"510", 1, -1), u"");
  EXPECT_EQ(Mid(u"510", 2, std::numeric_limits<Long>::max()), u"10");
  EXPECT_EQ(Len(u"Ω"), 1);
  EXPECT_EQ(Len(u"\U0001F4A1"), 2);  // UTF-16 code units, not characters
}

}  // namespace
}  // namespace tarvex
