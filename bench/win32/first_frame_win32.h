#pragma once
// The Windows start-up probes' one signal: once the first frame of the main window has been painted
// and the messages it brought have been handled, print "first-frame" on standard output and end
// with 0. Both probes use this, so that the program and the bare window are timed to the same moment.
#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace tarvex::startup {

inline int report_first_frame() {
  _setmode(_fileno(stdout), _O_BINARY);  // the line ends in a line feed alone, as the timer reads it
  std::fputs("first-frame\n", stdout);
  std::fflush(stdout);
  return 0;
}

}  // namespace tarvex::startup
