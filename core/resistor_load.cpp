#include "core/resistor_load.h"

#include <cmath>

namespace tarvex {

namespace {

ResistorLoad through(double volts, double ohms) {
  const double current = volts / ohms;
  return {current, current * current * ohms};
}

}  // namespace

ResistorLoad series_load(double supply_v, double led_v, double ohms) { return through(supply_v - led_v, ohms); }

ResistorLoad opto_load(double led_v, double ohms) { return through((5 - led_v) - 0.2, ohms); }

std::optional<PowerRating> safe_rating(double power) {
  for (const PowerRating& rating : kPowerRatings) {
    if (rating.watts >= 2 * power) return rating;
  }
  return std::nullopt;
}

std::optional<GoldMultiplierCode> gold_multiplier_code(double ohms) {
  // Tenths, rounded: the table's values below 10 all have one decimal, which a Double holds inexactly.
  const double tenths = std::round(ohms * 10);
  if (!(tenths >= 10 && tenths <= 99)) return std::nullopt;
  const auto digits = static_cast<Integer>(tenths);
  return GoldMultiplierCode{static_cast<Integer>(digits / 10), static_cast<Integer>(digits % 10)};
}

}  // namespace tarvex
