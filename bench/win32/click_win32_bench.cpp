// The Compute click in the real Windows window: from the mouse press on the button, through the
// toolkit and the handlers, until the window has repainted the bands, and until every control that
// the click changed has repainted too (nothing is left in the queue). The entries alternate between
// two supplies, so that every click paints new bands. Prints the median and the spread of the runs.
//   tarvex_click_win32 [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "app/win32_program.h"
#include "bench/win32/click_timing_win32.h"
#include "bench/win32/frames_counted_win32.h"
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
  form.toolkit().dispatch([&] { led.Text = u"2"; });
  tarvex::bench::count_frames_of(view->window());
  return tarvex::bench::time_clicks(
      "ClickRoundTripWin32", view->control_window(*form.find("btn_compute")), runs,
      [&](int run) { form.toolkit().dispatch([&] { supply.Text = run % 2 ? u"12" : u"24"; }); },  // 510, 1100 ohms
      [] { return tarvex::bench::g_frames_painted; }, [&] { return platform.pump_one(); });
}
