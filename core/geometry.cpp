#include "core/geometry.h"

#include <array>
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

TAcadPoint OcsToWcs(const TAcadPoint& p, const TAcadPoint& normal) {
  const double length = std::sqrt(normal.x * normal.x + normal.y * normal.y + normal.z * normal.z);
  if (length == 0.0) return p;
  const TAcadPoint n{normal.x / length, normal.y / length, normal.z / length};
  if (n.x == 0.0 && n.y == 0.0 && n.z == 1.0) return p;
  auto cross = [](const TAcadPoint& a, const TAcadPoint& b) {
    return TAcadPoint{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  };
  auto unit = [](const TAcadPoint& a) {
    const double l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return TAcadPoint{a.x / l, a.y / l, a.z / l};
  };
  // The arbitrary-axis rule: the x axis is world Y x N when N lies near the world Z axis
  // (both |Nx| and |Ny| below 1/64), world Z x N otherwise.
  constexpr double kNearZ = 1.0 / 64.0;
  const TAcadPoint ax = (std::fabs(n.x) < kNearZ && std::fabs(n.y) < kNearZ)
                            ? unit(cross({0, 1, 0}, n))
                            : unit(cross({0, 0, 1}, n));
  const TAcadPoint ay = unit(cross(n, ax));
  return {p.x * ax.x + p.y * ay.x + p.z * n.x, p.x * ax.y + p.y * ay.y + p.z * n.y,
          p.x * ax.z + p.y * ay.z + p.z * n.z};
}

double RoundToDigits(double value, std::int32_t digits) {
  // The scale is held in single precision, exact for 0..10 digits. The usual counts of
  // digits take it from a table (a list of 100,000s of points rounds each coordinate).
  static const std::array<float, 11> kScales = [] {
    std::array<float, 11> scales{};
    for (int d = 0; d < 11; ++d) scales[d] = static_cast<float>(std::pow(10.0, d));
    return scales;
  }();
  const float scale = digits >= 0 && digits < 11 ? kScales[static_cast<std::size_t>(digits)]
                                                 : static_cast<float>(std::pow(10.0, digits));
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
