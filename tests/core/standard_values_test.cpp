#include "core/number_text.h"
#include "core/standard_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/variant.h"

namespace tarvex {
namespace {

std::vector<double> entry_values() {
  std::vector<double> values;
  for (auto text : kStandardValues) values.push_back(Val(text));
  return values;
}

TEST(StandardValues, EachDecadeIsTheFirstOneScaled) {
  const auto values = entry_values();
  EXPECT_EQ(kStandardValues.front(), u"1.0");
  EXPECT_EQ(kStandardValues.back(), u"5100");
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end(), std::less_equal<>()));
  for (std::size_t i = 24; i < values.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(values[i], std::round(values[i - 24] * 10));
  }
}

TEST(NextStandardIndex, PartEdgeCases) {
  const struct {
    double x;
    double expected;
  } rows[] = {
      {470, 470},  {471, 510}, {9, 9.1}, {10, 10}, {92, 100},    {911, 1000},
      {4.05, 4.3}, {1, 1},     {0, 1},   {-25, 1}, {5100, 5100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.x);
    const auto index = next_standard_index(row.x);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(Val(kStandardValues[*index]), row.expected);
  }
  EXPECT_FALSE(next_standard_index(5101));
  EXPECT_FALSE(next_standard_index(1e6));
  EXPECT_FALSE(next_standard_index(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(next_standard_index(std::nan("")));
}

// Whole numbers, fractions that fall between entries, and every entry with its neighbours one bit
// away, checked against a binary search over the entries' values.
TEST(NextStandardIndex, SweepFindsTheSmallestEntryNotBelow) {
  const auto values = entry_values();
  std::vector<double> xs;
  for (int k = -100; k <= 6000; ++k) xs.push_back(k);
  for (int k = -70; k <= 42000; k += 7) xs.push_back(k / 7.0);
  for (int k = -300; k <= 16000; k += 5) xs.push_back(k * 0.37);
  for (double v : values) {
    xs.insert(xs.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1e9)});
  }
  for (double x : xs) {
    const auto found = std::lower_bound(values.begin(), values.end(), x);
    const auto index = next_standard_index(x);
    if (found == values.end()) {
      EXPECT_FALSE(index.has_value()) << x;
      EXPECT_GT(x, 5100);
    } else {
      ASSERT_TRUE(index.has_value()) << x;
      EXPECT_EQ(*index, static_cast<std::size_t>(found - values.begin())) << x;
    }
  }
}

}  // namespace
}  // namespace tarvex
