#include "core/errors.h"

#include <string>
#include <utility>

namespace tarvex {

std::string_view describe(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Overflow: return "Overflow";
    case ErrorKind::DivisionByZero: return "Division by zero";
    case ErrorKind::TypeMismatch: return "Type mismatch";
    case ErrorKind::InvalidPropertyValue: return "Invalid property value";
  }
  return "Unknown error";
}

Error::Error(ErrorKind kind, std::string detail)
    : std::runtime_error(std::string(describe(kind))), kind_(kind), detail_(std::move(detail)) {}

}  // namespace tarvex
