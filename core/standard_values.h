#pragma once
// The standard 5% carbon resistor values the program rounds up to: the E24 series from 1.0 to 5100
// ohms, ascending, as the texts the window's hidden list holds.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvex {

inline constexpr std::size_t kStandardValueCount = 90;
extern const std::array<std::u16string_view, kStandardValueCount> kStandardValues;

// Position of the smallest entry not below x, or nothing when x lies above the largest (5100).
std::optional<std::size_t> next_standard_index(double x);

}  // namespace tarvex
