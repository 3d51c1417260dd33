#pragma once
// What a chosen resistor carries once it is fitted: the current that flows, the power it turns into
// heat, and the smallest common power rating that carries that power with a margin of two. Volts,
// ohms, amperes and watts throughout.
#include <array>
#include <optional>
#include <string_view>

#include "core/variant.h"

namespace tarvex {

struct ResistorLoad {
  double current = 0;  // amperes through the resistor: for the opto-isolator line, all its LEDs together
  double power = 0;    // watts: the current squared times the resistance
};

// One LED in series with the resistor, from the supply: (supply - LED voltage) / resistance.
ResistorLoad series_load(double supply_v, double led_v, double ohms);
// The LEDs of the fixed 5 V opto-isolator line, less its further 0.2 V drop, all through one
// resistor: ((5 - LED voltage) - 0.2) / resistance, the drop taken in the same order as the formula.
ResistorLoad opto_load(double led_v, double ohms);

struct PowerRating {
  double watts;
  std::u16string_view name;  // as the ratings are sold: "1/8", "1/4", "1/2", "1", "2", "3", "5"
};

// The common ratings of through-hole resistors, smallest first.
inline constexpr std::array<PowerRating, 7> kPowerRatings = {{
    {0.125, u"1/8"},
    {0.25, u"1/4"},
    {0.5, u"1/2"},
    {1, u"1"},
    {2, u"2"},
    {3, u"3"},
    {5, u"5"},
}};

// The smallest common rating of at least twice the power; nothing when even 5 W is less than that.
std::optional<PowerRating> safe_rating(double power);

// A value below 10 ohms in four bands: its two significant digits and a gold multiplier (a tenth).
struct GoldMultiplierCode {
  Integer first_digit = 0;
  Integer second_digit = 0;
};

// The code of a value from 1 to 9.9 ohms, read to one decimal; nothing for any other value.
std::optional<GoldMultiplierCode> gold_multiplier_code(double ohms);

}  // namespace tarvex
