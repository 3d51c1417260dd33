#include "drive/run_result.h"

#include <iostream>

namespace tarvex {

int finish(const RunResult& result) {
  std::cout.flush();
  if (result.script_error) {
    std::cerr << *result.script_error << '\n';
    return 2;
  }
  if (result.input_failed) {
    std::cerr << "tarvex-drive: the script could not be read\n";
    return 1;
  }
  if (!std::cout) {
    std::cerr << "tarvex-drive: what the script printed could not be written\n";
    return 1;
  }
  return 0;
}

}  // namespace tarvex
