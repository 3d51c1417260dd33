#pragma once
// A value that carries its kind, and the one set of rules by which entered texts become numbers and
// numbers become texts again. Texts are UTF-16, so lengths and positions count UTF-16 code units.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/text.h"

namespace tarvex {

enum class VariantKind { Empty, Boolean, Integer, Long, Double, String };

class Variant {
 public:
  Variant() = default;  // Empty
  static Variant Boolean(bool value) { return Variant(Storage(value)); }
  static Variant Integer(tarvex::Integer value) { return Variant(Storage(value)); }
  static Variant Long(tarvex::Long value) { return Variant(Storage(value)); }
  static Variant Double(double value) { return Variant(Storage(value)); }
  static Variant String(Text value) { return Variant(Storage(std::move(value))); }

  VariantKind kind() const { return static_cast<VariantKind>(storage_.index()); }
  bool is_empty() const { return kind() == VariantKind::Empty; }

  // Typed reads; each requires the matching kind.
  bool boolean() const { return std::get<bool>(storage_); }
  tarvex::Integer integer() const { return std::get<tarvex::Integer>(storage_); }
  tarvex::Long long_value() const { return std::get<tarvex::Long>(storage_); }
  double double_value() const { return std::get<double>(storage_); }
  const Text& string() const { return std::get<Text>(storage_); }

  // Same kind and same content (not the comparison of the value rules: see equals()).
  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  using Storage = std::variant<std::monostate, bool, tarvex::Integer, tarvex::Long, double, Text>;
  explicit Variant(Storage storage) : storage_(std::move(storage)) {}
  Storage storage_;
};

// "Empty", "Boolean", "Integer", "Long", "Double", "String".
std::string_view kind_name(VariantKind kind);

// Arithmetic on the value rules; throws Overflow, Division by zero or Type mismatch.
Variant operator-(const Variant& left, const Variant& right);
Variant operator*(const Variant& left, const Variant& right);
Variant operator/(const Variant& left, const Variant& right);

// Comparison on the value rules (Empty counts as 0 or as the empty text).
bool equals(const Variant& left, const Variant& right);
bool greater_than(const Variant& left, const Variant& right);

// Conversion to a whole number: rounded half to even, range tested after rounding.
Integer to_integer(const Variant& value);
Long to_long(const Variant& value);

// The text form of a value, in the current notation.
Text to_text(const Variant& value);
// Joining: both sides in their text forms, the left one first.
Text join(const Variant& left, const Variant& right);

// Text operations. Mid counts from 1.
Text Trim(std::u16string_view text);
Text Mid(std::u16string_view text, Long start, Long length);
Long Len(std::u16string_view text);

}  // namespace tarvex
