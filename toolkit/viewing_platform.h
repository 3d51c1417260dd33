#pragma once
// A front end's platform as far as it keeps one view for each loaded window: the calls of the toolkit
// that only pass on to a window's view, the view's close when the toolkit is done with its window,
// and the end of the program with its last window. A View has show_window(View* owner, bool modal),
// give_focus_to(const Control*) and close_for_toolkit(); Held is how the platform holds a view (a
// plain pointer, or one that owns the view).
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {

template <class View, class Held = View*>
class ViewingPlatform : public Platform {
 public:
  // The user's input reaches the toolkit through this; set before the first window is loaded.
  void attach(UserInput& input) { input_ = &input; }
  View* view_of(const Form& window) const {
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : std::to_address(found->second);
  }

  void window_shown(Form& window, Form* owner, bool modal) override {
    if (View* view = view_of(window)) view->show_window(owner ? view_of(*owner) : nullptr, modal);
  }
  // With no window left, the program ends.
  void window_unloaded(Form& window) override {
    remove_view(window);
    if (!window.toolkit().running()) end_program();
  }
  void window_destroyed(Form& window) override { remove_view(window); }
  void focus_moved(Form& window, Control* control) override {
    if (View* view = view_of(window)) view->give_focus_to(control);
  }

 protected:
  // The input that a new window's view hands what the user does to.
  UserInput& input() const {
    if (input_ == nullptr) throw std::logic_error("the front end has no user input attached");
    return *input_;
  }
  // A view has let go of its window's record and left views_: the front end keeps it while it must.
  virtual void view_removed(Form& window, Held view) = 0;
  virtual void end_program() = 0;

  std::map<const Form*, Held> views_;

 private:
  // The toolkit is done with the window: its view lets go of the record and leaves views_.
  void remove_view(Form& window) {
    const auto found = views_.find(&window);
    if (found == views_.end()) return;
    found->second->close_for_toolkit();
    Held view = std::move(found->second);
    views_.erase(found);
    view_removed(window, std::move(view));
  }

  UserInput* input_ = nullptr;
};

}  // namespace tarvex
