#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

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

namespace vensa {
namespace {

TEST(FormatFixed, ExtremeMagnitudes) {
  EXPECT_EQ(FormatC8(5e-324), "0.00000000");
  EXPECT_EQ(FormatFixed(-5e-324, 0), "0");
  EXPECT_EQ(FormatFixed(1.7976931348623157e308, 0).size(), 309u);
  EXPECT_EQ(FormatFixed(99.995, 2), "100.00");
  EXPECT_EQ(FormatFixed(0.95, 1), "1.0");
  EXPECT_EQ(FormatFixed(-999.5, 0), "-1000");
  EXPECT_EQ(FormatFixed(1.5, 25), "1.50000000000000000000");  // at most 20 decimals
}

// printf rounds the exact binary value; the system rounds the shortest decimal text. Where
// fewer than 15 digits are printed both agree, except where that text ends in a 5 just
// after the last printed decimal.
TEST(FormatFixed, AgreesWithPrintfAwayFromDecimalHalfways) {
  std::mt19937_64 random(20231208);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 12), digits(0, 8);
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    const double v = mantissa(random) * std::pow(10.0, exponent(random));
    const int k = digits(random);
    if (std::fabs(v) * std::pow(10.0, k) >= 1e14) continue;
    char shortest[64];
    *std::to_chars(shortest, shortest + 63, v, std::chars_format::fixed).ptr = '\0';
    const char* dot = std::strchr(shortest, '.');
    if (dot && static_cast<int>(std::strlen(dot + 1)) == k + 1 && dot[k + 1] == '5') continue;
    char expected[128];
    std::snprintf(expected, sizeof expected, "%.*f", k, v);
    std::string want = expected;
    if (want.rfind("-", 0) == 0 && want.find_first_of("123456789") == std::string::npos)
      want.erase(0, 1);
    ASSERT_EQ(FormatFixed(v, k), want) << shortest << " with " << k;
    ++compared;
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace vensa
