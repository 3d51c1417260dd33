#pragma once
// How a driver run ended, and the exit status that says so.
#include <optional>
#include <string>

namespace tarvex {

struct RunResult {
  std::optional<std::string> script_error;  // "line N: what is wrong"
  bool input_failed = false;                // the script could not be read to its end
};

// Prints what went wrong on standard error and gives the exit status: 0 for a script run to its end
// (or to the program's own end), 2 for an error in the script, 1 when the script could not be read
// or what it printed could not be written.
int finish(const RunResult& result);

}  // namespace tarvex
