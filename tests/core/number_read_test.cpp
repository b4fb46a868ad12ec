#include "core/number_read.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

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

// Plain decimals take a short way of their own: the very bits of the general reader.
TEST(ReadNumberCell, PlainDecimalsReadToTheSameBitsAsTheGeneralReader) {
  std::mt19937_64 random(7);
  std::vector<std::string> texts = {"-0",
                                    "0.",
                                    "-.5",
                                    "5.",
                                    "999999999999999",
                                    "0.000000000000001",
                                    "1234567890123456",
                                    "-0.1000000000000000",
                                    "12.3456789012345"};
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 16);
    std::string text = random() % 2 ? "-" : "";
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
    text.insert(text.size() - random() % static_cast<unsigned>(digits + 1), ".");
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    const std::optional<double> read = TryReadNumber(text);
    ASSERT_TRUE(read.has_value()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(expected)) << text;
  }
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

namespace vensa {
namespace {

// The exact reading takes the texts the general reader takes, no others, and gives the
// digits and the power of ten as written.
TEST(TryReadExactDecimal, SameGrammarAsTheGeneralReaderExactDigits) {
  struct Case {
    const char* text;
    bool negative;
    std::uint64_t digits;
    int exponent;
  };
  const Case numbers[] = {
      {"-32836.454", true, 32836454, -3},
      {" 100.053245 ", false, 100053245, -6},
      {"+12.500", false, 125, -1},
      {"0.0", false, 0, 0},
      {"5.", false, 5, 0},
      {".25", false, 25, -2},
      {"1.5E3", false, 15, 2},
      {"-2e-4", true, 2, -4},
      {"007", false, 7, 0},
      {"120000", false, 12, 4},
  };
  for (const Case& c : numbers) {
    const auto d = TryReadExactDecimal(c.text);
    ASSERT_TRUE(d) << c.text;
    EXPECT_EQ(d->negative, c.negative) << c.text;
    EXPECT_EQ(d->digits, c.digits) << c.text;
    EXPECT_EQ(d->exponent, c.exponent) << c.text;
    EXPECT_TRUE(TryReadNumber(c.text)) << c.text;
  }
  for (const char* text : {"", " ", "abc", "1.2.3", ".", "-", "+-1", "+ 1", "1e", "1e+", "1x",
                           "inf", "nan", "0x10", "1,5", "1234567890123456789"}) {
    EXPECT_FALSE(TryReadExactDecimal(text)) << text;
    if (std::string_view(text) != "1234567890123456789") {
      EXPECT_FALSE(TryReadNumber(text)) << text;
    }
  }
}

}  // namespace
}  // namespace vensa
