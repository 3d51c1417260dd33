#include "toolkit/view_rules.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <utility>

#include "toolkit/units.h"

namespace tarvex {

ViewTask view_task(const PropertyChange& change, bool has_widget) {
  const Control& control = change.control;
  const PropertyId property = change.property.id();
  if (control.kind() == ControlKind::Form)
    return property == PropertyId::Caption ? ViewTask::Retitle : ViewTask::Nothing;
  if (control.kind() == ControlKind::Menu) return ViewTask::ShowMenu;
  if (control.traits().painted) return property == PropertyId::ToolTipText ? ViewTask::ShowTooltip : ViewTask::Repaint;
  if (!control.traits().windowed) return ViewTask::Nothing;
  if (!has_widget) return control.Visible ? ViewTask::Make : ViewTask::Nothing;
  // The user's own edit is already in the widget: writing it back would move the caret.
  if (change.made_in_widget) return ViewTask::Nothing;
  if (property == PropertyId::ToolTipText) return ViewTask::ShowTooltip;
  if (property == PropertyId::Visible && control.Visible) return ViewTask::ShowAll;
  return ViewTask::ShowProperty;
}

WidgetPart widget_part(ControlKind kind, PropertyId property) {
  switch (property) {
    case PropertyId::Left:
    case PropertyId::Top:
    case PropertyId::Width:
    case PropertyId::Height: return WidgetPart::Geometry;
    case PropertyId::Visible: return WidgetPart::Visible;
    case PropertyId::Enabled: return WidgetPart::Enabled;
    case PropertyId::ToolTipText: return WidgetPart::Tooltip;
    default: break;
  }
  const auto for_kind = [&](ControlKind only, WidgetPart part) { return kind == only ? part : WidgetPart::None; };
  switch (property) {
    case PropertyId::Text: return for_kind(ControlKind::TextBox, WidgetPart::Text);
    case PropertyId::SelStart:
    case PropertyId::SelLength: return for_kind(ControlKind::TextBox, WidgetPart::Selection);
    case PropertyId::ForeColor: return for_kind(ControlKind::TextBox, WidgetPart::TextColour);
    case PropertyId::ListIndex: return traits_of(kind).list ? WidgetPart::ListIndex : WidgetPart::None;
    case PropertyId::Caption: return traits_of(kind).pressable ? WidgetPart::Caption : WidgetPart::None;
    case PropertyId::Value:
      if (kind == ControlKind::UpDown) return WidgetPart::SpinRange;
      return kind == ControlKind::CheckBox || kind == ControlKind::OptionButton ? WidgetPart::Value : WidgetPart::None;
    case PropertyId::Min:
    case PropertyId::Max: return for_kind(ControlKind::UpDown, WidgetPart::SpinRange);
    case PropertyId::SimpleText: return for_kind(ControlKind::StatusBar, WidgetPart::StatusText);
    default: return WidgetPart::None;
  }
}

std::vector<WidgetPart> widget_parts(const Control& control) {
  std::bitset<static_cast<std::size_t>(WidgetPart::StatusText) + 1> shown;
  for (const PropertyBase* property : control.properties())
    shown.set(static_cast<std::size_t>(widget_part(control.kind(), property->id())));
  std::vector<WidgetPart> parts;
  for (std::size_t part = 1; part < shown.size(); ++part) {
    if (shown[part]) parts.push_back(static_cast<WidgetPart>(part));
  }
  return parts;
}

const Control* stacking_neighbour(const Form& window, const Control& added,
                                  const std::function<bool(const Control&)>& has_widget) {
  const auto& controls = window.controls();
  auto later = std::find(controls.begin(), controls.end(), &added);
  if (later == controls.end()) return nullptr;
  for (++later; later != controls.end(); ++later) {
    if ((*later)->traits().windowed && has_widget(**later)) return *later;
  }
  return nullptr;
}

Bounds painted_bounds(const Control& control) {
  if (!control.traits().painted) return {};
  const auto widened = [](float left, float top, float width, float height, float pixels) {
    const float margin = pixels * kTwipsPerPixel;
    return Bounds{left - margin, top - margin, width + 2 * margin, height + 2 * margin};
  };
  if (control.kind() == ControlKind::Line) {
    const auto& line = static_cast<const Line&>(control);
    return widened(std::min(line.X1.get(), line.X2.get()), std::min(line.Y1.get(), line.Y2.get()),
                   std::abs(line.X2.get() - line.X1.get()), std::abs(line.Y2.get() - line.Y1.get()),
                   static_cast<float>(line.border_width + 1));
  }
  const auto& box = static_cast<const Placed&>(control);
  return widened(box.Left, box.Top, box.Width, box.Height, 2);
}

PaintedAreas::PaintedAreas(const Form& window) {
  for (const Control* control : window.paint_order()) areas_[control] = painted_bounds(*control);
}

Bounds PaintedAreas::changed(const Control& control) {
  const Bounds now = painted_bounds(control);
  const Bounds before = std::exchange(areas_[&control], now);
  if (before.width <= 0 || before.height <= 0) return now;
  const float left = std::min(before.left, now.left);
  const float top = std::min(before.top, now.top);
  return {left, top, std::max(before.left + before.width, now.left + now.width) - left,
          std::max(before.top + before.height, now.top + now.height) - top};
}

std::vector<const Control*> controls_to_paint(const Form& window, Bounds area) {
  std::vector<const Control*> painted;
  for (const Control* control : window.paint_order()) {
    const Bounds box = painted_bounds(*control);
    if (control->Visible && box.left < area.left + area.width && area.left < box.left + box.width &&
        box.top < area.top + area.height && area.top < box.top + box.height)
      painted.push_back(control);
  }
  return painted;
}

CheckMark check_mark(const Control& control) {
  if (control.kind() == ControlKind::OptionButton)
    return static_cast<const OptionButton&>(control).Value ? CheckMark::Checked : CheckMark::Clear;
  const Integer value = static_cast<const CheckBox&>(control).Value;
  return value == 1 ? CheckMark::Checked : value == 2 ? CheckMark::Greyed : CheckMark::Clear;
}

bool is_pick(const ListControl& list, long index) {
  return index >= 0 && (list.kind() == ControlKind::ComboBox || index != list.ListIndex);
}

Bounds shape_box(const Shape& shape) {
  const Bounds box = shape.bounds();
  if (shape.shape != ShapeKind::Square && shape.shape != ShapeKind::Circle && shape.shape != ShapeKind::RoundedSquare)
    return box;
  const float side = std::min(box.width, box.height);
  return {box.left + (box.width - side) / 2, box.top + (box.height - side) / 2, side, side};
}

namespace {

bool lies_over(const Control& control, TwipPoint at) {
  const auto& box = static_cast<const Placed&>(control);
  return at.x >= box.Left && at.x < box.Left + box.Width && at.y >= box.Top && at.y < box.Top + box.Height;
}

}  // namespace

Control* painted_control_at(const Form& window, TwipPoint at, PointerUse use) {
  const auto& order = window.paint_order();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const KindTraits& traits = (*it)->traits();
    const bool serves = use == PointerUse::Click ? traits.clickable : traits.shows_tooltip;
    if (traits.painted && serves && (*it)->Visible && lies_over(**it, at)) return *it;
  }
  return nullptr;
}

