#include "core/band_code.h"

#include "core/errors.h"
#include "core/notation.h"

namespace tarvex {

const std::array<std::u16string_view, 10> kDigitItems = {
    u"0 Black", u"1 Brown", u"2 Red",    u"3 Orange", u"4 Yellow",
    u"5 Green", u"6 Blue",  u"7 Violet", u"8 Gray",   u"9 White",
};
const std::array<std::u16string_view, 7> kMultiplierItems = {
    u"0 Black", u"1 Brown", u"2 Red", u"3 Orange", u"4 Yellow", u"5 Green", u"6 Blue",
};
const std::array<std::u16string_view, 5> kToleranceItems = {
    u"Brown 1%", u"Red 2%", u"Gold 5%", u"Silver 10%", u"None 20%",
};

namespace {

constexpr std::array<Color, 10> kBandColors = {
    color_bgr(0x000000), color_bgr(0x004080), color_bgr(0x0000FF), color_bgr(0x0080FF), color_bgr(0x00FFFF),
    color_bgr(0x008000), color_bgr(0xFF0000), color_bgr(0xFF00FF), color_bgr(0xC0C0C0), color_bgr(0xFFFFFF),
};

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

Integer digit_or_zero(std::u16string_view text, std::size_t position) {
  if (position >= text.size() || !is_digit(text[position])) return 0;
  return static_cast<Integer>(text[position] - u'0');
}

}  // namespace

Color Get_color(const Long& band_color) {
  if (band_color < 0 || band_color > 9) return kBlack;
  return kBandColors[static_cast<std::size_t>(band_color)];
}

BandSplit band_split(std::u16string_view s) {
  BandSplit split;
  // Values below 10 with a fraction have no gold multiplier band to show them. The text may come
  // in the user's notation ("4,7"), so its decimal separator counts as well as the point.
  if (s.find(u'.') != s.npos || s.find(current_notation().decimal_separator) != s.npos) {
    split.encodable = false;
    return split;
  }
  const std::size_t n = s.size();
  // A single digit d is read as the bands 0, d and no zeros: d ohms, the value itself.
  if (n == 1 && is_digit(s[0])) {
    split.mode = BandMode::FourBand;
    split.second_digit = digit_or_zero(s, 0);
    split.multiplier = 0;
    return split;
  }
  if (n == 2 || n == 3) split.mode = BandMode::FourBand;
  if (n == 4) split.mode = BandMode::FiveBand;
  split.first_digit = digit_or_zero(s, 0);
  if (n >= 2 && n <= 4) split.second_digit = digit_or_zero(s, 1);
  const bool has_third = n == 3 || n == 4;
  if (n == 4) split.third_digit = digit_or_zero(s, 2);
  // The multiplier reads the third character as a run of zeros; it only ever holds "0" or nothing
  // for the standard values, and anything else leaves the selection alone.
  if (!has_third || s[2] == u' ') {
    split.multiplier = 0;
  } else if (s[2] == u'0') {
    split.multiplier = 1;
  }
  return split;
}

Long band_item_digit(std::u16string_view item) {
  if (item.empty() || !is_digit(item.front())) throw Error(ErrorKind::TypeMismatch);
  return item.front() - u'0';
}

Long band_item_value(std::u16string_view item) { return digit_or_zero(item, 0); }

std::optional<Text> multiplier_caption(Long digit) {
  if (digit == 0) return Text(u" ");  // a black multiplier leaves a gap, not a "0"
  if (digit < 0 || digit > 6) return std::nullopt;
  return Text(static_cast<std::size_t>(digit), u'0');
}

std::optional<Color> tolerance_color(std::u16string_view item) {
  if (item.empty()) return std::nullopt;
  switch (item.front()) {
    case u'G': return kGold;
    case u'S': return kSilver;
    case u'N': return kResistorBody;
    case u'R': return Get_color(2);
    case u'B': return Get_color(1);
    default: return std::nullopt;
  }
}

}  // namespace tarvex
