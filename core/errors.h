#pragma once
// The errors of the value rules. An error ends the operation in which it arises and travels outwards
// as a C++ exception until something catches it (the standard-value search, or the toolkit's event
// dispatch, which tells the user).
#include <stdexcept>
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
  explicit Error(ErrorKind kind);
  ErrorKind kind() const { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace tarvex
