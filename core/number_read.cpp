#include "core/number_read.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "core/text.h"

namespace vensa {

namespace {

// Plain decimals of at most 15 digits ("-34567.891", "0.5", "12"), the text of nearly every
// coordinate a drawing or a list holds: the digits as an integer and the power of ten they
// are divided by are both exact in a double, so one division gives the correctly rounded
// value, as the general reader does. Nothing for any other text.
std::optional<double> ReadPlainDecimal(std::string_view text) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  std::uint64_t digits = 0;
  int count = 0;
  int fraction = -1;  // digits after the point; -1 without a point
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (++count > 15) return std::nullopt;
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (fraction >= 0) ++fraction;
    } else if (c == '.' && fraction < 0) {
      fraction = 0;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;
  double value = static_cast<double>(digits);
  if (fraction > 0) value /= kPowers[fraction];
  return negative ? -value : value;
}

}  // namespace

std::optional<double> TryReadNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    // "+-1" and "+ 1" are no numbers.
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  if (std::optional<double> plain = ReadPlainDecimal(text)) return plain;
  // from_chars also takes "inf" and "nan"; a cell holding those is text, not a number.
  for (char c : text) {
    if (c == 'i' || c == 'I' || c == 'n' || c == 'N') return std::nullopt;
  }
  double value = 0.0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<ExactDecimal> TryReadExactDecimal(std::string_view text) {
  // The grammar of the general reader: blanks around, one sign ("+" only before digits),
  // digits with at most one point and at least one digit, an exponent of digits.
  text = TrimBlanks(text);
  ExactDecimal d;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
  int significant = 0;
  int mantissaDigits = 0;
  int fraction = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      ++mantissaDigits;
      if (point) ++fraction;
      if (d.digits == 0 && c == '0') continue;  // leading zeros are no significant digits
      if (++significant > 18) return std::nullopt;
      d.digits = d.digits * 10 + static_cast<std::uint64_t>(c - '0');
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  std::int64_t exponent = 0;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    std::string_view rest = text.substr(i + 1);
    if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '+') return std::nullopt;
    std::int32_t e = 0;
    const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), e, 10);
    if (ec != std::errc() || ptr != rest.data() + rest.size() || e < -100000 || e > 100000)
      return std::nullopt;
    exponent = e;
  }
  exponent -= fraction;
  if (d.digits == 0) return ExactDecimal{};
  while (d.digits % 10 == 0) {
    d.digits /= 10;
    ++exponent;
  }
  d.exponent = static_cast<std::int32_t>(exponent);
  return d;
}

double ReadNumberCell(std::string_view text) {
  return TryReadNumber(text).value_or(0.0);
}

std::optional<std::int32_t> TryReadInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::int32_t ReadIntegerCell(std::string_view text) {
  return TryReadInteger(text).value_or(0);
}

}  // namespace vensa
