#pragma once
// The errors of the value rules. An error ends the operation in which it arises and travels outwards
// as a C++ exception until something catches it (the standard-value search, or the toolkit's event
// dispatch, which tells the user).
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvex {

enum class ErrorKind {
  Overflow,
  DivisionByZero,
  TypeMismatch,
  InvalidPropertyValue,  // a list's ListIndex set beyond its items
};

// The words a user reads for each kind: "Overflow", "Division by zero", ...
std::string_view describe(ErrorKind kind);

class Error : public std::runtime_error {
 public:
  // The detail says what went wrong in the user's words ("cmb_band1.ListIndex cannot be 12: ...");
  // what() is always the kind's own words.
  explicit Error(ErrorKind kind, std::string detail = {});
  ErrorKind kind() const { return kind_; }
  const std::string& detail() const { return detail_; }

 private:
  ErrorKind kind_;
  std::string detail_;
};

}  // namespace tarvex
