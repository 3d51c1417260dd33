#include "toolkit/headless/headless_views.h"

namespace tarvex {

WindowView& HeadlessViews::make_view(Form& window, UserInput& input) {
  std::erase_if(views_, [](const auto& view) { return view->form() == nullptr; });
  return *views_.emplace_back(std::make_unique<HeadlessView>(window, input));
}

}  // namespace tarvex
