#pragma once
// Controls as records of properties. Each kind carries the properties that handlers read and write
// (as Property members, named as the windows name them) and its design-time look, which a view reads
// once when it builds the widget. The records behave as the window toolkit would: a new ListIndex
// updates the list's Text and runs its Click handler, a changed check-box Value runs its Click
// handler, and option buttons of a window exclude each other.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "core/variant.h"
#include "toolkit/property.h"

namespace tarvex {

class Form;

enum class ControlKind {
  Form, Label, TextBox, ComboBox, ListBox, CheckBox, OptionButton, CommandButton,
  Shape, Line, Image, StatusBar, UpDown, Menu,
};

enum class Alignment { Left, Right, Center };

// Typeface and size in points; boldness is the FontBold property where the windows change it.
struct Font {
  std::u16string face = u"Verdana";
  float size = 8.25f;
  bool bold = false;
};

// The concrete colours of the system colours that the windows name.
inline constexpr Color kButtonFace = color_bgr(0xF0F0F0);
inline constexpr Color kWindowText = color_bgr(0x000000);
inline constexpr Color kWindowBackground = color_bgr(0xFFFFFF);
inline constexpr Color kShadow3D = color_bgr(0xA0A0A0);
inline constexpr Color kHighlight3D = color_bgr(0xFFFFFF);

using Handler = std::function<void()>;

// Position and size in twips (1/1440 inch), as the designer placed them.
struct Bounds {
  float left = 0, top = 0, width = 0, height = 0;
};

class Control {
 public:
  // Registers the control with its window (a window, built with itself as form, does not).
  Control(Form& form, std::string name, ControlKind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Form& form() const { return form_; }

  const std::vector<PropertyBase*>& properties() const { return properties_; }
  PropertyBase* property(std::string_view property_name) const;
  void add_property(PropertyBase& property) { properties_.push_back(&property); }

  virtual bool takes_focus() const { return false; }
  virtual bool enabled() const { return true; }

  // Runs a handler if one is attached; its errors travel to whoever raised the event.
  static void raise(const Handler& handler) {
    if (handler) handler();
  }

  // Events; a window attaches its handlers here.
  Handler Click;
  Handler GotFocus;
  Handler LostFocus;

  Text ToolTipText;  // design-time

 private:
  Form& form_;
  std::string name_;
  ControlKind kind_;
  std::vector<PropertyBase*> properties_;

 public:
  Property<bool> Visible{*this, "Visible", true};
};

// A control with a rectangle of its own.
class Placed : public Control {
 public:
  using Control::Control;
  void place(Bounds b);

  Property<float> Left{*this, "Left"};
  Property<float> Top{*this, "Top"};
  Property<float> Width{*this, "Width"};
  Property<float> Height{*this, "Height"};
};

// A control that takes the focus while it is visible and enabled.
class Focusable : public Placed {
 public:
  using Placed::Placed;
  bool takes_focus() const override { return Visible && Enabled; }
  bool enabled() const override { return Enabled; }

  Property<bool> Enabled{*this, "Enabled", true};
};

class Label : public Placed {
 public:
  Label(Form& form, std::string name);
  struct Design {
    Bounds at{};
    Text caption{};
    Font font{};
    Alignment alignment = Alignment::Left;
    bool auto_size = false;  // the width follows the caption, the left edge stays
    bool word_wrap = false;
    bool transparent = false;
    Color fore_color = kWindowText;
    Text tooltip{};
  };
  void design(const Design& d);

  // The text as drawn: captions in the Symbol typeface show the characters they stand for.
  Text shown_caption() const;
  Font shown_font() const;

  Font font;
  Alignment alignment = Alignment::Left;
  bool auto_size = false;
  bool word_wrap = false;
  bool transparent = false;

  Property<Text> Caption{*this, "Caption"};
  Property<Color> ForeColor{*this, "ForeColor", kWindowText};
  Property<bool> FontBold{*this, "FontBold"};
  Property<bool> Enabled{*this, "Enabled", true};

 private:
  float caption_width() const;
  void fit_to_caption();
};

class TextBox : public Focusable {
 public:
  TextBox(Form& form, std::string name);
  struct Design {
    Bounds at{};
    tarvex::Text text{};
    Alignment alignment = Alignment::Left;
    bool read_only = false;
    bool visible = true;
  };
  void design(const Design& d);

  Font font;
  Alignment alignment = Alignment::Left;
  bool read_only = false;  // takes the focus, refuses typing

