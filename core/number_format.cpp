#include "core/number_format.h"

#include <algorithm>
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

}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
  if (AppendNonFinite(out, value)) return;
  if (decimals < 0) decimals = 0;
  if (decimals > 20) decimals = 20;
  // The shortest round-trip text in fixed notation ("150.125", "0.001953125"), rounded
  // here at the wanted decimal, half away from zero. buf[0] is room for a carry ("9.99"
  // -> "10.0"); the shortest text of a double has at most 309 integer digits or 330 characters
  // after the point.
  char buf[1 + 1100];
  char* begin = buf + 1;
  auto [end, ec] =
      std::to_chars(begin, buf + sizeof buf - 32, std::fabs(value), std::chars_format::fixed);
  (void)ec;
  char* dot = std::find(begin, end, '.');
  const long fraction = dot == end ? 0 : end - dot - 1;
  if (fraction > decimals) {
    // The first digit that is dropped decides.
    const bool up = dot[1 + decimals] >= '5';
    end = decimals == 0 ? dot : dot + 1 + decimals;
    if (up) {
      char* p = end - 1;
      for (;; --p) {
        if (p < begin) {
          *--begin = '1';
          break;
        }
        if (*p == '.') continue;
        if (*p != '9') {
          ++*p;
          break;
        }
        *p = '0';
      }
    }
  } else {
    if (decimals > 0 && dot == end) *end++ = '.';
    for (long i = fraction; i < decimals; ++i) *end++ = '0';
  }
  // A value whose printed digits are all zero gets no minus sign.
  if (value < 0 && std::any_of(begin, end, [](char c) { return c >= '1' && c <= '9'; })) out += '-';
  out.append(begin, end);
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
