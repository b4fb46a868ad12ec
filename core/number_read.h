// Reading numbers from cells and fields, locale-independent.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vensa {

// A decimal floating-point number with "." as separator, optional sign and exponent.
// Blanks around the number are accepted (SIMA files pad their fields). Anything else,
// the empty text included, reads as 0.
double ReadNumberCell(std::string_view text);

// The same reading, but tells whether the text was a number at all.
std::optional<double> TryReadNumber(std::string_view text);

// A decimal number exactly as written, for sums that must not round: the value is
// (negative ? -1 : 1) · digits · 10^exponent, `digits` without trailing zeros. The text
// is what TryReadNumber takes (blanks around, sign, point, exponent); nullopt for any
// other text and for more than 18 significant digits, which no exact sum can hold.
struct ExactDecimal {
  bool negative = false;
  std::uint64_t digits = 0;
  std::int32_t exponent = 0;
};
std::optional<ExactDecimal> TryReadExactDecimal(std::string_view text);

// A decimal integer, optionally signed, that fits 32 bits; otherwise nullopt. No blanks.
std::optional<std::int32_t> TryReadInteger(std::string_view text);

// A cell read as an integer (PLOT No., range bounds): the integer, otherwise 0.
std::int32_t ReadIntegerCell(std::string_view text);

}  // namespace vensa
