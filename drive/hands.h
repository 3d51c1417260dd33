#pragma once
// The driver's hands: how a script's user actions reach the windows. The headless hands hand them
// to the toolkit's UserInput; the Qt hands deliver real mouse and key events to the widgets.
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
  using Refusal = UserInput::Refusal;
  virtual ~Hands() = default;

  virtual Refusal type(Control& control, const Text& text) = 0;
  virtual Refusal focus(Control& control) = 0;
  virtual Refusal click(Control& control) = 0;
  virtual Refusal pick(Control& control, long index) = 0;
  virtual Refusal spin(Control& control, int direction) = 0;
  virtual Refusal key(KeyPress press) = 0;
  virtual Refusal close() = 0;

  // Only the real windows can be photographed.
  virtual void shot(const std::string& /*file*/) { throw ScriptError{"shot needs the real windows (--qt or --win32)"}; }
  virtual std::string pixel(float /*x*/, float /*y*/) { throw ScriptError{"pixel needs the real windows (--qt or --win32)"}; }
};

class HeadlessHands : public Hands {
 public:
  explicit HeadlessHands(UserInput& input) : input_(input) {}

  Refusal type(Control& control, const Text& text) override { return input_.type(control, text); }
  Refusal focus(Control& control) override { return input_.focus(control); }
  Refusal click(Control& control) override { return input_.click(control); }
  Refusal pick(Control& control, long index) override { return input_.pick(control, index); }
  Refusal spin(Control& control, int direction) override { return input_.spin(control, direction); }
  Refusal key(KeyPress press) override { return input_.key(press); }
  Refusal close() override { return input_.close(); }

 private:
  UserInput& input_;
};

}  // namespace tarvex
