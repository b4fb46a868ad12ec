#include "core/point_name.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(SplitTrailingNumber, SplitsTheLastRunOfDigits) {
  auto r = SplitTrailingNumber("A-12");
  EXPECT_EQ(r.prefix, "A-");
  EXPECT_EQ(r.digits, "12");
  EXPECT_TRUE(r.found);
  r = SplitTrailingNumber("123");
  EXPECT_EQ(r.prefix, "");
  EXPECT_EQ(r.digits, "123");
  r = SplitTrailingNumber("12A");
  EXPECT_EQ(r.prefix, "12A");
  EXPECT_FALSE(r.found);
  EXPECT_FALSE(SplitTrailingNumber("").found);
  // Full-width digits are characters, not digits.
  EXPECT_FALSE(SplitTrailingNumber("P１").found);
}

TEST(SplitNameNumber, FindsTheLastNumberInTheTrimmedName) {
  auto r = SplitNameNumber(" A-12B ");
  EXPECT_EQ(r.prefix, "A-");
  EXPECT_EQ(r.number, "12");
  EXPECT_EQ(r.suffix, "B");
  r = SplitNameNumber("P5");
  EXPECT_EQ(r.prefix, "P");
  EXPECT_EQ(r.number, "5");
  EXPECT_EQ(r.suffix, "");
  r = SplitNameNumber("12");
  EXPECT_EQ(r.prefix, "");
  EXPECT_EQ(r.number, "12");
  r = SplitNameNumber("1-2x");
  EXPECT_EQ(r.prefix, "1-");
  EXPECT_EQ(r.number, "2");
  EXPECT_EQ(r.suffix, "x");
  r = SplitNameNumber(" 測点 ");
  EXPECT_EQ(r.prefix, "");
  EXPECT_EQ(r.number, "");
  EXPECT_EQ(r.suffix, "測点");
}

}  // namespace
}  // namespace vensa
