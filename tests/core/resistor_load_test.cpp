#include "core/resistor_load.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/notation.h"
#include "core/number_text.h"
#include "core/standard_values.h"
#include "core/variant.h"

namespace tarvex {
namespace {

TEST(ResistorLoad, CurrentAndHeatWithTheStandardValueFitted) {
  const ResistorLoad single = series_load(12, 2, 510);
  EXPECT_NEAR(single.current, 10.0 / 510, 1e-15);
  EXPECT_NEAR(single.power, 0.196078, 1e-6);
  // The opto line takes its 5 V less the LED and 0.2 V, whatever the supply; the current is every LED's.
  const ResistorLoad opto = opto_load(2, 75);
  EXPECT_NEAR(opto.current, 2.8 / 75, 1e-15);
  EXPECT_NEAR(opto.power, 0.104533, 1e-6);
  EXPECT_LT(series_load(2, 3, 1).current, 0) << "a supply below the LED drives nothing forward";
}

// Twice the power must fit within the rating; exactly twice is enough.
TEST(SafeRating, SmallestCommonRatingOfAtLeastTwiceThePower) {
  const struct {
    double power;
    const char16_t* rating;  // nullptr: above every common rating
  } rows[] = {
      {0, u"1/8"},    {0.0625, u"1/8"}, {0.0626, u"1/4"},  {0.125, u"1/4"},  {0.196, u"1/2"}, {0.25, u"1/2"},
      {0.2501, u"1"}, {0.5, u"1"},      {0.84, u"2"},      {1.0, u"2"},      {1.12, u"3"},    {1.5, u"3"},
      {1.56, u"5"},   {2.5, u"5"},      {2.5001, nullptr}, {1e300, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.power);
    const auto rating = safe_rating(row.power);
    if (row.rating == nullptr) {
      EXPECT_FALSE(rating.has_value());
    } else {
      ASSERT_TRUE(rating.has_value());
      EXPECT_EQ(rating->name, std::u16string_view(row.rating));
      EXPECT_GE(rating->watts, 2 * row.power);
    }
  }
  EXPECT_FALSE(safe_rating(std::nan("")).has_value()) << "a power that is no number fits no rating";
}

TEST(GoldMultiplierCode, EveryStandardValueBelowTenIsTwoDigitsAndATenth) {
  for (std::size_t i = 0; i < kStandardValueCount; ++i) {
    const double ohms = Val(kStandardValues[i]);
    const auto code = gold_multiplier_code(ohms);
    SCOPED_TRACE(ohms);
    if (ohms >= 10) {
      EXPECT_FALSE(code.has_value());
      continue;
    }
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ((code->first_digit * 10 + code->second_digit) / 10.0, ohms);
  }
  const auto five_one = gold_multiplier_code(5.1);
  ASSERT_TRUE(five_one.has_value());
  EXPECT_EQ(five_one->first_digit, 5);
  EXPECT_EQ(five_one->second_digit, 1);
  EXPECT_FALSE(gold_multiplier_code(0.5).has_value()) << "below one ohm takes a silver multiplier";
  EXPECT_FALSE(gold_multiplier_code(std::nan("")).has_value());
}

TEST(FixedText, RoundsToItsDecimalsInTheUsersNotation) {
  EXPECT_EQ(fixed_text(19.607843, 1), u"19.6");
  EXPECT_EQ(fixed_text(0.196078, 2), u"0.20");
  EXPECT_EQ(fixed_text(18.66667, 1), u"18.7");
  EXPECT_EQ(fixed_text(3, 2), u"3.00");
  EXPECT_EQ(fixed_text(-0.04, 1), u"0.0") << "nothing left is not negative";
  EXPECT_EQ(fixed_text(-1.25, 1), u"-1.2");
  EXPECT_EQ(fixed_text(1e20, 2), u"1E+20") << "too long for a fixed point";
  const ScopedNotation german(NumberNotation{u',', u'.', u"€"});
  EXPECT_EQ(fixed_text(0.104533, 2), u"0,10");
}

}  // namespace
}  // namespace tarvex
