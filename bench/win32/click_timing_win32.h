#pragma once
// How the Windows click benchmarks time a click, so that the program's and the bare window's are
// timed alike: a press and a release posted to the button, then the messages handled until the
// window has painted a new frame, and on until nothing is left in the queue (the controls that the
// click changed repaint after the window). Prints the medians and the spread of the runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace tarvex::bench {

// before_click(run) sets the entries for a run; frames() counts the window's painted frames;
// pump_one() handles one message and is false once the program has ended.
template <class BeforeClick, class Frames, class PumpOne>
int time_clicks(const char* name, HWND button, int runs, BeforeClick before_click, Frames frames, PumpOne pump_one) {
  RECT box{};
  GetClientRect(button, &box);
  const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
  const auto drain = [&] {
    while (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) {
      if (!pump_one()) return false;
    }
    return true;
  };
  std::vector<double> to_frame, to_all;
  for (int run = 0; run < runs + 10; ++run) {
    before_click(run);
    if (!drain()) return 1;
    const long before = frames();
    const auto start = std::chrono::steady_clock::now();
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(button, WM_LBUTTONUP, 0, centre);
    while (frames() == before) {
      if (!pump_one()) return 1;
    }
    const auto framed = std::chrono::steady_clock::now() - start;
    if (!drain()) return 1;
    const auto all = std::chrono::steady_clock::now() - start;
    if (run >= 10) {  // after a warm-up
      to_frame.push_back(std::chrono::duration<double, std::micro>(framed).count());
      to_all.push_back(std::chrono::duration<double, std::micro>(all).count());
    }
  }
  const auto report = [runs](const char* what, const char* suffix, std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    std::printf("%s%s median %.1f us, 10th %.1f us, 90th %.1f us over %d runs\n", what, suffix, times[times.size() / 2],
                times[times.size() / 10], times[times.size() * 9 / 10], runs);
  };
  report(name, "", to_frame);
  report(name, "UntilAllRepainted", to_all);
  return 0;
}

}  // namespace tarvex::bench
