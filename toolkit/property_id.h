#pragma once
// Every property that a control record carries, as a value that a view can switch on, and the name
// that scripts and handlers know it by.
#include <string_view>

namespace tarvex {

enum class PropertyId {
  Caption,
  Text,
  SelStart,
  SelLength,
  ForeColor,
  FontBold,
  Enabled,
  Visible,
  Left,
  Top,
  Width,
  Height,
  X1,
  Y1,
  X2,
  Y2,
  FillColor,
  BorderColor,
  ListIndex,
  ListCount,
  Value,
  Min,
  Max,
  Increment,
  SimpleText,
  ToolTipText,
};

constexpr std::string_view property_name(PropertyId id) {
  constexpr std::string_view kNames[] = {
      "Caption", "Text", "SelStart",  "SelLength",   "ForeColor",   "FontBold",  "Enabled",
      "Visible", "Left", "Top",       "Width",       "Height",      "X1",        "Y1",
      "X2",      "Y2",   "FillColor", "BorderColor", "ListIndex",   "ListCount", "Value",
      "Min",     "Max",  "Increment", "SimpleText",  "ToolTipText",
  };
  return kNames[static_cast<int>(id)];
}

}  // namespace tarvex
