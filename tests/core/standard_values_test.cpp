#include "core/standard_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/number_text.h"
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

TEST(NextStandardIndex, RoundsUpToTheNextEntryOfTheTable) {
  const struct {
    const char* rule;
    double x;
    double expected;
  } rows[] = {
      {"an entry is its own answer", 470, 470},
      {"just above an entry gives the next", 471, 510},
      {"below ten the entries have a fraction", 9, 9.1},
      {"a decade's first entry is its own answer", 10, 10},
      {"the answer may lie in the next decade", 92, 100},
      {"and in the next but one", 911, 1000},
      {"a fraction rounds up to a fraction", 4.05, 4.3},
      {"the smallest entry is its own answer", 1, 1},
      {"zero gives the smallest entry", 0, 1},
      {"a negative value gives the smallest entry", -25, 1},
      {"the largest entry is its own answer", 5100, 5100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.rule);
    const auto index = next_standard_index(row.x);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(Val(kStandardValues[*index]), row.expected);
  }
}

TEST(NextStandardIndex, NothingAboveTheLargestEntryOrForANonNumber) {
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
