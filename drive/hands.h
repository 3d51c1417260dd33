#pragma once
// The driver's hands: how a script's user actions reach the windows once the toolkit has said that
// the window takes them. The headless hands hand them to UserInput; the hands in the real windows
// (window_hands.h) deliver real mouse and key events to the widgets.
#include <string>

#include "toolkit/user_input.h"

namespace tarvex {

// A line the driver cannot carry out: it ends the run with exit status 2. (Not a std::exception, so
// that nothing mistakes it for an error of the program.)
struct ScriptError {
  std::string message;
};

class Hands {
 public:
  virtual ~Hands() = default;

  // Carries out an action that the window takes.
  virtual void perform(const UserAction& action) = 0;

  // Only the real windows can be photographed.
  virtual void shot(const std::string& /*file*/) { throw ScriptError{"shot needs the real windows (--qt or --win32)"}; }
  virtual std::string pixel(float /*x*/, float /*y*/) {
    throw ScriptError{"pixel needs the real windows (--qt or --win32)"};
  }
};

class HeadlessHands : public Hands {
 public:
  explicit HeadlessHands(UserInput& input) : input_(input) {}
  void perform(const UserAction& action) override { input_.perform(action); }

 private:
  UserInput& input_;
};

}  // namespace tarvex
