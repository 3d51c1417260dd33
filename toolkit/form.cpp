#include "toolkit/form.h"

#include "toolkit/toolkit.h"

namespace tarvex {

Form::Form(Toolkit& toolkit, std::string name) : Control(*this, std::move(name), ControlKind::Form), toolkit_(toolkit) {
  Visible.set_initial(false);
}

Form::~Form() { toolkit_.forget(*this); }

Control* Form::find(std::string_view control_name) const {
  for (Control* c : controls_) {
    if (c->name() == control_name) return c;
  }
  return nullptr;
}

}  // namespace tarvex
