#include "core/geometry.h"

#include <cmath>

namespace vensa {

double Distance2D(const TAcadPoint& a, const TAcadPoint& b) {
  const double dy = a.y - b.y, dx = a.x - b.x;
  return std::sqrt(dy * dy + dx * dx);
}

bool NearlyEqual2D(const TAcadPoint& a, const TAcadPoint& b, double tolerance) {
  return tolerance > std::fabs(a.x - b.x) && tolerance > std::fabs(a.y - b.y);
}

TAcadPoint WcsToUcs(const TAcadPoint& p, const TAcadPoint& x, const TAcadPoint& y,
                    const TAcadPoint& o) {
  const TAcadPoint d{p.x - o.x, p.y - o.y, p.z - o.z};
  const TAcadPoint n{x.y * y.z - x.z * y.y, x.z * y.x - x.x * y.z, x.x * y.y - x.y * y.x};
  auto dot = [](const TAcadPoint& a, const TAcadPoint& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
  };
  return {dot(x, d), dot(y, d), dot(n, d)};
}

double RoundToDigits(double value, std::int32_t digits) {
  // The scale is held in single precision, exact for 0..10 digits.
  const float scale = static_cast<float>(std::pow(10.0, digits));
  double m = value * static_cast<double>(scale);
  m += m >= 0 ? 0.5 : -0.5;
  // Beyond +-2^63 the truncation below would be undefined: such values have no digits
  // left to round, so they come back as they are.
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (!(m > -kLimit && m < kLimit)) return value;
  const auto whole = static_cast<std::int64_t>(m);
  double unit = 1.0;
  if (digits >= 0) {
    for (std::int32_t i = 0; i < digits; ++i) unit *= 0.1;
  } else {
    unit = std::pow(0.1, digits);
  }
  return static_cast<double>(whole) * unit;
}

}  // namespace vensa
