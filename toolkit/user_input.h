#pragma once
// The user's actions, on the active window only. refusal() says whether and why the window refuses
// an action; perform() carries out one that it takes: it updates the records as the toolkit would
// (the typed text, the new selection, the focus) and runs the handlers that it sets off, through the
// toolkit's dispatch. A front end calls perform() for what a person did; a driver that delivers the
// action through real widgets asks refusal() first and reports it, since widgets do not answer.
#include <optional>
#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/user_action.h"

namespace tarvex {

class UserInput {
 public:
  explicit UserInput(Toolkit& toolkit) : toolkit_(toolkit) {}

  // Nothing when the window takes the action; otherwise the reason, in words.
  using Refusal = std::optional<std::string>;

  Refusal refusal(const UserAction& action) const;
  // Carries out the action, or refuses it (a refused focus that the view had moved is put back).
  Refusal perform(const UserAction& action);

  // Whether the window acts on the key where the focus is now; a key it does not take belongs to
  // the focused widget (a space typed into a text box, the caret keys).
  bool takes_key(KeyPress press) const;

 private:
  Refusal refusal_of(const action::Type&) const;
  Refusal refusal_of(const action::Edit&) const;
  Refusal refusal_of(const action::Select&) const;
  Refusal refusal_of(const action::Focus&) const;
  Refusal refusal_of(const action::Click&) const;
  Refusal refusal_of(const action::Pick&) const;
  Refusal refusal_of(const action::Spin&) const;
  Refusal refusal_of(const action::Key&) const;
  Refusal refusal_of(const action::Wheel&) const;
  Refusal refusal_of(const action::Close&) const;

  void carry_out(const action::Type&);
  void carry_out(const action::Edit&);
  void carry_out(const action::Select&);
  void carry_out(const action::Focus&);
  void carry_out(const action::Click&);
  void carry_out(const action::Pick&);
  void carry_out(const action::Spin&);
  void carry_out(const action::Key&);
  void carry_out(const action::Wheel&);
  void carry_out(const action::Close&);

  Refusal reachable(const Control& control) const;
  Refusal editable(const Control& control) const;
  Refusal takes_input(const Form& window) const;
  void press(Control& control);
  void tab(int direction);
  void step_list(ListControl& list, int delta);
  // The control that a key acts on where the focus is now, or nullptr.
  Control* key_target(KeyPress press) const;

  Toolkit& toolkit_;
};

}  // namespace tarvex
