// The standard-value search: the core's lookup, and the window's walk of its hidden list, which is
// what each Compute runs twice. The walk's cost grows with the value, so both ends are measured.
#include <benchmark/benchmark.h>

#include "core/standard_values.h"
#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"

namespace tarvex {
namespace {

void NextStandardIndex(benchmark::State& state, double value) {
  for (auto _ : state) benchmark::DoNotOptimize(next_standard_index(value));
}
BENCHMARK_CAPTURE(NextStandardIndex, smallest, 1.0);
BENCHMARK_CAPTURE(NextStandardIndex, middle, 500.0);
BENCHMARK_CAPTURE(NextStandardIndex, largest, 5100.0);
BENCHMARK_CAPTURE(NextStandardIndex, above_the_table, 5101.0);

void Standardize(benchmark::State& state, Variant value) {
  HeadlessPlatform platform;
  Toolkit toolkit(platform);
  frmMain window(toolkit);
  toolkit.Load(window);
  for (auto _ : state) {
    benchmark::DoNotOptimize(window.Standardize(value));
    platform.messages.clear();  // the value above the table shows a message box each time
  }
}
BENCHMARK_CAPTURE(Standardize, smallest, Variant::Long(1));
BENCHMARK_CAPTURE(Standardize, middle, Variant::Long(500));
BENCHMARK_CAPTURE(Standardize, largest, Variant::Long(5100));
BENCHMARK_CAPTURE(Standardize, above_the_table, Variant::Long(5101));

}  // namespace
}  // namespace tarvex
