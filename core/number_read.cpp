#include "core/number_read.h"

#include <charconv>
#include <system_error>

#include "core/text.h"

namespace vensa {

std::optional<double> TryReadNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    // "+-1" and "+ 1" are no numbers.
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
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
