#include "core/number_text.h"
#include "core/band_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "core/standard_values.h"
#include "tests/core/expect_error.h"

namespace tarvex {
namespace {

TEST(BandSplit, StandardValuesFromTen) {
  using M = BandMode;
  const struct {
    std::u16string text;
    M mode;
    Integer first, second;
    std::optional<Integer> third, multiplier;
  } rows[] = {
      {u"10", M::FourBand, 1, 0, std::nullopt, 0},
      {u"47", M::FourBand, 4, 7, std::nullopt, 0},
      {u"470", M::FourBand, 4, 7, std::nullopt, 1},
      {u"910", M::FourBand, 9, 1, std::nullopt, 1},
      {u"4700", M::FiveBand, 4, 7, 0, 1},
      {u"5100", M::FiveBand, 5, 1, 0, 1},
      {u"", M::Unchanged, 0, 0, std::nullopt, 0},
      {u"1", M::FourBand, 0, 1, std::nullopt, 0},  // a lone digit d reads as 0, d, no zeros
      {u"3", M::FourBand, 0, 3, std::nullopt, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
    const BandSplit split = band_split(row.text);
    EXPECT_TRUE(split.encodable);
    EXPECT_EQ(split.mode, row.mode);
    EXPECT_EQ(split.first_digit, row.first);
    EXPECT_EQ(split.second_digit, row.second);
    EXPECT_EQ(split.third_digit, row.third);
    EXPECT_EQ(split.multiplier, row.multiplier);
  }
}

// Every whole standard value must read back from its bands as itself.
TEST(BandSplit, BandsOfEveryWholeStandardValueReadBack) {
  for (auto text : kStandardValues) {
    SCOPED_TRACE(Val(text));
    const BandSplit split = band_split(text);
    if (text.find(u'.') != text.npos) {
      EXPECT_FALSE(split.encodable);
      continue;
    }
    ASSERT_TRUE(split.multiplier.has_value());
    double value = split.first_digit * 10 + split.second_digit;
    if (split.mode == BandMode::FiveBand) value = value * 10 + split.third_digit.value();
    EXPECT_EQ(value * std::pow(10, *split.multiplier), Val(text));
  }
}

TEST(BandSplit, FractionsInTheUsersNotationAreNotEncodable) {
  EXPECT_FALSE(band_split(u"4.7").encodable);
  ScopedNotation comma({u',', u'.', u"€"});
  EXPECT_FALSE(band_split(u"4,7").encodable);
}

// Every item of every list paints its own colour.
TEST(BandColors, EveryDigitAndEveryToleranceHasItsColour) {
  const std::uint32_t digit_colours[] = {0x000000, 0x004080, 0x0000FF, 0x0080FF, 0x00FFFF,
                                         0x008000, 0xFF0000, 0xFF00FF, 0xC0C0C0, 0xFFFFFF};
  for (std::size_t digit = 0; digit < kDigitItems.size(); ++digit) {
    EXPECT_EQ(Get_color(static_cast<Long>(digit)), color_bgr(digit_colours[digit])) << "digit " << digit;
  }
  for (Long outside : {-1, 10, 255}) EXPECT_EQ(Get_color(outside), kBlack) << outside;
  const std::uint32_t tolerance_colours[] = {0x004080, 0x0000FF, 0x3AAEC2, 0xE0E0E0, 0x80C0FF};
  for (std::size_t i = 0; i < kToleranceItems.size(); ++i) {
    EXPECT_EQ(tolerance_color(kToleranceItems[i]), color_bgr(tolerance_colours[i])) << "tolerance item " << i;
  }
  EXPECT_EQ(tolerance_color(u"gold"), std::nullopt);
  EXPECT_EQ(tolerance_color(u""), std::nullopt);
}

TEST(BandItems, DigitsAndCaptions) {
  for (std::size_t i = 0; i < kDigitItems.size(); ++i) {
    EXPECT_EQ(band_item_digit(kDigitItems[i]), static_cast<Long>(i));
  }
  EXPECT_EQ(band_item_value(u""), 0);
  EXPECT_EQ(band_item_value(u"7 Violet"), 7);
  EXPECT_EQ(band_item_value(u"x"), 0);
  for (auto bad : {u"", u"Gold"})
    ExpectError(ErrorKind::TypeMismatch, [&] { band_item_digit(bad); });
  EXPECT_EQ(multiplier_caption(0), Text(u" "));
  EXPECT_EQ(multiplier_caption(6), Text(u"000000"));
  EXPECT_EQ(multiplier_caption(7), std::nullopt);
  EXPECT_EQ(multiplier_caption(-1), std::nullopt);
}

}  // namespace
}  // namespace tarvex
