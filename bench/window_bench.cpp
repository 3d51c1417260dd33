// What a user waits for: the main window's start-up (build, Form_Load, show), a Compute run, and
// the standard-value walk that each run makes twice.
#include <benchmark/benchmark.h>

#include "core/led_formulas.h"
#include "core/standard_values.h"
#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"
#include "toolkit/user_input.h"

namespace tarvex {
namespace {

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

void ComputeRun(benchmark::State& state) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  frmMain window(toolkit);
  toolkit.Load(window);
  toolkit.Show(window);
  input.type(window.txt_supply_v, u"24");
  input.type(window.txt_led_v, u"3.3");
  bool mA = true;
  for (auto _ : state) {
    // Alternating the unit changes the result, so every run repaints the bands.
    input.click(mA ? window.op_ma : window.op_a);
    input.type(window.txt_led_a, mA ? u"20" : u"0.01");
    input.click(window.btn_compute);
    mA = !mA;
  }
}
BENCHMARK(ComputeRun);

void StandardizeLargestValue(benchmark::State& state) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  frmMain window(toolkit);
  toolkit.Load(window);
  Variant value = Variant::Long(5100);
  for (auto _ : state) benchmark::DoNotOptimize(window.Standardize(value));
}
BENCHMARK(StandardizeLargestValue);

void CoreFormulas(benchmark::State& state) {
  for (auto _ : state) {
    Variant supply = Variant::Double(12), led = Variant::Double(2.1), current = Variant::Double(20),
            count = Variant::Double(3);
    benchmark::DoNotOptimize(resistor_value(supply, led, current, true));
    benchmark::DoNotOptimize(opto_resistor_value(supply, led, current, count));
    benchmark::DoNotOptimize(next_standard_index(4321.5));
  }
}
BENCHMARK(CoreFormulas);

}  // namespace
}  // namespace tarvex

BENCHMARK_MAIN();
