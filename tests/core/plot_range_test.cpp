#include "core/plot_range.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

std::vector<int> Selected(const std::string& range, int upTo = 12) {
  std::vector<int> rows;
  for (int n = -1; n <= upTo; ++n)
    if (InPlotRange(range, n)) rows.push_back(n);
  return rows;
}

using Rows = std::vector<int>;

TEST(InPlotRange, EmptyRangeSelectsEveryRowBlankRangeNone) {
  EXPECT_EQ(Selected("", 3), (Rows{-1, 0, 1, 2, 3}));
  EXPECT_EQ(Selected(" "), Rows{});
  EXPECT_EQ(Selected("abc"), Rows{});
}

TEST(InPlotRange, ItemsAndIntervals) {
  EXPECT_EQ(Selected("1-3,6,7"), (Rows{1, 2, 3, 6, 7}));
  EXPECT_EQ(Selected("2-4;8"), (Rows{2, 3, 4, 8}));
  // Single numbers must be written exactly: blanks and leading zeros do not match.
  EXPECT_EQ(Selected("1-3, 6, 7"), (Rows{1, 2, 3}));
  EXPECT_EQ(Selected("06"), Rows{});
  EXPECT_EQ(Selected("+6"), Rows{});
  // Intervals are trimmed and read leniently.
  EXPECT_EQ(Selected(" 6-", 8), (Rows{6, 7, 8}));
  EXPECT_EQ(Selected(" 2 - 3 "), (Rows{2, 3}));
}

TEST(InPlotRange, OpenAndDegenerateIntervals) {
  EXPECT_EQ(Selected("9-", 11), (Rows{9, 10, 11}));
  EXPECT_EQ(Selected("3-3", 5), (Rows{3, 4, 5}));
  EXPECT_EQ(Selected("5-3", 6), (Rows{5, 6}));
  EXPECT_EQ(Selected("-4"), (Rows{1, 2, 3, 4}));
  EXPECT_EQ(Selected("-0"), Rows{});
  EXPECT_EQ(Selected("0-0"), Rows{});
  EXPECT_EQ(Selected("x-2"), (Rows{1, 2}));
}

TEST(InPlotRange, WideRangesAreArithmetic) {
  EXPECT_TRUE(InPlotRange("1-100000000", 99999999));
  EXPECT_FALSE(InPlotRange("1-100000000", 100000001));
  EXPECT_TRUE(InPlotRange("2147483647", 2147483647));
  // A bound beyond 32 bits is unreadable and counts as 0.
  EXPECT_TRUE(InPlotRange("5-99999999999", 2000000000));
}

TEST(SplitCommaList, KeepsEmptyItemsUntrimmed) {
  using Items = std::vector<std::string>;
  EXPECT_EQ(SplitCommaList(""), Items{""});
  EXPECT_EQ(SplitCommaList("a,,b,"), (Items{"a", "", "b", ""}));
  EXPECT_EQ(SplitCommaList(" a , b"), (Items{" a ", " b"}));
  Items reused{"old"};
  SplitCommaList("x", reused);
  EXPECT_EQ(reused, Items{"x"});
}

}  // namespace
}  // namespace vensa
