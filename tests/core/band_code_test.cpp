#include "core/band_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <set>

#include "core/number_text.h"
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

// Each digit paints a colour of its own, from black for 0 to white for 9, and a number outside the
// digits paints black; each tolerance item paints a colour of its own, the gold one gold.
TEST(BandColors, EachItemPaintsAColourOfItsOwn) {
  std::set<std::uint32_t> digit_colours;
  for (Long digit = 0; digit <= 9; ++digit) digit_colours.insert(bgr_of(Get_color(digit)));
  EXPECT_EQ(digit_colours.size(), 10u);
  EXPECT_EQ(Get_color(0), kBlack);
  EXPECT_EQ(Get_color(2), kRed);
  EXPECT_EQ(Get_color(9), kWhite);
  for (Long outside : {-1, 10, 255}) EXPECT_EQ(Get_color(outside), kBlack) << outside;
  std::set<std::uint32_t> tolerance_colours;
  for (const auto& item : kToleranceItems) {
    const auto colour = tolerance_color(item);
    ASSERT_TRUE(colour.has_value());
    tolerance_colours.insert(bgr_of(*colour));
  }
  EXPECT_EQ(tolerance_colours.size(), kToleranceItems.size());
  EXPECT_EQ(tolerance_color(u"Gold 5%"), kGold);
  EXPECT_EQ(tolerance_color(u"gold"), std::nullopt) << "only an item's own text";
  EXPECT_EQ(tolerance_color(u""), std::nullopt);
}

TEST(BandItems, DigitsAndCaptions) {
  for (std::size_t i = 0; i < kDigitItems.size(); ++i) {
    EXPECT_EQ(band_item_digit(kDigitItems[i]), static_cast<Long>(i));
  }
  EXPECT_EQ(band_item_value(u""), 0);
  EXPECT_EQ(band_item_value(u"7 Violet"), 7);
  EXPECT_EQ(band_item_value(u"x"), 0);
  for (auto bad : {u"", u"Gold"}) ExpectError(ErrorKind::TypeMismatch, [&] { band_item_digit(bad); });
  EXPECT_EQ(multiplier_caption(0), Text(u" "));
  EXPECT_EQ(multiplier_caption(6), Text(u"000000"));
  EXPECT_EQ(multiplier_caption(7), std::nullopt);
  EXPECT_EQ(multiplier_caption(-1), std::nullopt);
}

}  // namespace
}  // namespace tarvex
