#pragma once
// A view that notes what the toolkit tells it, one line per notice: "control.Property", with the
// value as the driver prints it where a test asks for values, and " (in widget)" for the user's own
// edit. It can stand in front of a real view and pass every notice on.
#include <string>
#include <vector>

#include "drive/property_text.h"
#include "toolkit/window_view.h"

namespace tarvex {

struct ViewLog : WindowView {
  explicit ViewLog(bool with_values = false, WindowView* passes_to = nullptr)
      : with_values(with_values), passes_to(passes_to) {}

  void property_changed(const PropertyChange& change) override {
    std::string line = change.control.name() + "." + std::string(change.property.name());
    if (with_values) line += "=" + format_property(change.property);
    if (change.made_in_widget) line += " (in widget)";
    changes.push_back(line);
    if (passes_to) passes_to->property_changed(change);
  }
  void changes_delivered() override {
    delivered_after.push_back(changes.size());
    if (passes_to) passes_to->changes_delivered();
  }

  bool with_values;
  WindowView* passes_to;
  std::vector<std::string> changes;
  std::vector<std::size_t> delivered_after;  // how many notices had come at each end of a delivery
};

}  // namespace tarvex
