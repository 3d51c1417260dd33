#include "toolkit/form.h"

#include "toolkit/toolkit.h"

namespace tarvex {

Form::Form(Toolkit& toolkit, std::string name)
    : Control(*this, std::move(name), ControlKind::Form), WithCaption(this), WithFont(this), toolkit_(toolkit) {
  Visible.set_initial(false);
  Visible.refuse_writes();
}

Form::~Form() { toolkit_.forget(*this); }

Control* Form::find(std::string_view control_name) const {
  for (Control* c : controls_) {
    if (c->name() == control_name) return c;
  }
  return nullptr;
}

void Form::tell_view(Control& control, PropertyBase& property) {
  if (view_ == nullptr || !Visible) return;
  if (&control != this && !control.Visible && property.id() != PropertyId::Visible) return;
  toolkit_.note_change(*this, control, property, &control == edited_in_widget_);
}

void Form::announce(Text outcome) {
  announcement_ = std::move(outcome);
  announced_to_ = focused_;
  if (view_ != nullptr && Visible && focused_ != nullptr) toolkit_.note_announcement(*this);
}

std::vector<Menu*> Form::menu_bar() const {
  std::vector<Menu*> titles;
  for (Control* c : controls_) {
    if (c->kind() == ControlKind::Menu && static_cast<Menu*>(c)->is_title()) titles.push_back(static_cast<Menu*>(c));
  }
  return titles;
}

bool ReadOut::reads(const Control& control) const {
  for (const auto& word : words) {
    for (const Label* label : word) {
      if (label == &control) return true;
    }
  }
  return false;
}

Text read_out_text(const ReadOut& read_out) {
  Text text;
  for (const auto& word : read_out.words) {
    Text shown;
    for (const Label* label : word) {
      // A caption of blanks holds a gap open on the window; it says nothing.
      if (label->Visible) shown += Trim(without_access_marks(label->shown_caption()));
    }
    if (shown.empty()) continue;
    if (!text.empty()) text += u' ';
    text += shown;
  }
  return text;
}

}  // namespace tarvex
