// The value rules on the texts a user types and the program writes: short plain numbers, the
// current and spacing forms people use, and texts that make the readers work hardest.
#include <benchmark/benchmark.h>

#include "core/number_text.h"
#include "core/variant.h"

namespace tarvex {
namespace {

void ValOf(benchmark::State& state, std::u16string_view text) {
  for (auto _ : state) benchmark::DoNotOptimize(Val(text));
}
BENCHMARK_CAPTURE(ValOf, whole, u"12");
BENCHMARK_CAPTURE(ValOf, fraction, u"3.3");
BENCHMARK_CAPTURE(ValOf, exponent, u"1.5E+3");
BENCHMARK_CAPTURE(ValOf, blanks_inside, u"  1 000 ");
BENCHMARK_CAPTURE(ValOf, hexadecimal, u"&HFFFF");
BENCHMARK_CAPTURE(ValOf, not_a_number, u"abc");
BENCHMARK_CAPTURE(ValOf, forty_digits, u"1234567890123456789012345678901234567890.5");

void IsNumericOf(benchmark::State& state, std::u16string_view text) {
  for (auto _ : state) benchmark::DoNotOptimize(IsNumeric(text));
}
BENCHMARK_CAPTURE(IsNumericOf, whole, u"12");
BENCHMARK_CAPTURE(IsNumericOf, fraction, u"3.3");
BENCHMARK_CAPTURE(IsNumericOf, grouped_currency, u" $1,000.50 ");
BENCHMARK_CAPTURE(IsNumericOf, trailing_letters, u"12abc");
BENCHMARK_CAPTURE(IsNumericOf, empty, u"");
BENCHMARK_CAPTURE(IsNumericOf, forty_digits, u"1234567890123456789012345678901234567890.5");

void TextFormOf(benchmark::State& state, Variant value) {
  for (auto _ : state) benchmark::DoNotOptimize(to_text(value));
}
BENCHMARK_CAPTURE(TextFormOf, long_500, Variant::Long(500));
BENCHMARK_CAPTURE(TextFormOf, double_whole, Variant::Double(510));
BENCHMARK_CAPTURE(TextFormOf, double_fraction, Variant::Double(0.02));
BENCHMARK_CAPTURE(TextFormOf, double_third, Variant::Double(1.0 / 3.0));
BENCHMARK_CAPTURE(TextFormOf, double_huge, Variant::Double(1.7976931348623157e308));

}  // namespace
}  // namespace tarvex
