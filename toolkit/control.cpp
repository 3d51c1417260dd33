#include "toolkit/control.h"

#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "core/number_text.h"
#include "core/variant.h"
#include "toolkit/form.h"
#include "toolkit/symbol_font.h"
#include "toolkit/toolkit.h"

namespace tarvex {

namespace {

// A write that the control cannot take fails with the property error, naming what was out of range.
// The words are made only when the write fails: the checks run on every write.
template <class Words>
void require(bool ok, const Control& control, const PropertyBase& property, Words range) {
  if (!ok)
    throw Error(ErrorKind::InvalidPropertyValue, control.name() + "." + std::string(property.name()) + " " + range());
}

}  // namespace

Control::Control(Form& form, std::string name, ControlKind kind) : form_(form), name_(std::move(name)), kind_(kind) {
  if (kind != ControlKind::Form) form.add_control(*this);
}

PropertyBase* Control::property(std::string_view property_name) const {
  for (PropertyBase* p : properties_) {
    if (p->name() == property_name) return p;
  }
  return nullptr;
}

char16_t access_key(std::u16string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return ascii_upper(caption[i + 1]);
  }
  return 0;
}

Text without_access_marks(std::u16string_view caption) {
  Text shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

Text accessible_name_of(const Control& control) {
  if (!control.accessible_name.empty()) return control.accessible_name;
  if (control.prompt != nullptr) {
    Text name = without_access_marks(control.prompt->shown_caption());
    while (!name.empty() && (name.back() == u':' || name.back() == u' ')) name.pop_back();
    return name;
  }
  if (const Text* caption = control.caption()) return without_access_marks(*caption);
  return {};
}

AccessibleRole accessible_role_of(const Control& control) {
  return control.link_address.empty() ? control.traits().role : AccessibleRole::Link;
}

void Placed::place(Bounds b) {
  Left.set_initial(b.left);
  Top.set_initial(b.top);
  Width.set_initial(b.width);
  Height.set_initial(b.height);
}

// --- Label ---

Label::Label(Form& form, std::string name)
    : Placed(form, std::move(name), ControlKind::Label), WithEnabled(this), WithCaption(this), WithFont(this) {
  Caption.react_to_changes_with([this] { fit_to_caption(); });
  FontBold.react_to_changes_with([this] { fit_to_caption(); });
}

void Label::design(const Design& d) {
  place(d.at);
  Caption.set_initial(d.caption);
  font = d.font;
  FontBold.set_initial(d.font.bold);
  alignment = d.alignment;
  auto_size = d.auto_size;
  word_wrap = d.word_wrap;
  transparent = d.transparent;
  ForeColor.set_initial(d.fore_color);
  ToolTipText.set_initial(d.tooltip);
  if (auto_size) Width.set_initial(caption_width());
}

Text Label::shown_caption() const { return font.face == kSymbolFace ? symbol_to_unicode(Caption) : Caption.get(); }

const Font& Control::widget_font() const { return font_ != nullptr ? *font_ : form().font; }

Font Label::shown_font() const {
  Font shown = font;
  if (shown.face == kSymbolFace) shown.face = form().font.face;
  shown.bold = FontBold;
  return shown;
}

Color Label::back_color() const { return form().back_color; }

float Label::caption_width() const { return form().toolkit().text_width(shown_font(), shown_caption()); }

void Label::fit_to_caption() {
  if (auto_size) Width.store(caption_width());
}

// --- TextBox ---

TextBox::TextBox(Form& form, std::string name) : Focusable(form, std::move(name), ControlKind::TextBox) {
  // A new text puts the caret at its start with nothing selected; a selection stays within the text.
  Text.react_to_changes_with([this] {
    SelStart.store(0);
    SelLength.store(0);
  });
  SelStart.check_writes_with(
      [this](Long start) { require(start >= 0, *this, SelStart, [] { return "cannot be negative"; }); });
  SelStart.react_to_changes_with([this] {
    const Long length = Len(Text.get());
    if (SelStart > length) SelStart.store(length);
    if (SelStart + SelLength > length) SelLength.store(length - SelStart);
  });
  SelLength.check_writes_with(
      [this](Long length) { require(length >= 0, *this, SelLength, [] { return "cannot be negative"; }); });
  SelLength.react_to_changes_with([this] {
    const Long room = Len(Text.get()) - SelStart;
    if (SelLength > room) SelLength.store(room);
  });
}

void TextBox::design(const Design& d) {
  place(d.at);
  Text.set_initial(d.text);
  alignment = d.alignment;
  read_only = d.read_only;
  Visible.set_initial(d.visible);
}

// --- ListControl ---

ListControl::ListControl(Form& form, std::string name, ControlKind kind) : Focusable(form, std::move(name), kind) {
  ListIndex.check_writes_with([this](Integer index) {
    require(index >= -1 && index < ListCount, *this, ListIndex,
            [&] { return "cannot be " + std::to_string(index) + ": the list has no such item"; });
  });
  ListIndex.react_to_changes_with([this] {
    // Stored straight from the item: a conditional expression would copy it into a temporary first.
    if (ListIndex >= 0) {
      Text.store(items_[static_cast<std::size_t>(ListIndex.get())]);
    } else {
      Text.store(tarvex::Text{});
    }
    raise(Click);
  });
}

void ListControl::design(const Design& d) {
  place(d.at);
  items_ = d.items;
  ListCount.set_initial(static_cast<Integer>(items_.size()));
  Visible.set_initial(d.visible);
  ToolTipText.set_initial(d.tooltip);
}

// --- Buttons ---

namespace {

template <class Design>
void design_button(Placed& button, Property<Text>& caption, const Design& d) {
  button.place(d.at);
  caption.set_initial(d.caption);
}

}  // namespace

CheckBox::CheckBox(Form& form, std::string name)
    : Focusable(form, std::move(name), ControlKind::CheckBox), WithCaption(this) {
  Value.check_writes_with([this](Integer value) {
    require(value >= 0 && value <= 2, *this, Value,
            [&] { return "cannot be " + std::to_string(value) + ": a check box is 0, 1 or 2"; });
  });
  Value.react_to_changes_with([this] { raise(Click); });
}

void CheckBox::design(const Design& d) {
  design_button(*this, Caption, d);
  Value.set_initial(d.value);
}

OptionButton::OptionButton(Form& form, std::string name)
    : Focusable(form, std::move(name), ControlKind::OptionButton), WithCaption(this) {
  Value.react_to_changes_with([this] {
    if (!Value) return;
    for (Control* other : this->form().controls()) {
      if (other != this && other->kind() == ControlKind::OptionButton) {
        static_cast<OptionButton*>(other)->Value.store(false);
      }
    }
    raise(Click);
  });
}

void OptionButton::design(const Design& d) {
  design_button(*this, Caption, d);
  Value.set_initial(d.value);
}

CommandButton::CommandButton(Form& form, std::string name)
    : Focusable(form, std::move(name), ControlKind::CommandButton), WithCaption(this) {}

void CommandButton::design(const Design& d) {
  design_button(*this, Caption, d);
  is_default = d.is_default;
  is_cancel = d.is_cancel;
}

// --- Graphics ---

Shape::Shape(Form& form, std::string name) : Placed(form, std::move(name), ControlKind::Shape) {}

void Shape::design(const Design& d) {
  place(d.at);
  shape = d.shape;
  FillColor.set_initial(d.fill);
  BorderColor.set_initial(d.border);
  has_border = d.has_border;
  border_width = d.border_width;
}

Line::Line(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Line) {}

void Line::design(const Design& d) {
  X1.set_initial(d.x1);
  Y1.set_initial(d.y1);
  X2.set_initial(d.x2);
  Y2.set_initial(d.y2);
  BorderColor.set_initial(d.color);
  border_width = d.width;
}

Image::Image(Form& form, std::string name) : Placed(form, std::move(name), ControlKind::Image), WithEnabled(this) {}

void Image::design(const Design& d) {
  place(d.at);
  picture = d.picture;
  ToolTipText.set_initial(d.tooltip);
}

StatusBar::StatusBar(Form& form, std::string name) : Placed(form, std::move(name), ControlKind::StatusBar) {}

// --- UpDown ---

UpDown::UpDown(Form& form, std::string name) : Placed(form, std::move(name), ControlKind::UpDown), WithEnabled(this) {
  Value.check_writes_with([this](Long value) {
    require(value >= Min && value <= Max, *this, Value, [&] {
      return "cannot be " + std::to_string(value) + ": it is outside " + std::to_string(Min.get()) + " to " +
             std::to_string(Max.get());
    });
  });
  Value.react_to_changes_with([this] {
    if (buddy) buddy->Text = to_text(Variant::Long(Value));
  });
}

void UpDown::design(const Design& d) {
  place(d.at);
  buddy = d.buddy;
  Value.set_initial(d.value);
  Min.set_initial(d.min);
  Max.set_initial(d.max);
  Increment.set_initial(d.increment);
}

// Steps from the number the buddy shows, as an up-down control with a buddy does, so that a text
// written into the buddy by code is where the next step starts. A step never leaves the bounds: a
// number too large to read lies beyond them and comes back to the nearer one.
void UpDown::step(int direction) {
  double shown = static_cast<double>(Value);
  if (buddy && IsNumeric(buddy->Text)) {
    try {
      shown = read_in_notation(buddy->Text);
    } catch (const Error&) {
      const auto sign_or_digit = buddy->Text.get().find_first_of(u"+-0123456789.&");
      const bool negative = sign_or_digit != Text::npos && buddy->Text.get()[sign_or_digit] == u'-';
      shown = negative ? -HUGE_VAL : HUGE_VAL;
    }
  }
  // min/max rather than clamp: bounds written the wrong way round by code must not be undefined.
  const double next =
      std::min(std::max(std::round(shown) + direction * static_cast<double>(Increment), static_cast<double>(Min)),
               static_cast<double>(Max));
  Value = static_cast<Long>(next);
  if (buddy) buddy->Text = to_text(Variant::Long(Value));
}

// --- Menu ---

Menu::Menu(Form& form, std::string name, Menu* parent_menu)
    : Control(form, std::move(name), ControlKind::Menu), WithEnabled(this), WithCaption(this), parent(parent_menu) {
  if (parent) parent->items_.push_back(this);
}

}  // namespace tarvex
