#include "toolkit/form.h"

#include "core/errors.h"
#include "toolkit/toolkit.h"

namespace tarvex {

Form::Form(Toolkit& toolkit, std::string name)
    : Control(*this, std::move(name), ControlKind::Form), WithCaption(this), toolkit_(toolkit) {
  Visible.set_initial(false);
  Visible.make_read_only();
  Visible.check_writes_with([](bool) { throw Error(ErrorKind::InvalidPropertyValue); });
}

Form::~Form() { toolkit_.forget(*this); }

Control* Form::find(std::string_view control_name) const {
  for (Control* c : controls_) {
    if (c->name() == control_name) return c;
  }
  return nullptr;
}

}  // namespace tarvex

namespace tarvex {

std::vector<Menu*> Form::menu_bar() const {
  std::vector<Menu*> titles;
  for (Control* c : controls_) {
    if (c->kind() == ControlKind::Menu && static_cast<Menu*>(c)->is_title()) titles.push_back(static_cast<Menu*>(c));
  }
  return titles;
}

}  // namespace tarvex

namespace tarvex {

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
