#include "toolkit/property.h"

#include <charconv>
#include <cstdio>

#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

PropertyBase::PropertyBase(Control& owner, PropertyId id, bool writable)
    : owner_(owner), id_(id), writable_(writable) {
  owner_.add_property(*this);
}

void PropertyBase::tell_view() { owner_.form().tell_view(owner_, *this); }

std::string format_value(const Text& value) { return to_utf8(value); }
std::string format_value(bool value) { return value ? "True" : "False"; }

std::string format_value(Color value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(bgr_of(value)));
  return buffer;
}

namespace {

template <class Number>
std::string format_number(Number value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

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

}  // namespace

std::string format_value(std::int16_t value) { return format_number(value); }
std::string format_value(std::int32_t value) { return format_number(value); }
std::string format_value(float value) { return format_number(value == 0 ? 0.0f : value); }

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

void parse_value(std::string_view text, std::int16_t& out) { parse_number(text, out); }
void parse_value(std::string_view text, std::int32_t& out) { parse_number(text, out); }
void parse_value(std::string_view text, float& out) { parse_number(text, out); }

}  // namespace tarvex
