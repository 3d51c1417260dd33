#pragma once
// Reading numbers from text and writing them as text, in the plain notation or the user's. Texts
// are UTF-16.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/notation.h"
#include "core/text.h"

namespace tarvex {

// Reads the leading number of a text; only the point is a decimal separator. Throws Overflow when
// the number lies beyond the range of a Double.
double Val(std::u16string_view text);

// True when the whole text, apart from blanks at either end, is one number in the given notation.
bool IsNumeric(std::u16string_view text, const NumberNotation& notation = current_notation());

// A text that passes IsNumeric, read in that notation: Type mismatch for any other text, Overflow
// beyond the range of a Double.
double read_in_notation(std::u16string_view text, const NumberNotation& notation = current_notation());

// What the user meant by an entry: a numeric text in the user's notation ("1,000" is a thousand),
// anything else as Val reads its leading number ("12abc" is 12). Throws Overflow only.
double entered_number(std::u16string_view text);

// Decimal digits, a minus sign in front of a negative number.
Text whole_text(std::int64_t value);
// A whole number as its digits; any other value in 15 significant digits, with the user's decimal
// separator.
Text double_text(double value);
// A number rounded to a fixed count of decimals (0 to 6), with the user's decimal separator. Values
// of 1e15 and beyond, and those that are not finite, are written as double_text writes them.
Text fixed_text(double value, int decimals);

}  // namespace tarvex
