#include "core/variant.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "core/number_text.h"
#include "tests/core/expect_error.h"

namespace tarvex {
namespace {

const NumberNotation kPlain{};
const NumberNotation kDecimalComma{u',', u'.', u"€"};

TEST(Val, ReadsTheLeadingNumberStepByStep) {
  const struct {
    const char* name;
    std::u16string text;
    double expected;
  } rows[] = {
      {"stops at the first character that cannot continue", u"12abc", 12},
      {"empty text is 0", u"", 0},
      {"text without a number is 0", u"abc", 0},
      {"blanks around are skipped", u" 2.5 ", 2.5},
      {"blanks, tabs and line feeds inside do not end it", u"1 0\t0\n0", 1000},
      {"only the point is a decimal separator", u"1,5", 1},
      {"exponent", u"1e3", 1000},
      {"exponent with sign", u"25E-1", 2.5},
      {"exponent without digits is ignored", u"1e", 1},
      {"sign and bare fraction", u"-.5", -0.5},
      {"hexadecimal", u"&HfF", 255},
      {"octal, and a digit beyond it ends it", u"&o178", 15},
      {"long octal is rounded, not wrapped", u"&O2000000000000000000000", 18446744073709551616.0},
      {"too small for a Double reads as 0", u"1e-400", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Val(row.text), row.expected);
  }
  EXPECT_FALSE(std::signbit(Val(u"-0")));
  EXPECT_FALSE(std::signbit(Val(u"-1e-400")));
}

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

// An entry of plain digits and at most one point is taken on a short path: it must mean what the full
// reading in the user's notation gives, in every notation ("1.500" is one and a half even where the
// point groups thousands, as a lone point proves nothing).
TEST(EnteredNumber, PlainEntriesMeanTheSameOnTheShortPathInEveryNotation) {
  const NumberNotation blank_groups{u',', u' ', u"zł"};
  for (const NumberNotation& notation : {kPlain, kDecimalComma, blank_groups}) {
    const ScopedNotation in(notation);
    for (const char16_t* text : {u"12", u"0", u"2.1", u"1.500", u"12.", u".5", u"007", u"123456789012345"}) {
      EXPECT_EQ(entered_number(text), IsNumeric(text) ? read_in_notation(text) : Val(text))
          << std::u16string(text).size();
    }
  }
}

// A comma that does not group thousands makes no number where the comma groups: the entry is then
// read as far as it goes, not as ten times what the user meant.
TEST(EnteredNumber, ACommaGroupsOnlyThousands) {
  EXPECT_EQ(entered_number(u"2,5"), 2);
  EXPECT_EQ(entered_number(u"1,000"), 1000);
  EXPECT_EQ(entered_number(u"12,345.5"), 12345.5);
  const ScopedNotation german(kDecimalComma);
  EXPECT_EQ(entered_number(u"2,5"), 2.5);
  EXPECT_EQ(entered_number(u"1.234,5"), 1234.5);
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

TEST(Val, NumbersBeyondTheDoubleOverflow) {
  ExpectError(ErrorKind::Overflow, [] { Val(u"1e400"); });
  ExpectError(ErrorKind::Overflow, [] { Val(std::u16string(400, u'9')); });
  ExpectError(ErrorKind::Overflow, [] { Val(u"&H" + std::u16string(300, u'F')); });
}

// Each row: the text, its value in the plain notation and in the decimal-comma one; nothing where
// it is not numeric. Reading a text in arithmetic must agree with IsNumeric in both.
TEST(IsNumeric, AgreesWithReadingInBothNotations) {
  using V = std::optional<double>;
  const V no;
  const struct {
    const char* name;
    std::u16string text;
    V plain;
    V comma;
  } rows[] = {
      {"plain whole number", u"12", 12, 12},
      {"blanks of all kinds around", u" \t12\r\n", 12, 12},
      {"empty", u"", no, no},
      {"lone sign", u"-", no, no},
      {"trailing letters", u"12abc", no, no},
      {"two numbers", u"1 2", no, no},
      {"two decimal points", u"1.2.3", no, no},
      {"plain decimal point always works", u"2.1", 2.1, 2.1},
      {"lone point with three digits stays decimal", u"1.500", 1.5, 1.5},
      {"locale decimal comma; no group of three to make it grouping", u"1,5", no, 1.5},
      {"a grouping comma takes exactly three digits after it", u"2,50", no, 2.5},
      {"and no more than three", u"1,0000", no, 1.0},
      {"grouped thousands", u"1,000", 1000, 1.0},
      {"grouped thousands with a fraction", u"12,345.5", 12345.5, no},
      {"every group of three", u"1,234,567", 1234567, no},
      {"one to three digits before the first separator", u"1234,567", no, 1234.567},
      {"grouping only between digits", u",5", no, 0.5},
      {"doubled grouping", u"1,,000", no, no},
      {"grouped thousands with decimals", u"1.234.567,5", no, 1234567.5},
      {"grouping after the decimal separator", u"1,500.000", 1500, no},
      {"trailing separator", u"5.", 5, 5},
      {"exponent needs a digit", u"1E+", no, no},
      {"currency before", u"$12", 12, no},
      {"currency after the sign", u"-$12", -12, no},
      {"currency before the sign", u"€-12", no, -12},
      {"currency after, spaced", u"12 €", no, 12},
      {"currency twice", u"$12$", no, no},
      {"hexadecimal form", u"&H1F", 31, 31},
      {"hexadecimal without digits", u"&H", no, no},
      {"parentheses are not a sign", u"(12)", no, no},
      {"trailing sign", u"12-", no, no},
      {"grouping right before the decimal separator", u"1,.5", no, no},
      {"a grouping point takes exactly three digits", u"1.2345,6", no, no},
  };
  for (const auto& row : rows) {
    const struct {
      const NumberNotation& notation;
      const char* label;
      V expected;
    } cases[] = {{kPlain, " (plain)", row.plain}, {kDecimalComma, " (decimal comma)", row.comma}};
    for (const auto& [notation, label, expected] : cases) {
      SCOPED_TRACE(std::string(row.name) + label);
      ScopedNotation scoped(notation);
      EXPECT_EQ(IsNumeric(row.text), expected.has_value());
      if (expected) {
        EXPECT_EQ((Variant::String(row.text) - Variant()).double_value(), *expected);
      } else {
        ExpectError(ErrorKind::TypeMismatch, [&] { Variant::String(row.text) - Variant(); });
      }
    }
  }
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
