#include "core/number_read.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(ReadNumberCell, ReadsDecimalTextAndPaddedSimaFields) {
  EXPECT_DOUBLE_EQ(ReadNumberCell("100"), 100);
  EXPECT_DOUBLE_EQ(ReadNumberCell("-12.5"), -12.5);
  EXPECT_DOUBLE_EQ(ReadNumberCell("+3"), 3);
  EXPECT_DOUBLE_EQ(ReadNumberCell("1.5e3"), 1500);
  EXPECT_DOUBLE_EQ(ReadNumberCell(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadNumberCell(" -39525.623"), -39525.623);
  EXPECT_DOUBLE_EQ(ReadNumberCell("  60295.494\t"), 60295.494);
}

TEST(ReadNumberCell, TextThatIsNoNumberReadsAsZero) {
  for (const char* text :
       {"", " ", "abc", "1,5", "1.2.3", "12m", "inf", "nan", "0x10", "+-1", "- 1", "1e400"})
    EXPECT_EQ(ReadNumberCell(text), 0.0) << "'" << text << "'";
  EXPECT_FALSE(TryReadNumber("1,5").has_value());
  EXPECT_TRUE(TryReadNumber("0").has_value());
}

TEST(ReadIntegerCell, StrictDecimalIntegersOnly) {
  EXPECT_EQ(ReadIntegerCell("42"), 42);
  EXPECT_EQ(ReadIntegerCell("-7"), -7);
  EXPECT_EQ(ReadIntegerCell("+7"), 7);
  EXPECT_EQ(ReadIntegerCell("2147483647"), 2147483647);
  for (const char* text : {"", "2147483648", "1.0", " 1", "1 ", "x", "+-1"})
    EXPECT_EQ(ReadIntegerCell(text), 0) << "'" << text << "'";
  EXPECT_FALSE(TryReadInteger("abc").has_value());
}

}  // namespace
}  // namespace vensa
