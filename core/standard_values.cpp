#include "core/standard_values.h"

#include <cmath>

#include "core/number_text.h"
#include "core/variant.h"

namespace tarvex {

const std::array<std::u16string_view, kStandardValueCount> kStandardValues = {
    u"1.0",  u"1.1",  u"1.2",  u"1.3",  u"1.5",  u"1.6",  u"1.8",  u"2.0",  u"2.2",  u"2.4",  u"2.7",  u"3.0",  u"3.3",
    u"3.6",  u"3.9",  u"4.3",  u"4.7",  u"5.1",  u"5.6",  u"6.2",  u"6.8",  u"7.5",  u"8.2",  u"9.1",  u"10",   u"11",
    u"12",   u"13",   u"15",   u"16",   u"18",   u"20",   u"22",   u"24",   u"27",   u"30",   u"33",   u"36",   u"39",
    u"43",   u"47",   u"51",   u"56",   u"62",   u"68",   u"75",   u"82",   u"91",   u"100",  u"110",  u"120",  u"130",
    u"150",  u"160",  u"180",  u"200",  u"220",  u"240",  u"270",  u"300",  u"330",  u"360",  u"390",  u"430",  u"470",
    u"510",  u"560",  u"620",  u"680",  u"750",  u"820",  u"910",  u"1000", u"1100", u"1200", u"1300", u"1500", u"1600",
    u"1800", u"2000", u"2200", u"2400", u"2700", u"3000", u"3300", u"3600", u"3900", u"4300", u"4700", u"5100",
};

std::optional<std::size_t> next_standard_index(double x) {
  // Not a number has no standard value; the walk below would otherwise stop at once and offer 1.0.
  if (std::isnan(x)) return std::nullopt;
  // The entries are compared by the value their text reads as, as the window's list would be.
  static const auto values = [] {
    std::array<double, kStandardValueCount> v{};
    for (std::size_t i = 0; i < kStandardValueCount; ++i) v[i] = Val(kStandardValues[i]);
    return v;
  }();
  for (std::size_t i = 0; i < kStandardValueCount; ++i) {
    if (!(x > values[i])) return i;
  }
  return std::nullopt;
}

}  // namespace tarvex