  Property<tarvex::Text> Text{*this, "Text"};
  Property<Long> SelStart{*this, "SelStart"};
  Property<Long> SelLength{*this, "SelLength"};
  Property<Color> ForeColor{*this, "ForeColor", kWindowText};
};

// A drop-down list (no typing) or a plain list.
class ListControl : public Focusable {
 public:
  ListControl(Form& form, std::string name, ControlKind kind);
  struct Design {
    Bounds at{};
    std::vector<tarvex::Text> items{};
    bool visible = true;
    tarvex::Text tooltip{};
  };
  void design(const Design& d);

  const std::vector<tarvex::Text>& items() const { return items_; }

  Font font;

  // Setting it beyond the items fails with the list error (Invalid property value); a new value
  // updates Text and runs Click before the write returns.
  Property<Integer> ListIndex{*this, "ListIndex", -1};
  Property<tarvex::Text> Text{*this, "Text", {}, false};
  Property<Integer> ListCount{*this, "ListCount", 0, false};

 private:
  std::vector<tarvex::Text> items_;
};

class CheckBox : public Focusable {
 public:
  CheckBox(Form& form, std::string name);

  Font font;

  Property<Text> Caption{*this, "Caption"};
  Property<Integer> Value{*this, "Value"};  // 0 unchecked, 1 checked, 2 greyed; a change runs Click
};

class OptionButton : public Focusable {
 public:
  OptionButton(Form& form, std::string name);

  Font font;

  Property<Text> Caption{*this, "Caption"};
  Property<bool> Value{*this, "Value"};  // True clears every other option button of the window
};

class CommandButton : public Focusable {
 public:
  CommandButton(Form& form, std::string name);

  Font font;
  bool is_default = false;  // pressed by Enter
  bool is_cancel = false;   // pressed by Esc

  Property<Text> Caption{*this, "Caption"};
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

class Shape : public Placed {
 public:
  Shape(Form& form, std::string name);
  struct Design {
    Bounds at{};
    ShapeKind shape = ShapeKind::Rectangle;
    Color fill{};
    Color border{};
    bool has_border = true;
    int border_width = 1;  // pixels
  };
  void design(const Design& d);

  ShapeKind shape = ShapeKind::Rectangle;
  bool has_border = true;
  int border_width = 1;

  Property<Color> FillColor{*this, "FillColor"};
  Property<Color> BorderColor{*this, "BorderColor"};
};

class Line : public Control {
 public:
  Line(Form& form, std::string name);
  struct Design {
    float x1{}, y1{}, x2{}, y2{};
    Color color = kWindowText;
    int width = 1;  // pixels
  };
  void design(const Design& d);

  int border_width = 1;

  Property<float> X1{*this, "X1"};
  Property<float> Y1{*this, "Y1"};
  Property<float> X2{*this, "X2"};
  Property<float> Y2{*this, "Y2"};
  Property<Color> BorderColor{*this, "BorderColor", kWindowText};
};

class Image : public Placed {
 public:
  Image(Form& form, std::string name);
  bool enabled() const override { return Enabled; }

  std::string picture;  // resource name of the picture, shown stretched to the box

  Property<bool> Enabled{*this, "Enabled", true};
};

class StatusBar : public Placed {
 public:
  StatusBar(Form& form, std::string name);

  Property<Text> SimpleText{*this, "SimpleText"};
};

// Up and down arrows attached to a text box, whose text they keep equal to their value.
class UpDown : public Placed {
 public:
  UpDown(Form& form, std::string name);
  struct Design {
    Bounds at{};
    TextBox* buddy = nullptr;
    Long value = 0, min = 0, max = 10, increment = 1;
  };
  void design(const Design& d);
  bool enabled() const override { return Enabled; }

  // One click on an arrow: a step within the bounds; at a bound nothing changes.
  void step(int direction);

  TextBox* buddy = nullptr;

  Property<Long> Value{*this, "Value"};
  Property<Long> Min{*this, "Min"};
  Property<Long> Max{*this, "Max", 10};
  Property<Long> Increment{*this, "Increment", 1};
  Property<bool> Enabled{*this, "Enabled", true};
};

// A menu title or a menu item; a caption of "-" makes a separator line.
class Menu : public Control {
 public:
  Menu(Form& form, std::string name, Menu* parent = nullptr);
  bool enabled() const override { return Enabled; }
  bool is_separator() const { return Caption.get() == u"-"; }

  Menu* const parent;

  Property<Text> Caption{*this, "Caption"};
  Property<bool> Enabled{*this, "Enabled", true};
};

}  // namespace tarvex
