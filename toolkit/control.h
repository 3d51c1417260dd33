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
#include "core/text.h"
#include "toolkit/control_kind.h"
#include "toolkit/font.h"
#include "toolkit/property.h"
#include "toolkit/system_colors.h"

namespace tarvex {

class Form;

enum class Alignment { Left, Right, Center };

using Handler = std::function<void()>;

// Position and size in twips (1/1440 inch), as the designer placed them.
struct Bounds {
  float left = 0, top = 0, width = 0, height = 0;
};

class Label;

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

  const KindTraits& traits() const { return traits_of(kind_); }
  // Whether the control takes the focus now: a kind that takes it, while visible and enabled.
  bool takes_focus() const { return traits().takes_focus && Visible && enabled(); }
  // False while the control's Enabled is False; kinds without Enabled are always enabled.
  bool enabled() const { return enabled_ == nullptr || enabled_->get(); }
  // The caption of the kinds that have one (with its "&" access-key marks), else nullptr.
  const Text* caption() const { return caption_ ? &caption_->get() : nullptr; }
  // The font of the kinds drawn in one of their own, else nullptr.
  const Font* own_font() const { return font_; }
  // The font a widget shows its text in: its own, else its window's (a status bar writes in it).
  const Font& widget_font() const;

  // Runs a handler if one is attached; its errors travel to whoever raised the event.
  static void raise(const Handler& handler) {
    if (handler) handler();
  }

  // Events; a window attaches its handlers here.
  Handler Click;
  Handler GotFocus;
  Handler LostFocus;

  // For assistive technology: the label that prompts for the control and, where neither a prompt
  // nor a caption says what it is, a name of its own, and a description that tells apart controls
  // whose names are alike.
  const Label* prompt = nullptr;
  Text accessible_name;
  Text accessible_description;
  // The web address that a click on the control opens: the control is a link.
  Text link_address;

 private:
  friend struct WithEnabled;
  friend struct WithCaption;
  friend struct WithFont;
  Form& form_;
  std::string name_;
  ControlKind kind_;
  std::vector<PropertyBase*> properties_;
  Property<bool>* enabled_ = nullptr;
  Property<Text>* caption_ = nullptr;
  const Font* font_ = nullptr;

 public:
  Property<bool> Visible{*this, PropertyId::Visible, true};
  // Shown while the pointer rests on the control; empty: none. Handlers may change it at run time.
  Property<Text> ToolTipText{*this, PropertyId::ToolTipText};
};

// The Enabled property, declared once for every kind that has one, so that every kind that can be
// disabled refuses input in the same way.
struct WithEnabled {
  explicit WithEnabled(Control* self) : Enabled{*self, PropertyId::Enabled, true} { self->enabled_ = &Enabled; }
  Property<bool> Enabled;
};

// The Caption property, declared once for every kind that shows one.
struct WithCaption {
  explicit WithCaption(Control* self) : Caption{*self, PropertyId::Caption} { self->caption_ = &Caption; }
  Property<Text> Caption;
};

// The design-time font, declared once for every kind drawn in a font of its own.
struct WithFont {
  explicit WithFont(Control* self) { self->font_ = &font; }
  Font font;
};

// A control with a rectangle of its own.
class Placed : public Control {
 public:
  using Control::Control;
  void place(Bounds b);
  Bounds bounds() const { return {Left, Top, Width, Height}; }

  Property<float> Left{*this, PropertyId::Left};
  Property<float> Top{*this, PropertyId::Top};
  Property<float> Width{*this, PropertyId::Width};
  Property<float> Height{*this, PropertyId::Height};
};

// A windowed control that takes the focus while it is visible and enabled, drawn in its own font.
class Focusable : public Placed, public WithEnabled, public WithFont {
 public:
  Focusable(Form& form, std::string name, ControlKind kind)
      : Placed(form, std::move(name), kind), WithEnabled(this), WithFont(this) {}
};

class Label : public Placed, public WithEnabled, public WithCaption, public WithFont {
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

  // The text as drawn and measured, and the font it is drawn in: a caption in the Symbol typeface
  // is drawn as the characters it stands for, in the window's ordinary typeface.
  Text shown_caption() const;
  Font shown_font() const;
  // An opaque label fills its rectangle with the window's background before drawing its text.
  bool paints_background() const { return !transparent; }
  Color back_color() const;

  Alignment alignment = Alignment::Left;
  bool auto_size = false;
  bool word_wrap = false;
  bool transparent = false;

  Property<Color> ForeColor{*this, PropertyId::ForeColor, kWindowText};
  Property<bool> FontBold{*this, PropertyId::FontBold};

 private:
  float caption_width() const;
  void fit_to_caption();
};

