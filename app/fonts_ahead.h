#pragma once
// The system's font configuration, read on a thread of its own while Qt connects to the display.
// Reading it (every configuration file and font cache) is about a quarter of all the work before the
// window's first frame, and the first caption measured would otherwise wait for it on the main thread.
#include <thread>

namespace tarvex {

class FontsAhead {
 public:
  FontsAhead();
  ~FontsAhead() { ready(); }
  FontsAhead(const FontsAhead&) = delete;
  FontsAhead& operator=(const FontsAhead&) = delete;

  // Waits until the configuration is read; call before the first font is used.
  void ready();

 private:
  std::thread reader_;
};

}  // namespace tarvex
