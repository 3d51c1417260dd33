#pragma once
// A scripted session against the windows: one user action, write or read per line, carried out on
// the toolkit as a person would, with what the program shows printed one line each.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "drive/hands.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {

class Session {
 public:
  Session(Toolkit& toolkit, UserInput& input, Hands& hands, std::istream& script, std::ostream& out)
      : toolkit_(toolkit), input_(input), hands_(hands), script_(script), out_(out) {}

  // Carries out the next line of the script; false at its end, once the program has ended, or after
  // a line that the driver cannot carry out (which stops the script for good).
  bool step();
  // The line that stopped the script, as "line N: what is wrong".
  const std::optional<std::string>& failure() const { return failure_; }

 private:
  void run(std::string_view command, std::string_view rest);
  void act(const UserAction& action);

  Form& active_window() const;
  Form* window_named(std::string_view name) const;
  // A control, or a window itself (for its caption).
  Control& find_control(std::string_view name) const;
  std::string read(std::string_view name) const;
  void dump() const;

  Toolkit& toolkit_;
  UserInput& input_;
  Hands& hands_;
  std::istream& script_;
  std::ostream& out_;
  long line_number_ = 0;
  std::optional<std::string> failure_;
};

}  // namespace tarvex
