#include "drive/property_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

#include "main_window/frm_main.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

namespace {

template <class Number>
std::string format_number(Number value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string format_value(const Text& value) { return to_utf8(value); }
std::string format_value(bool value) { return value ? "True" : "False"; }
std::string format_value(Color value) { return format_color(value); }
std::string format_value(Integer value) { return format_number(value); }
std::string format_value(Long value) { return format_number(value); }
// A negative zero prints as 0.
std::string format_value(float value) { return format_number(value == 0 ? 0.0f : value); }

template <class Number>
void parse_number(std::string_view text, Number& out) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto result = std::from_chars(first, last, out);
  if (first == last || result.ec != std::errc{} || result.ptr != last) {
    throw BadPropertyText{"not a number: " + std::string(text)};
  }
}

void parse_value(std::string_view text, Text& out) { out = from_utf8(text); }

void parse_value(std::string_view text, bool& out) {
  if (text == "True") {
    out = true;
  } else if (text == "False") {
    out = false;
  } else {
    throw BadPropertyText{"not True or False: " + std::string(text)};
  }
}

void parse_value(std::string_view text, Color& out) {
  std::uint32_t bgr = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const auto result = std::from_chars(text.data() + 2, text.data() + text.size(), bgr, 16);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
      throw BadPropertyText{"not a colour: " + std::string(text)};
    }
  } else {
    parse_number(text, bgr);
  }
  if (bgr > 0xFFFFFF) throw BadPropertyText{"not a 24-bit colour: " + std::string(text)};
  out = color_bgr(bgr);
}

void parse_value(std::string_view text, Integer& out) { parse_number(text, out); }
void parse_value(std::string_view text, Long& out) { parse_number(text, out); }
void parse_value(std::string_view text, float& out) { parse_number(text, out); }

}  // namespace

std::string format_color(Color color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(bgr_of(color)));
  return buffer;
}

std::string format_property(const PropertyBase& property) {
  return std::visit([](const auto& value) { return format_value(value); }, property.value());
}

PropertyValue parse_property(const PropertyBase& property, std::string_view text) {
  PropertyValue value = property.value();
  std::visit([text](auto& typed) { parse_value(text, typed); }, value);
  return value;
}

std::vector<WindowValue> window_values_of(const Form& window) {
  const auto* main = dynamic_cast<const frmMain*>(&window);
  if (main == nullptr) return {};
  return {{"m_band_digit", main->m_band_digit},
          {"m_leda", main->m_leda},
          {"m_leds", main->m_leds},
          {"m_ledv", main->m_ledv},
          {"m_nonzero", main->m_nonzero},
          {"m_opto_resistor", main->m_opto_resistor},
          {"m_resistor", main->m_resistor},
          {"m_supplyv", main->m_supplyv},
          {"m_valid", main->m_valid}};
}

std::string format_window_value(const WindowValue& value) {
  if (const auto* v = std::get_if<Variant>(&value.value)) {
    if (v->is_empty()) return "Empty";
    return std::string(kind_name(v->kind())) + " " + to_utf8(to_text(*v));
  }
  if (const auto* n = std::get_if<Long>(&value.value)) return std::to_string(*n);
  return std::get<bool>(value.value) ? "True" : "False";
}

}  // namespace tarvex
