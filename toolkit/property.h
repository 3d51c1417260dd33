#pragma once
// A control's property: a value that tells its window when it changes, so that a view can update
// that one widget property. Writes from code go through write(); the design-time content is laid in
// with set_initial(), which tells nobody. A ReadOnlyProperty takes no writes from code at all: only
// its control (or the toolkit) keeps it.
#include <concepts>
#include <functional>
#include <string_view>
#include <utility>
#include <variant>

#include "core/color.h"
#include "core/text.h"
#include "toolkit/property_id.h"

namespace tarvex {

class Control;
class Form;
class ListControl;
class Toolkit;

// The value of any property, for code that handles properties without knowing their type (a driver
// that prints and writes them by name).
using PropertyValue = std::variant<Text, bool, Color, Integer, Long, float>;

class PropertyBase {
 public:
  PropertyBase(Control& owner, PropertyId id);
  PropertyBase(const PropertyBase&) = delete;
  PropertyBase& operator=(const PropertyBase&) = delete;
  virtual ~PropertyBase() = default;

  PropertyId id() const { return id_; }
  std::string_view name() const { return property_name(id_); }
  Control& owner() const { return owner_; }

  virtual PropertyValue value() const = 0;
  // False for values that only the control itself or the toolkit maintains.
  virtual bool writable() const = 0;
  // A write from code, with every check and event of write(). A value of another type than the
  // property's fails with the property error (Invalid property value), and so does a write to a
  // property that takes none.
  virtual void write_value(const PropertyValue& value) = 0;

 protected:
  void tell_view();

 private:
  friend class Toolkit;
  template <class T>
  friend class StoredProperty;
  // Whether the value is back where it was before the first of the changes the toolkit is holding.
  virtual bool same_as_noted() const = 0;

  Control& owner_;
  PropertyId id_;
  // The place of this property among the changes the toolkit is holding for the view, or -1.
  int pending_ = -1;
};

// Raised by write_value() for a value of the wrong type, and by a write to a read-only property.
[[noreturn]] void refuse_property_write(const PropertyBase& property);

// What the read-only and the writable properties share: the value, the upkeep and the view's notice.
template <class T>
class StoredProperty : public PropertyBase {
 public:
  StoredProperty(Control& owner, PropertyId id, T initial) : PropertyBase(owner, id), value_(std::move(initial)) {}

  const T& get() const { return value_; }
  operator const T&() const { return value_; }
  // Lets a text property go straight to the value rules, which take texts as views.
  operator std::u16string_view() const requires std::same_as<T, Text> { return value_; }

  PropertyValue value() const override { return value_; }
  void set_initial(const T& value) { value_ = value; }

 protected:
  // The control's own upkeep: a new value and the view's notice, no check and no reaction.
  void store(const T& value) {
    if (value == value_) return;
    // The old value is kept (moved, not copied) for the toolkit's check at the end of a dispatch.
    if (pending_ < 0) noted_ = std::move(value_);
    value_ = value;
    tell_view();
  }

 private:
  bool same_as_noted() const override { return value_ == noted_; }

  T value_;
  T noted_{};
};

template <class T>
class ReadOnlyProperty final : public StoredProperty<T> {
 public:
  ReadOnlyProperty(Control& owner, PropertyId id, T initial = T{}) : StoredProperty<T>(owner, id, std::move(initial)) {}

  bool writable() const override { return false; }
  void write_value(const PropertyValue&) override { refuse_property_write(*this); }

 private:
  friend class ListControl;
  friend class Form;
  friend class Toolkit;
  using StoredProperty<T>::store;
};

template <class T>
class Property final : public StoredProperty<T> {
 public:
  Property(Control& owner, PropertyId id, T initial = T{}) : StoredProperty<T>(owner, id, std::move(initial)) {}

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
    if (!writable_) refuse_property_write(*this);
    if (check_) check_(value);
    if (value == this->get()) return;
    store(value);
    if (react_) react_();
  }

  using StoredProperty<T>::store;

  void check_writes_with(std::function<void(const T&)> check) { check_ = std::move(check); }
  void react_to_changes_with(std::function<void()> react) { react_ = std::move(react); }

  bool writable() const override { return writable_; }
  // For a property that a kind shares with the others but keeps to itself (a window's Visible,
  // which only the toolkit changes).
  void refuse_writes() { writable_ = false; }
  void write_value(const PropertyValue& value) override {
    const T* typed = std::get_if<T>(&value);
    if (typed == nullptr) refuse_property_write(*this);
    write(*typed);
  }

 private:
  std::function<void(const T&)> check_;
  std::function<void()> react_;
  bool writable_ = true;
};

}  // namespace tarvex
