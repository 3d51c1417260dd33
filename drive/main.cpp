// tarvex-drive: runs a script of user actions against the windows and prints what they show.
#include <cstdio>
#include <iostream>
#include <string_view>

#include "drive/session.h"
#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"

int main(int argc, char** argv) {
  using namespace tarvex;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--qt") {
      std::cerr << "tarvex-drive: the Qt windows are not built yet; run without --qt\n";
      return 2;
    }
    std::cerr << "tarvex-drive: unknown option " << argv[i] << "\n";
    return 2;
  }

  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  Session session(toolkit, input, std::cin, std::cout);
  toolkit.record_outside_effects([](const std::string& line) { std::cout << line << '\n'; });
  platform.pump = [&session] { return session.step(); };

  try {
    frmMain main_window(toolkit);
    toolkit.dispatch([&] {
      toolkit.Load(main_window);
      toolkit.Show(main_window);
    });
    while (session.step()) {
    }
  } catch (const ScriptError& error) {
    std::cout.flush();
    std::cerr << "line " << session.line_number() << ": " << error.message << "\n";
    return 2;
  }
  // A script cut short by a read error, or lines that never reached the output, are no success. (The
  // standard streams share stdio's buffers, so a read error shows in ferror, not in cin's state.)
  if (std::cin.bad() || std::ferror(stdin)) {
    std::cerr << "tarvex-drive: cannot read the script from standard input (after line " << session.line_number()
              << ")\n";
    return 1;
  }
  if (!std::cout.flush()) {
    std::cerr << "tarvex-drive: cannot write to standard output\n";
    return 1;
  }
  return 0;
}
