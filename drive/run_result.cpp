#include "drive/run_result.h"

#include <cstdio>
#include <iostream>

namespace tarvex {

int finish(const RunResult& result) {
  std::cout.flush();
  if (result.script_error) {
    std::cerr << *result.script_error << '\n';
    return 2;
  }
  // A script cut short by a read error, or lines that never reached the output, are no success. (The
  // standard streams share stdio's buffers, so a read error shows in ferror, not in cin's state.)
  if (result.input_failed || std::ferror(stdin)) {
    std::cerr << "tarvex-drive: cannot read the script from standard input\n";
    return 1;
  }
  if (!std::cout.flush()) {
    std::cerr << "tarvex-drive: cannot write to standard output\n";
    return 1;
  }
  return 0;
}

}  // namespace tarvex
