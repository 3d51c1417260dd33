// The main window on the headless toolkit: start-up, the Compute command with everything it sets
// off, and the band-mode switch.
#include <benchmark/benchmark.h>

#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"

namespace tarvex {
namespace {

// A shown main window on the headless toolkit, as a user finds it.
struct ShownMainWindow {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  frmMain window{toolkit};
  ShownMainWindow() {
    toolkit.Load(window);
    toolkit.Show(window);
  }
};

void StartUp(benchmark::State& state) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  for (auto _ : state) {
    frmMain window(toolkit);
    toolkit.Load(window);
    toolkit.Show(window);
    benchmark::DoNotOptimize(window.lbl_ohm.Left.get());
    toolkit.Unload(window);
  }
}
BENCHMARK(StartUp);

// Each run alternates the current between 20 mA (500 ohms, 510: four bands) and 10 mA (1000 ohms,
// 1000: five bands), so every click searches both values, changes the band mode and repaints every
// band, as a real new result does. The one written entry costs a few nanoseconds of the time.
void ComputeNewResult(benchmark::State& state) {
  ShownMainWindow shown;
  frmMain& w = shown.window;
  w.txt_supply_v.Text = u"12";
  w.txt_led_v.Text = u"2";
  bool twenty = true;
  for (auto _ : state) {
    w.txt_led_a.Text = twenty ? u"20" : u"10";
    w.btn_compute_Click();
    twenty = !twenty;
  }
  if (w.txt_standard_val.Text.get() != u"1000" && w.txt_standard_val.Text.get() != u"510") {
    state.SkipWithError("the Compute runs did not give the expected standard value");
  }
}
BENCHMARK(ComputeNewResult);

// The same entries on every click. With numbers the search runs, but no property changes and no
// band handler runs; with entries that are no numbers the run fails (red captions, "ERROR", and the
// standard values of the last success).
void ComputeUnchanged(benchmark::State& state, const char16_t* supply, const char16_t* led, const char16_t* current) {
  ShownMainWindow shown;
  frmMain& w = shown.window;
  w.txt_supply_v.Text = supply;
  w.txt_led_v.Text = led;
  w.txt_led_a.Text = current;
  for (auto _ : state) w.btn_compute_Click();
}
BENCHMARK_CAPTURE(ComputeUnchanged, same_result, u"12", u"2", u"20");
BENCHMARK_CAPTURE(ComputeUnchanged, invalid_entries, u"abc", u"x", u"");

// The band-mode check box written from code, each write running chk_5band_Click.
void BandModeSwitch(benchmark::State& state) {
  ShownMainWindow shown;
  frmMain& w = shown.window;
  Integer mode = 0;
  for (auto _ : state) {
    w.chk_5band.Value = mode;
    mode = static_cast<Integer>(1 - mode);
  }
}
BENCHMARK(BandModeSwitch);

}  // namespace
}  // namespace tarvex
