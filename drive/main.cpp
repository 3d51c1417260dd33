// tarvex-drive: runs a script of user actions against the windows and prints what they show.
#include <cstdio>
#include <iostream>
#include <string_view>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "drive/headless_drive.h"
#include "drive/run_result.h"
#ifdef TARVEX_DRIVE_WITH_QT
#include "drive/qt_drive.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in a line feed alone on every system: no CR added on the way out.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  bool with_qt = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--qt") {
      with_qt = true;
      continue;
    }
    std::cerr << "tarvex-drive: unknown option " << argv[i] << " (the only option is --qt)\n";
    return 2;
  }
  if (!with_qt) return tarvex::finish(tarvex::drive_headless(std::cin, std::cout));
#ifdef TARVEX_DRIVE_WITH_QT
  return tarvex::finish(tarvex::drive_with_qt(argc, argv, std::cin, std::cout));
#else
  std::cerr << "tarvex-drive: this build has no Qt windows; run without --qt\n";
  return 2;
#endif
}
