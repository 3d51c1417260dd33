#pragma once
// Properties and window-level values as a script prints and writes them: UTF-8 text, True/False,
// colours as 0x00BBGGRR, numbers as C++ writes them.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/variant.h"
#include "toolkit/form.h"
#include "toolkit/property.h"

namespace tarvex {

// A text that is no value of the property's type (a script error).
struct BadPropertyText {
  std::string message;
};

std::string format_property(const PropertyBase& property);
std::string format_color(Color color);
// Reads the text as a value of the property's type; throws BadPropertyText for any other text.
PropertyValue parse_property(const PropertyBase& property, std::string_view text);

// A window-level value as the driver reads it: a Variant, a Long or a Boolean.
struct WindowValue {
  std::string name;
  std::variant<Variant, Long, bool> value;
};

// The window-level values of the windows that have any (the main window's m_ values), by name.
std::vector<WindowValue> window_values_of(const Form& window);
std::string format_window_value(const WindowValue& value);

}  // namespace tarvex