class CommandButton;

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

  Alignment alignment = Alignment::Left;
  bool read_only = false;  // takes the focus, refuses typing
  // The button that Enter in the box presses, as a dialog's default button would; none keeps Enter
  // for the window's default button.
  CommandButton* enter_presses = nullptr;

  Property<tarvex::Text> Text{*this, PropertyId::Text};
  Property<Long> SelStart{*this, PropertyId::SelStart};
  Property<Long> SelLength{*this, PropertyId::SelLength};
  Property<Color> ForeColor{*this, PropertyId::ForeColor, kWindowText};
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

  // Setting it beyond the items fails with the list error (Invalid property value); a new value
  // updates Text and runs Click before the write returns.
  Property<Integer> ListIndex{*this, PropertyId::ListIndex, -1};
  // The selected item's text and the number of items: the list keeps them, code only reads them.
  ReadOnlyProperty<tarvex::Text> Text{*this, PropertyId::Text};
  ReadOnlyProperty<Integer> ListCount{*this, PropertyId::ListCount, 0};

 private:
  std::vector<tarvex::Text> items_;
};

class CheckBox : public Focusable, public WithCaption {
 public:
  CheckBox(Form& form, std::string name);
  struct Design {
    Bounds at{};
    Text caption{};
    Integer value = 0;
  };
  void design(const Design& d);

  Property<Integer> Value{*this, PropertyId::Value};  // 0 unchecked, 1 checked, 2 greyed; a change runs Click
};

class OptionButton : public Focusable, public WithCaption {
 public:
  OptionButton(Form& form, std::string name);
  struct Design {
    Bounds at{};
    Text caption{};
    bool value = false;
  };
  void design(const Design& d);

  Property<bool> Value{*this, PropertyId::Value};  // True clears every other option button of the window
};

class CommandButton : public Focusable, public WithCaption {
 public:
  CommandButton(Form& form, std::string name);
  struct Design {
    Bounds at{};
    Text caption{};
    bool is_default = false;
    bool is_cancel = false;
  };
  void design(const Design& d);

  bool is_default = false;  // pressed by Enter
  bool is_cancel = false;   // pressed by Esc
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

  Property<Color> FillColor{*this, PropertyId::FillColor};
  Property<Color> BorderColor{*this, PropertyId::BorderColor};
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

  Property<float> X1{*this, PropertyId::X1};
  Property<float> Y1{*this, PropertyId::Y1};
  Property<float> X2{*this, PropertyId::X2};
  Property<float> Y2{*this, PropertyId::Y2};
  Property<Color> BorderColor{*this, PropertyId::BorderColor, kWindowText};
};

class Image : public Placed, public WithEnabled {
 public:
  Image(Form& form, std::string name);
  struct Design {
    Bounds at{};
    std::string picture;
    Text tooltip{};
  };
  void design(const Design& d);

  std::string picture;  // resource name of the picture, shown stretched to the box
};

class StatusBar : public Placed {
 public:
  StatusBar(Form& form, std::string name);
  struct Design {
    Bounds at{};
  };
  void design(const Design& d) { place(d.at); }

  Property<Text> SimpleText{*this, PropertyId::SimpleText};
};

// Up and down arrows attached to a text box, whose text they keep equal to their value.
class UpDown : public Placed, public WithEnabled {
 public:
  UpDown(Form& form, std::string name);
  struct Design {
    Bounds at{};
    TextBox* buddy = nullptr;
    Long value = 0, min = 0, max = 10, increment = 1;
  };
  void design(const Design& d);

  // One click on an arrow: a step within the bounds; at a bound nothing changes.
  void step(int direction);

  TextBox* buddy = nullptr;

  Property<Long> Value{*this, PropertyId::Value};
  Property<Long> Min{*this, PropertyId::Min};
  Property<Long> Max{*this, PropertyId::Max, 10};
  Property<Long> Increment{*this, PropertyId::Increment, 1};
};

// A menu title on the window's menu bar, or an item of the menu given as its parent; a caption of
// "-" makes a separator line.
class Menu : public Control, public WithEnabled, public WithCaption {
 public:
  Menu(Form& form, std::string name, Menu* parent = nullptr);
  struct Design {
    Text caption{};
  };
  void design(const Design& d) { Caption.set_initial(d.caption); }
  bool is_separator() const { return Caption.get() == u"-"; }
  bool is_title() const { return parent == nullptr; }
  // A title's items, in the order they were built (which is their order in the open menu).
  const std::vector<Menu*>& items() const { return items_; }

  Menu* const parent;

 private:
  std::vector<Menu*> items_;
};

// A letter as access keys compare it: a to z upper-cased, every other character as it is.
constexpr char16_t ascii_upper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}
// The letter after a single "&" in a caption, upper-cased; 0 when there is none.
char16_t access_key(std::u16string_view caption);
// The caption as shown, without its "&" marks ("&&" shows one "&").
Text without_access_marks(std::u16string_view caption);
// What assistive technology announces for a control: its own name, else its prompt's text (without
// the colon), else its caption.
Text accessible_name_of(const Control& control);
// What assistive technology is told the control is: a link where a click opens an address, else
// what its kind is.
AccessibleRole accessible_role_of(const Control& control);

}  // namespace tarvex
