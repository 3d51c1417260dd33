#include "toolkit/view_changes.h"

#include <algorithm>
#include <bitset>

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

}  // namespace tarvex
