#pragma once
// A control's property: a value that tells its window when it changes, so that a view can update
// that one widget property. Writes from code go through write(); the design-time content is laid in
// with set_initial(), which tells nobody.
#include <cstdint>
#include <concepts>
#include <functional>
#include <string>
#include <string_view>

#include "core/color.h"
#include "core/variant.h"
#include "toolkit/property_id.h"

namespace tarvex {

class Control;

// Raised by write_text() for a text that is no value of the property's type (a script error).
struct BadPropertyText {
  std::string message;
};

class PropertyBase {
 public:
  PropertyBase(Control& owner, PropertyId id, bool writable);
  PropertyBase(const PropertyBase&) = delete;
  PropertyBase& operator=(const PropertyBase&) = delete;
  virtual ~PropertyBase() = default;

  PropertyId id() const { return id_; }
  std::string_view name() const { return property_name(id_); }
  Control& owner() const { return owner_; }
  // False for values that only the control itself or the toolkit maintains (a list's Text,
  // ListCount, a window's Visible).
  bool writable() const { return writable_; }
  void make_read_only() { writable_ = false; }

  // The value as the driver prints it: UTF-8 text, True/False, 0x00BBGGRR, numbers.
  virtual std::string format() const = 0;
  // Parses a printed form and writes it as code would (with every check and event of write()).
  virtual void write_text(std::string_view text) = 0;

 protected:
  void tell_view();

 private:
  Control& owner_;
  PropertyId id_;
  bool writable_;
};

std::string format_value(const Text& value);
std::string format_value(bool value);
std::string format_value(Color value);
std::string format_value(std::int16_t value);
std::string format_value(std::int32_t value);
std::string format_value(float value);

void parse_value(std::string_view text, Text& out);
void parse_value(std::string_view text, bool& out);
void parse_value(std::string_view text, Color& out);
void parse_value(std::string_view text, std::int16_t& out);
void parse_value(std::string_view text, std::int32_t& out);
void parse_value(std::string_view text, float& out);

template <class T>
class Property final : public PropertyBase {
 public:
  Property(Control& owner, PropertyId id, T initial = T{}, bool writable = true)
      : PropertyBase(owner, id, writable), value_(std::move(initial)) {}

  const T& get() const { return value_; }
  operator const T&() const { return value_; }
  // Lets a text property go straight to the value rules, which take texts as views.
  operator std::u16string_view() const
    requires std::same_as<T, Text>
  {
    return value_;
  }

  Property& operator=(const T& value) {
    write(value);
    return *this;
  }
  Property& operator=(const Property& other) {
    write(other.get());
    return *this;
  }

  // A write from code: the control's check first (it may throw), then, if the value differs, the
  // new value, the view's notice and the control's reaction (which may run an event handler).
  void write(const T& value) {
    if (check_) check_(value);
    if (value == value_) return;
    store(value);
    if (react_) react_();
  }

  // The control's own upkeep: a new value and the view's notice, no check and no reaction.
  void store(const T& value) {
    if (value == value_) return;
    value_ = value;
    tell_view();
  }

  void set_initial(const T& value) { value_ = value; }

  void check_writes_with(std::function<void(const T&)> check) { check_ = std::move(check); }
  void react_to_changes_with(std::function<void()> react) { react_ = std::move(react); }

  std::string format() const override { return format_value(value_); }
  void write_text(std::string_view text) override {
    T parsed{};
    parse_value(text, parsed);
    write(parsed);
  }

 private:
  T value_;
  std::function<void(const T&)> check_;
  std::function<void()> react_;
};

}  // namespace tarvex
