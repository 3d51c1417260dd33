#pragma once
// The resistor colour code both ways: a standard value's text to band selections, and band list items
// to digits, captions and colours.
#include <array>
#include <optional>
#include <string_view>

#include "core/color.h"
#include "core/variant.h"

namespace tarvex {

// The items of the band lists; an item's index in its list is its digit.
extern const std::array<std::u16string_view, 10> kDigitItems;      // "0 Black" .. "9 White"
extern const std::array<std::u16string_view, 7> kMultiplierItems;  // "0 Black" .. "6 Blue"
extern const std::array<std::u16string_view, 5> kToleranceItems;   // "Brown 1%" .. "None 20%"

inline constexpr Color kGold = color_bgr(0x3AAEC2);
inline constexpr Color kSilver = color_bgr(0xE0E0E0);
inline constexpr Color kResistorBody = color_bgr(0x80C0FF);

// The colour of a band for a digit; black for anything outside 0 to 9.
Color Get_color(const Long& band_color);

// --- Encoding: a standard value's text to band selections ---

enum class BandMode { FourBand, FiveBand, Unchanged };

struct BandSplit {
  // False for the values below 10 that have a fraction (1.1 .. 9.1): the multiplier list has no
  // gold band, so these lists cannot show them, and the window clears the value bands instead.
  bool encodable = true;
  BandMode mode = BandMode::Unchanged;
  Integer first_digit = 0;             // index into the digit list
  Integer second_digit = 0;            // index into the digit list
  std::optional<Integer> third_digit;  // four-digit values only (five-band reading)
  std::optional<Integer> multiplier;   // index into the multiplier list; nothing: leave it
};

BandSplit band_split(std::u16string_view standard_value_text);

// --- Decoding: band list items to what they stand for ---

// Strict digit of an item: its first character must be a digit, else Type mismatch.
Long band_item_digit(std::u16string_view item);
// Lenient digit of an item: a first character that is not a digit, or none, reads as 0.
Long band_item_value(std::u16string_view item);
// The run of zeros a multiplier digit stands for (" " for 0); nothing outside 0 to 6.
std::optional<Text> multiplier_caption(Long digit);
// The colour of a tolerance item, by its first letter; nothing when no letter matches.
std::optional<Color> tolerance_color(std::u16string_view item);

}  // namespace tarvex
