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
#ifdef _WIN32
#include "drive/win32_drive.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in a line feed alone here too.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::string_view mode;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option(argv[i]);
    if (mode.empty() && (option == "--qt" || option == "--win32")) {
      mode = option;
      continue;
    }
    std::cerr << "tarvex-drive: unknown option " << argv[i] << " (the options are --qt and --win32)\n";
    return 2;
  }
  if (mode.empty()) return tarvex::finish(tarvex::drive_headless(std::cin, std::cout));
  if (mode == "--qt") {
#ifdef TARVEX_DRIVE_WITH_QT
    return tarvex::finish(tarvex::drive_with_qt(argc, argv, std::cin, std::cout));
#else
    std::cerr << "tarvex-drive: this build has no Qt windows; run without --qt\n";
    return 2;
#endif
  }
#ifdef _WIN32
  return tarvex::finish(tarvex::drive_with_win32(std::cin, std::cout));
#else
  std::cerr << "tarvex-drive: --win32 needs the Windows build (tarvex-drive.exe)\n";
  return 2;
#endif
}
