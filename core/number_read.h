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

// A decimal integer, optionally signed, that fits 32 bits; otherwise nullopt. No blanks.
std::optional<std::int32_t> TryReadInteger(std::string_view text);

// A cell read as an integer (PLOT No., range bounds): the integer, otherwise 0.
std::int32_t ReadIntegerCell(std::string_view text);

}  // namespace vensa
