// The Compute click in the real Windows window: from the mouse press on the button, through the
// toolkit and the handlers, until the window has repainted the bands, and until every control that
// the click changed has repainted too (nothing is left in the queue). The entries alternate between
// two supplies, so that every click paints new bands. Prints the median and the spread of the runs.
//   tarvex_click_win32 [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/win32_program.h"
#include "main_window/frm_main.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  tarvex::win32::prepare_process();
  tarvex::Win32Program program;
  tarvex::win32::FormView* view = program.main_window();
  if (view == nullptr) return 1;
  auto& platform = program.platform();
  tarvex::Form& form = *view->form();
  auto& supply = static_cast<tarvex::TextBox&>(*form.find("txt_supply_v"));
  auto& led = static_cast<tarvex::TextBox&>(*form.find("txt_led_v"));
  HWND button = view->control_window(*form.find("btn_compute"));
  RECT box{};
  GetClientRect(button, &box);
  const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
  form.toolkit().dispatch([&] { led.Text = u"2"; });
  platform.pump_waiting();

  std::vector<double> micros, all_micros;
  for (int run = 0; run < runs + 10; ++run) {
    form.toolkit().dispatch([&] { supply.Text = run % 2 ? u"12" : u"24"; });  // 510 and 1100 ohms
    platform.pump_waiting();
    const long frames = view->frames_painted();
    const auto start = std::chrono::steady_clock::now();
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(button, WM_LBUTTONUP, 0, centre);
    while (view->frames_painted() == frames) {
      if (!platform.pump_one()) return 1;
    }
    const auto bands = std::chrono::steady_clock::now() - start;
    // The controls that the click changed repaint after the window's own frame.
    while (GetQueueStatus(QS_ALLINPUT) != 0) platform.pump_waiting();
    const auto everything = std::chrono::steady_clock::now() - start;
    if (run >= 10) {  // after a warm-up
      micros.push_back(std::chrono::duration<double, std::micro>(bands).count());
      all_micros.push_back(std::chrono::duration<double, std::micro>(everything).count());
    }
  }
  const auto report = [runs](const char* name, std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    std::printf("%s median %.1f us, 10th %.1f us, 90th %.1f us over %d runs\n", name, times[times.size() / 2],
                times[times.size() / 10], times[times.size() * 9 / 10], runs);
  };
  report("ClickRoundTripWin32", micros);
  report("ClickUntilAllRepaintedWin32", all_micros);
  return 0;
}
