#pragma once
// A scripted session against the windows: one user action, write or read per line, carried out on
// the toolkit as a person would, with what the program shows printed one line each.
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {

// A line the driver cannot carry out: it ends the run with exit status 2. (Not a std::exception, so
// that the toolkit's dispatch, which reports errors of the program, lets it through.)
struct ScriptError {
  std::string message;
};

class Session {
 public:
  Session(Toolkit& toolkit, UserInput& input, std::istream& script, std::ostream& out)
      : toolkit_(toolkit), input_(input), script_(script), out_(out) {}

  // Carries out the next line of the script; false at its end or once the program has ended.
  bool step();
  long line_number() const { return line_number_; }

 private:
  void run(std::string_view command, std::string_view rest);
  void report(const UserInput::Refusal& refusal);

  Form& active_window() const;
  Form* window_named(std::string_view name) const;
  // A control, or a window itself (for its caption).
  Control& find_control(std::string_view name) const;
  std::string read(std::string_view name) const;
  void dump() const;

  Toolkit& toolkit_;
  UserInput& input_;
  std::istream& script_;
  std::ostream& out_;
  long line_number_ = 0;
};

}  // namespace tarvex
