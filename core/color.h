#pragma once
// A 24-bit colour as the windows store it: 0x00BBGGRR, red in the low byte.
#include <cstdint>

namespace tarvex {

enum class Color : std::uint32_t {};

constexpr Color color_bgr(std::uint32_t bgr) { return Color{bgr & 0x00FFFFFFu}; }
constexpr std::uint32_t bgr_of(Color c) { return static_cast<std::uint32_t>(c); }

inline constexpr Color kBlack = color_bgr(0x000000);
inline constexpr Color kRed = color_bgr(0x0000FF);
inline constexpr Color kWhite = color_bgr(0xFFFFFF);

}  // namespace tarvex
