#include "drive/session.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>
#include <variant>
#include <vector>

#include "core/notation.h"
#include "drive/property_text.h"
#include "toolkit/text_encoding.h"

namespace tarvex {

namespace {

// Splits "word rest": the rest is what follows the single space after the word, taken as it stands.
std::pair<std::string_view, std::string_view> split_word(std::string_view line) {
  const auto space = line.find(' ');
  if (space == std::string_view::npos) return {line, {}};
  return {line.substr(0, space), line.substr(space + 1)};
}

// The whole text as one number, or a script error that says what was wanted.
template <class Number>
Number parse_number(std::string_view text, const char* wanted) {
  Number number{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
    throw ScriptError{std::string("not ") + wanted + ": " + std::string(text)};
  }
  return number;
}

long parse_index(std::string_view text) { return parse_number<long>(text, "an index"); }
float parse_twips(std::string_view text) { return parse_number<float>(text, "a position in twips"); }

KeyPress parse_key(std::string_view key) {
  if (key == "Enter") return {KeyName::Enter};
  if (key == "Escape") return {KeyName::Escape};
  if (key == "Tab") return {KeyName::Tab};
  if (key == "Shift+Tab") return {KeyName::ShiftTab};
  if (key == "Space") return {KeyName::Space};
  if (key == "Up") return {KeyName::Up};
  if (key == "Down") return {KeyName::Down};
  if (key == "Left") return {KeyName::Left};
  if (key == "Right") return {KeyName::Right};
  if (key.size() == 5 && key.substr(0, 4) == "Alt+" && std::isalnum(static_cast<unsigned char>(key[4]))) {
    return {KeyName::Alt, static_cast<char16_t>(key[4])};
  }
  throw ScriptError{"unknown key: " + std::string(key)};
}

// "List(3)" gives 3; anything else gives -1.
long list_item_index(std::string_view property) {
  if (property.size() < 7 || property.substr(0, 5) != "List(" || property.back() != ')') return -1;
  return parse_index(property.substr(5, property.size() - 6));
}

}  // namespace

bool Session::step() {
  std::string line;
  while (!failure_ && toolkit_.running() && std::getline(script_, line)) {
    ++line_number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto [command, rest] = split_word(line);
    try {
      run(command, rest);
    } catch (const ScriptError& error) {
      failure_ = "line " + std::to_string(line_number_) + ": " + error.message;
      return false;
    }
    return !failure_ && toolkit_.running();
  }
  return false;
}

void Session::run(std::string_view command, std::string_view rest) {
  if (command == "type") {
    const auto [name, text] = split_word(rest);
    act(action::Type{find_control(name), from_utf8(text)});
  } else if (command == "focus") {
    act(action::Focus{find_control(rest)});
  } else if (command == "click") {
    act(action::Click{find_control(rest)});
  } else if (command == "pick") {
    const auto [name, index] = split_word(rest);
    act(action::Pick{find_control(name), parse_index(index)});
  } else if (command == "spin") {
    if (rest != "up" && rest != "down") throw ScriptError{"spin takes up or down"};
    act(action::Spin{find_control("UpDown1"), rest == "up" ? +1 : -1});
  } else if (command == "key") {
    act(action::Key{parse_key(rest)});
  } else if (command == "close") {
    act(action::Close{active_window()});
  } else if (command == "set") {
    const auto [name, value] = split_word(rest);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos) throw ScriptError{"set takes CONTROL.Property: " + std::string(name)};
    PropertyBase* property = find_control(name.substr(0, dot)).property(name.substr(dot + 1));
    if (property == nullptr) throw ScriptError{"unknown property: " + std::string(name)};
    if (!property->writable()) throw ScriptError{std::string(name) + " is read-only"};
    // A value that is no value of the property is the script's error; what the write sets off is
    // the program's, which the toolkit reports.
    PropertyValue parsed;
    try {
      parsed = parse_property(*property, value);
    } catch (const BadPropertyText& bad) {
      throw ScriptError{bad.message};
    }
    toolkit_.dispatch([&] { property->write_value(parsed); });
  } else if (command == "notation") {
    // The number notation that the user's locale would have given at start-up: the decimal and the
    // grouping separator, one character each.
    const std::u16string separators = from_utf8(rest);
    if (separators.size() != 3 || separators[1] != u' ') throw ScriptError{"notation takes DECIMAL GROUPING"};
    NumberNotation notation = current_notation();
    notation.decimal_separator = separators[0];
    notation.grouping_separator = separators[2];
    set_current_notation(notation);
  } else if (command == "print") {
    const std::string value = read(rest);
    out_ << rest << '=' << value << '\n';
  } else if (command == "dump") {
    dump();
  } else if (command == "shot") {
    if (rest.empty()) throw ScriptError{"shot takes a file name"};
    hands_.shot(std::string(rest));
  } else if (command == "pixel") {
    const auto [x, y] = split_word(rest);
    const std::string value = hands_.pixel(parse_twips(x), parse_twips(y));
    out_ << "pixel " << rest << '=' << value << '\n';
  } else {
    throw ScriptError{"unknown command: " + std::string(command)};
  }
}

