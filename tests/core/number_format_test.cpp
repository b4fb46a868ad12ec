#include "core/number_format.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(FormatFixed, RoundsTheShortestDecimalHalfAwayFromZero) {
  EXPECT_EQ(FormatC8(100), "100.00000000");
  EXPECT_EQ(FormatC8(-0.5), "-0.50000000");
  EXPECT_EQ(FormatC8(-12.5), "-12.50000000");
  EXPECT_EQ(FormatC8(0.001953125), "0.00195313");
  EXPECT_EQ(FormatFixed(150.125, 2), "150.13");
  EXPECT_EQ(FormatFixed(2.5, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
  // 1.005 is stored as 1.00499999999999989..., but its shortest form is "1.005".
  EXPECT_EQ(FormatFixed(1.005, 2), "1.01");
  EXPECT_EQ(FormatFixed(9.9996, 3), "10.000");
  EXPECT_EQ(FormatFixed(0.5, 0), "1");
  EXPECT_EQ(FormatFixed(0.4, 0), "0");
  EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
  EXPECT_EQ(FormatFixed(123456789012.5, 0), "123456789013");
  EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
}

TEST(FormatFixed, NeverPrintsMinusZero) {
  EXPECT_EQ(FormatC8(-0.0), "0.00000000");
  EXPECT_EQ(FormatC8(-1e-12), "0.00000000");
  EXPECT_EQ(FormatC8(1e-9), "0.00000000");
  EXPECT_EQ(FormatFixed(-0.0004, 3), "0.000");
  EXPECT_EQ(FormatFixed(-0.0005, 3), "-0.001");
  EXPECT_EQ(FormatFixed(-0.4, 0), "0");
}

TEST(FormatG15, ShortestGeneralForm) {
  EXPECT_EQ(FormatG15(2.5), "2.5");
  EXPECT_EQ(FormatG15(5), "5");
  EXPECT_EQ(FormatG15(0), "0");
  EXPECT_EQ(FormatG15(-0.0), "0");
  EXPECT_EQ(FormatG15(2.5 * 100), "250");
  EXPECT_EQ(FormatG15(1.8 * 100), "180");
  EXPECT_EQ(FormatG15(180.00000000000003), "180");
  EXPECT_EQ(FormatG15(1.1 * 1000), "1100");
  EXPECT_EQ(FormatG15(0.0125 * 1000), "12.5");
  EXPECT_EQ(FormatG15(-39525.623 * 1000), "-39525623");
  EXPECT_EQ(FormatG15(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatG15(0.00001), "0.00001");
  EXPECT_EQ(FormatG15(999999999999999.0), "999999999999999");
}

TEST(FormatG15, ScientificOutsideTheDecimalRange) {
  EXPECT_EQ(FormatG15(1e20), "1E20");
  EXPECT_EQ(FormatG15(1e15), "1E15");
  EXPECT_EQ(FormatG15(1.5e-6), "1.5E-6");
  EXPECT_EQ(FormatG15(-2.25e-7), "-2.25E-7");
  // Rounding to 15 digits can carry into a new power of ten.
  EXPECT_EQ(FormatG15(9999999999999999.0), "1E16");
}

TEST(NumberFormat, NonFiniteValuesAreNamed) {
  EXPECT_EQ(FormatC8(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatG15(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatG15(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

}  // namespace
}  // namespace vensa