bool PaintedClick::press(const Form& window, TwipPoint at) {
  pressed_ = painted_control_at(window, at, PointerUse::Click);
  return pressed_ != nullptr;
}

Control* PaintedClick::release(const Form& window, TwipPoint at) {
  Control* released = painted_control_at(window, at, PointerUse::Click);
  const Control* pressed = std::exchange(pressed_, nullptr);
  return released != nullptr && released == pressed ? released : nullptr;
}

std::optional<KeyPress> key_press_of(const KeyStroke& stroke) {
  if (stroke.alt) {
    const bool letter = (stroke.code >= 'A' && stroke.code <= 'Z') || (stroke.code >= '0' && stroke.code <= '9');
    if (stroke.shift || stroke.control || !letter) return std::nullopt;
    return KeyPress{KeyName::Alt, static_cast<char16_t>(stroke.code)};
  }
  if (stroke.control || !stroke.key) return std::nullopt;
  if (*stroke.key == KeyName::Tab) return KeyPress{stroke.shift ? KeyName::ShiftTab : KeyName::Tab};
  if (stroke.shift) return std::nullopt;
  return KeyPress{*stroke.key};
}

std::u16string drawn_face(std::u16string_view wanted, const std::function<bool(std::u16string_view)>& system_has) {
  if (system_has(wanted)) return std::u16string(wanted);
  for (std::u16string_view closest : {u"Tahoma", u"DejaVu Sans", u"Arial"}) {
    if (system_has(closest)) return std::u16string(closest);
  }
  return {};
}

const std::u16string& DrawnFaces::of(std::u16string_view wanted) {
  if (auto found = chosen_.find(wanted); found != chosen_.end()) return found->second;
  std::u16string drawn = drawn_face(wanted, system_has_);
  return chosen_.emplace(wanted, drawn.empty() ? system_face_ : std::move(drawn)).first->second;
}

namespace {

std::u16string_view without_end_blanks(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

std::vector<std::u16string> lines_broken_at_blanks(std::u16string_view text, float width,
                                                   const std::function<float(std::u16string_view)>& width_of) {
  std::vector<std::u16string> lines;
  std::u16string line;
  std::size_t at = 0;
  while (true) {
    const std::size_t blank = text.find(u' ', at);
    const std::u16string_view word = text.substr(at, blank == std::u16string_view::npos ? blank : blank - at);
    std::u16string longer = line;
    if (!line.empty()) longer += u' ';
    longer += word;
    if (!without_end_blanks(line).empty() && width_of(without_end_blanks(longer)) > width) {
      lines.emplace_back(without_end_blanks(line));
      line = word;
    } else {
      line = std::move(longer);
    }
    if (blank == std::u16string_view::npos) break;
    at = blank + 1;
  }
  lines.emplace_back(without_end_blanks(line));
  return lines;
}

}  // namespace tarvex