// The window's answer is the toolkit's: a refused action is printed and never reaches the hands.
void Session::act(const UserAction& action) {
  if (auto refusal = input_.refusal(action)) {
    out_ << "refused: " << *refusal << '\n';
    return;
  }
  hands_.perform(action);
}

Form& Session::active_window() const {
  Form* active = toolkit_.active_window();
  if (active == nullptr) throw ScriptError{"no window is open"};
  return *active;
}

Form* Session::window_named(std::string_view name) const {
  for (Form* window : toolkit_.loaded_windows()) {
    if (window->name() == name) return window;
  }
  return nullptr;
}

// A name is a control of the active window unless qualified with its window; an unqualified name
// that only another loaded window has means that window's control.
Control& Session::find_control(std::string_view name) const {
  const auto dot = name.find('.');
  if (dot != std::string_view::npos) {
    Form* window = window_named(name.substr(0, dot));
    if (window == nullptr) throw ScriptError{"unknown window: " + std::string(name.substr(0, dot))};
    Control* control = window->find(name.substr(dot + 1));
    if (control == nullptr) throw ScriptError{"unknown control: " + std::string(name)};
    return *control;
  }
  if (Form* window = window_named(name)) return *window;
  Form& active = active_window();
  if (Control* control = active.find(name)) return *control;
  for (Form* window : toolkit_.loaded_windows()) {
    if (Control* control = window->find(name)) return *control;
  }
  throw ScriptError{"unknown control: " + std::string(name)};
}

std::string Session::read(std::string_view name) const {
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    // The active window's values first, then those of the other loaded windows.
    std::vector<Form*> windows{&active_window()};
    for (Form* window : toolkit_.loaded_windows()) {
      if (window != windows.front()) windows.push_back(window);
    }
    for (Form* window : windows) {
      for (const WindowValue& value : window_values_of(*window)) {
        if (value.name == name) return format_window_value(value);
      }
    }
    throw ScriptError{"unknown name: " + std::string(name)};
  }
  Control& target = find_control(name.substr(0, dot));
  const std::string_view property_name = name.substr(dot + 1);
  if (const long item = list_item_index(property_name); item >= 0) {
    if (!target.traits().list) {
      throw ScriptError{"not a list: " + target.name()};
    }
    const auto& items = static_cast<ListControl&>(target).items();
    if (item >= static_cast<long>(items.size())) throw ScriptError{"no such item: " + std::string(name)};
    return to_utf8(items[static_cast<std::size_t>(item)]);
  }
  const PropertyBase* property = target.property(property_name);
  if (property == nullptr) throw ScriptError{"unknown property: " + std::string(name)};
  return format_property(*property);
}

void Session::dump() const {
  const Form& window = active_window();
  std::vector<std::pair<std::string, std::string>> lines;
  for (const PropertyBase* property : window.properties()) {
    lines.emplace_back(window.name() + "." + std::string(property->name()), format_property(*property));
  }
  for (const Control* control : window.controls()) {
    for (const PropertyBase* property : control->properties()) {
      lines.emplace_back(control->name() + "." + std::string(property->name()), format_property(*property));
    }
    if (control->traits().list) {
      const auto& items = static_cast<const ListControl*>(control)->items();
      for (std::size_t i = 0; i < items.size(); ++i) {
        lines.emplace_back(control->name() + ".List(" + std::to_string(i) + ")", to_utf8(items[i]));
      }
    }
  }
  for (const WindowValue& value : window_values_of(window)) lines.emplace_back(value.name, format_window_value(value));
  std::sort(lines.begin(), lines.end());
  for (const auto& [name, value] : lines) out_ << name << '=' << value << '\n';
}

}  // namespace tarvex
