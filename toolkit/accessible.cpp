#include "toolkit/accessible.h"

#include <algorithm>

#include "core/color.h"
#include "core/variant.h"

namespace tarvex {

namespace {

// The entry a label prompts for, if any.
const Control* entry_prompted_by(const Form& form, const Control& label) {
  for (const Control* control : form.controls()) {
    if (control->prompt == &label) return control;
  }
  return nullptr;
}

bool marked_wrong(const Control& control) { return control.prompt != nullptr && control.prompt->ForeColor == kRed; }

// The parts that are not empty, joined as sentences.
Text sentences(std::initializer_list<const Text*> parts) {
  Text joined;
  for (const Text* part : parts) {
    if (part->empty()) continue;
    if (!joined.empty()) joined += u". ";
    joined += *part;
  }
  return joined;
}

Text value_of(const Control& control) {
  switch (control.kind()) {
    case ControlKind::TextBox: return static_cast<const TextBox&>(control).Text;
    case ControlKind::ComboBox:
    case ControlKind::ListBox: return static_cast<const ListControl&>(control).Text;
    case ControlKind::UpDown: return to_text(Variant::Long(static_cast<const UpDown&>(control).Value));
    default: return {};
  }
}

int checked_of(const Control& control) {
  if (control.kind() == ControlKind::CheckBox) return static_cast<const CheckBox&>(control).Value;
  if (control.kind() == ControlKind::OptionButton) return static_cast<const OptionButton&>(control).Value ? 1 : 0;
  return -1;
}

}  // namespace

AccessibleObject accessible_object(const Control& control) {
  AccessibleObject object;
  object.control = &control;
  object.role = accessible_role_of(control);
  const bool link = object.role == AccessibleRole::Link;
  object.name = control.kind() == ControlKind::StatusBar ? static_cast<const StatusBar&>(control).SimpleText.get()
                                                         : accessible_name_of(control);
  object.value = value_of(control);
  object.states.invalid = marked_wrong(control);
  const Text own = link ? control.link_address : control.accessible_description;
  const Form& form = control.form();
  const Text* outcome = form.announcement_for(control);
  const Text none;
  object.description = sentences({outcome ? outcome : &none, object.states.invalid ? &kMarkedWrong : &none, &own});
  object.states.focusable = control.traits().takes_focus;
  object.states.read_only =
      object.painted() || (control.kind() == ControlKind::TextBox && static_cast<const TextBox&>(control).read_only);
  object.states.unavailable = !control.enabled();
  object.states.linked = link;
  object.states.checked = checked_of(control);
  if (link) object.default_action = u"Jump";
  if (const auto* placed = dynamic_cast<const Placed*>(&control)) object.area = placed->bounds();
  return object;
}

AccessibleObject accessible_object(const ReadOut& read_out) {
  AccessibleObject object;
  object.read_out = &read_out;
  object.role = AccessibleRole::StaticText;
  object.name = read_out_text(read_out);
  object.states.read_only = true;
  // The labels' bounds together.
  bool first = true;
  for (const auto& word : read_out.words) {
    for (const Label* label : word) {
      const Bounds b = label->bounds();
      Bounds& a = object.area;
      if (!first) {
        const float right = std::max(a.left + a.width, b.left + b.width);
        const float bottom = std::max(a.top + a.height, b.top + b.height);
        a.left = std::min(a.left, b.left);
        a.top = std::min(a.top, b.top);
        a.width = right - a.left;
        a.height = bottom - a.top;
      } else {
        a = b;
      }
      first = false;
    }
  }
  return object;
}

std::vector<AccessibleObject> accessible_children(const Form& form) {
  std::vector<AccessibleObject> children;
  for (const Control* control : form.controls()) {
    if (control->traits().windowed && control->Visible) children.push_back(accessible_object(*control));
  }
  for (const ReadOut& read_out : form.read_outs()) children.push_back(accessible_object(read_out));
  for (const Control* control : form.paint_order()) {
    if (control->Visible && accessible_role_of(*control) == AccessibleRole::Link)
      children.push_back(accessible_object(*control));
  }
  return children;
}

std::optional<std::size_t> accessible_child_at(const std::vector<AccessibleObject>& children, TwipPoint at) {
  const auto under = [at](const AccessibleObject& object) {
    const Bounds& a = object.area;
    return a.left <= at.x && at.x < a.left + a.width && a.top <= at.y && at.y < a.top + a.height;
  };
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (!under(children[i])) continue;
    if (!children[i].painted()) return i;
    found = i;
  }
  return found;
}

std::vector<Announcement> AccessibleWindow::changed(const PropertyChange& change) {
  const Control& control = change.control;
  const PropertyId property = change.property.id();
  std::vector<Announcement> told;
  if (control.traits().painted) {
    for (const ReadOut& read_out : form_.read_outs()) {
      if (!read_out.reads(control)) continue;
      Text text = read_out_text(read_out);
      Text& before = told_[&read_out];
      if (text == before) continue;
      before = std::move(text);
      told.push_back({nullptr, &read_out, AccessibleEvent::Name});
    }
    // A mark on the entry that has just been told a command's outcome is part of what it says then.
    const Control* entry = property == PropertyId::ForeColor ? entry_prompted_by(form_, control) : nullptr;
    if (entry != nullptr && form_.announcement_for(*entry) == nullptr) {
      told.push_back({entry, nullptr, AccessibleEvent::State});
      told.push_back({entry, nullptr, AccessibleEvent::Description});
    }
    return told;
  }
  if (!control.traits().windowed) return told;
  switch (property) {
    case PropertyId::Text:  // a list's Text follows its ListIndex, which tells
      if (control.kind() == ControlKind::TextBox) told.push_back({&control, nullptr, AccessibleEvent::Value});
      break;
    case PropertyId::ListIndex: told.push_back({&control, nullptr, AccessibleEvent::Value}); break;
    case PropertyId::Value:
      told.push_back(
          {&control, nullptr, control.kind() == ControlKind::UpDown ? AccessibleEvent::Value : AccessibleEvent::State});
      break;
    case PropertyId::Caption:
    case PropertyId::SimpleText: told.push_back({&control, nullptr, AccessibleEvent::Name}); break;
    case PropertyId::Enabled: told.push_back({&control, nullptr, AccessibleEvent::State}); break;
    default: break;
  }
  return told;
}

std::vector<Announcement> AccessibleWindow::outcome_announced() const {
  const Control* focused = form_.focused();
  if (focused == nullptr || form_.announcement_for(*focused) == nullptr) return {};
  return {{focused, nullptr, AccessibleEvent::Description}};
}

}  // namespace tarvex
