#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace vensa {
namespace {

// The shortest round-trip decimal form of a finite, non-negative double as significant
// digits d1 d2 ... dn and the exponent e of d1: value = d1.d2...dn x 10^e.
struct Decimal {
  char digits[32];
  int count = 0;
  int exponent = 0;
};

Decimal ShortestDecimal(double magnitude) {
  Decimal d;
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  (void)ec;  // 64 characters always suffice for a double
  const char* p = buf;
  for (; p < end && *p != 'e'; ++p) {
    if (*p != '.') d.digits[d.count++] = *p;
  }
  int exponent = 0;
  if (p < end) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  d.exponent = exponent;
  return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the next digit; a carry
// out of the first digit raises the exponent. keep <= 0 is handled by the callers.
void RoundDigits(Decimal& d, int keep) {
  if (keep >= d.count) return;
  const bool up = d.digits[keep] >= '5';
  d.count = keep;
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') {
    d.digits[i] = '0';
    --i;
  }
  if (i >= 0) {
    ++d.digits[i];
  } else {
    // 9.99 -> 10.0: the digits become "1" followed by the zeros already there.
    std::memmove(d.digits + 1, d.digits, static_cast<std::size_t>(d.count));
    d.digits[0] = '1';
    ++d.count;
    ++d.exponent;
  }
}

bool AppendNonFinite(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "NAN";
    return true;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

bool AllZero(const Decimal& d) {
  for (int i = 0; i < d.count; ++i)
    if (d.digits[i] != '0') return false;
  return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
  if (AppendNonFinite(out, value)) return;
  if (decimals < 0) decimals = 0;
  if (decimals > 20) decimals = 20;
  Decimal d;
  if (value != 0.0) d = ShortestDecimal(std::fabs(value));
  // Digits that stand before the rounding position.
  const int keep = d.exponent + 1 + decimals;
  if (value == 0.0 || keep < 0) {
    d.count = 0;
  } else if (keep == 0) {
    // Every digit lies beyond the last decimal: the first one decides alone.
    const bool up = d.digits[0] >= '5';
    d.count = 0;
    if (up) {
      d.digits[0] = '1';
      d.count = 1;
      d.exponent = -decimals;
    }
  } else {
    RoundDigits(d, keep);
  }
  if (d.count > 0 && value < 0 && !AllZero(d)) out += '-';

  // Digit at decimal position p (10^p) of the rounded value.
  auto digitAt = [&d](int p) {
    const int i = d.exponent - p;
    return (d.count > 0 && i >= 0 && i < d.count) ? d.digits[i] : '0';
  };
  const int top = (d.count > 0 && d.exponent > 0) ? d.exponent : 0;
  for (int p = top; p >= 0; --p) out += digitAt(p);
  if (decimals > 0) {
    out += '.';
    for (int p = -1; p >= -decimals; --p) out += digitAt(p);
  }
}

std::string FormatFixed(double value, int decimals) {
  std::string out;
  AppendFixed(out, value, decimals);
  return out;
}

void AppendG15(std::string& out, double value) {
  if (AppendNonFinite(out, value)) return;
  if (value == 0.0) {
    out += '0';
    return;
  }
  Decimal d = ShortestDecimal(std::fabs(value));
  RoundDigits(d, 15);
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  if (value < 0) out += '-';
  if (d.exponent >= 15 || d.exponent < -5) {
    out += d.digits[0];
    if (d.count > 1) {
      out += '.';
      out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
    }
    out += 'E';
    char buf[8];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d.exponent);
    (void)ec;
    out.append(buf, end);
    return;
  }
  if (d.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out.append(d.digits, static_cast<std::size_t>(d.count));
    return;
  }
  const int intDigits = d.exponent + 1;
  for (int i = 0; i < intDigits; ++i) out += i < d.count ? d.digits[i] : '0';
  if (d.count > intDigits) {
    out += '.';
    out.append(d.digits + intDigits, static_cast<std::size_t>(d.count - intDigits));
  }
}

std::string FormatG15(double value) {
  std::string out;
  AppendG15(out, value);
  return out;
}

}  // namespace vensa
