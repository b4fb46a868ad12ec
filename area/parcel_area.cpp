#include "area/parcel_area.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>
#include <utility>

#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {
namespace {

AreaInt PowerOfTen(int n) {
  AreaInt p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

std::string ParcelLabel(const std::string& name) {
  return "画地 \"" + name + "\"";
}

std::string CornerLabel(const AreaCorner& c) {
  return std::to_string(c.row) + " 行目 (点 " + std::string(c.name) + ")";
}

// The coordinate as an integer of 10^-decimals m; `metreExponent` moves the text's power
// of ten to metres (−3 for millimetres). Digits finer than the unit are rounded half away
// from zero. Nothing when the value lies beyond kMaxAreaCoordinate.
std::optional<AreaInt> Scaled(const ExactDecimal& d, int metreExponent, int decimals) {
  const AreaInt limit = static_cast<AreaInt>(kMaxAreaCoordinate) * PowerOfTen(decimals);
  AreaInt v = d.digits;
  int shift = d.exponent + metreExponent + decimals;
  if (shift >= 0) {
    for (; shift > 0; --shift) {
      v *= 10;
      if (v > limit) return std::nullopt;
    }
  } else if (shift < -20) {
    v = 0;
  } else {
    const AreaInt p = PowerOfTen(-shift);
    v = (v + p / 2) / p;
  }
  if (v > limit) return std::nullopt;
  return d.negative ? -v : v;
}

struct Point {
  AreaInt x, y;
  bool operator==(const Point&) const = default;
};

int Sign(AreaInt v) {
  return (v > 0) - (v < 0);
}

AreaInt Cross(const Point& o, const Point& a, const Point& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool OnSegment(const Point& p, const Point& a, const Point& b) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Whether the sides a-b and c-d meet anywhere, touching included.
bool SidesMeet(const Point& a, const Point& b, const Point& c, const Point& d) {
  const int d1 = Sign(Cross(c, d, a)), d2 = Sign(Cross(c, d, b));
  const int d3 = Sign(Cross(a, b, c)), d4 = Sign(Cross(a, b, d));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && OnSegment(a, c, d)) || (d2 == 0 && OnSegment(b, c, d)) ||
         (d3 == 0 && OnSegment(c, a, b)) || (d4 == 0 && OnSegment(d, a, b));
}

// The first pair of sides that meet other than at the corner they share, found by a sweep
// along X: sides are compared only while their X extents overlap. Sides of no length (a
// point repeated) are passed over; they are warned about on their own.
std::optional<std::pair<std::size_t, std::size_t>> FirstCrossing(const std::vector<Point>& p) {
  const std::size_t n = p.size();
  std::vector<std::size_t> sides;
  sides.reserve(n);
  for (std::size_t i = 0; i < n; ++i)
    if (!(p[i] == p[(i + 1) % n])) sides.push_back(i);
  auto low = [&](std::size_t i) { return std::min(p[i].x, p[(i + 1) % n].x); };
  auto high = [&](std::size_t i) { return std::max(p[i].x, p[(i + 1) % n].x); };
  std::sort(sides.begin(), sides.end(),
            [&](std::size_t a, std::size_t b) { return low(a) < low(b); });
  // Two sides are neighbours when one ends where the other begins, repeated points between
  // them passed over; neighbours share that corner and meet nowhere else in a sound ring.
  auto next = [&](std::size_t i) {
    std::size_t j = (i + 1) % n;
    while (p[j] == p[(j + 1) % n]) j = (j + 1) % n;
    return j;
  };
  for (std::size_t a = 0; a < sides.size(); ++a) {
    const std::size_t i = sides[a];
    for (std::size_t b = a + 1; b < sides.size() && low(sides[b]) <= high(i); ++b) {
      const std::size_t j = sides[b];
      const Point &p1 = p[i], &p2 = p[(i + 1) % n], &q1 = p[j], &q2 = p[(j + 1) % n];
      const bool after = next(i) == j, before = next(j) == i;
      if (after || before) {
        // Neighbours cross only by folding back along each other.
        const Point& shared = after ? p2 : q2;
        const Point& far1 = after ? p1 : q1;
        const Point& far2 = after ? q2 : p2;
        if (sides.size() > 2 && Cross(shared, far1, far2) == 0 &&
            (far1.x - shared.x) * (far2.x - shared.x) + (far1.y - shared.y) * (far2.y - shared.y) >
                0)
          return std::pair{std::min(i, j), std::max(i, j)};
        continue;
      }
      if (SidesMeet(p1, p2, q1, q2)) return std::pair{std::min(i, j), std::max(i, j)};
    }
  }
  return std::nullopt;
}

// The decimal digits of an exact integer (the number formats take doubles, which would
// round the 128-bit sums).
std::string AbsDigits(AreaInt v) {
  using U = unsigned __int128;
  U u = v < 0 ? static_cast<U>(-(v + 1)) + 1 : static_cast<U>(v);
  if (u <= UINT64_MAX) return std::to_string(static_cast<std::uint64_t>(u));
  std::string s;
  do {
    s.push_back(static_cast<char>('0' + static_cast<int>(u % 10)));
    u /= 10;
  } while (u != 0);
  std::reverse(s.begin(), s.end());
  return s;
}

}  // namespace

ParcelArea ComputeParcelArea(const AreaRing& ring, LandCategory category, CoordUnit unit) {
  const int metreExponent = unit == CoordUnit::kMillimetre ? -3 : 0;
  const std::size_t n = ring.corners.size();
  std::vector<std::pair<ExactDecimal, ExactDecimal>> read;
  read.reserve(n);
  int decimals = 0;
  for (const AreaCorner& c : ring.corners) {
    const std::optional<ExactDecimal> x = TryReadExactDecimal(c.x), y = TryReadExactDecimal(c.y);
    if (!x || !y)
      throw AreaRefusedError(ParcelLabel(ring.name) + ": " + CornerLabel(c) +
                             " の座標が数値ではありません。");
    for (const ExactDecimal& d : {*x, *y})
      decimals = std::max(decimals, -(d.exponent + metreExponent));
    read.emplace_back(*x, *y);
  }
  decimals = std::clamp(decimals, 0, kMaxAreaDecimals);

  std::vector<Point> p;
  p.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = Scaled(read[i].first, metreExponent, decimals);
    const auto y = Scaled(read[i].second, metreExponent, decimals);
    if (!x || !y)
      throw AreaRefusedError(ParcelLabel(ring.name) + ": " + CornerLabel(ring.corners[i]) +
                             " の座標が大きすぎて面積を計算できません。");
    p.push_back({*x, *y});
  }
  {
    std::vector<Point> distinct = p;
    std::sort(distinct.begin(), distinct.end(),
              [](const Point& a, const Point& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    if (std::unique(distinct.begin(), distinct.end()) - distinct.begin() < 3)
      throw AreaRefusedError(ParcelLabel(ring.name) +
                             ": 異なる点が 3 点未満のため面積を計算できません。");
  }

  ParcelArea area;
  area.name = ring.name;
  area.category = category;
  area.decimals = decimals;
  area.rows.resize(n);
  const double unitMetres = std::pow(10.0, -decimals);
  for (std::size_t i = 0; i < n; ++i) {
    const Point& prev = p[(i + n - 1) % n];
    const Point& here = p[i];
    const Point& next = p[(i + 1) % n];
    AreaRow& row = area.rows[i];
    row.name = ring.corners[i].name;
    row.x = here.x;
    row.y = here.y;
    row.dy = next.y - prev.y;
    row.product = here.x * row.dy;
    if (__builtin_add_overflow(area.doubleArea, row.product, &area.doubleArea))
      throw AreaRefusedError(ParcelLabel(ring.name) + ": 座標が大きすぎて面積を計算できません。");
    const double dx = static_cast<double>(next.x - here.x) * unitMetres;
    const double dy = static_cast<double>(next.y - here.y) * unitMetres;
    row.side = std::hypot(dx, dy);
    double direction = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    if (direction < 0) direction += 360.0;
    row.direction = direction >= 360.0 ? 0.0 : direction;
    if (here == next)
      area.warnings.push_back(ParcelLabel(ring.name) + ": " + CornerLabel(ring.corners[i]) +
                              " と次の点が同じ座標です。");
  }
  if (const auto crossing = FirstCrossing(p)) {
    const auto& [i, j] = *crossing;
    auto side = [&](std::size_t k) {
      return std::string(ring.corners[k].name) + "-" + std::string(ring.corners[(k + 1) % n].name);
    };
    area.warnings.push_back(ParcelLabel(ring.name) + ": 辺 " + side(i) + " と辺 " + side(j) +
                            " が交差しています (面積は計算しました)。");
  }
  return area;
}

std::string FormatAreaValue(AreaInt value, int scaleDecimals, int shownDecimals) {
  if (shownDecimals < scaleDecimals) {
    const AreaInt p = PowerOfTen(scaleDecimals - shownDecimals);
    value = value < 0 ? -((-value + p / 2) / p) : (value + p / 2) / p;
  } else {
    value *= PowerOfTen(shownDecimals - scaleDecimals);
  }
  std::string digits = AbsDigits(value);
  if (digits.size() <= static_cast<std::size_t>(shownDecimals))
    digits.insert(0, static_cast<std::size_t>(shownDecimals) + 1 - digits.size(), '0');
  std::string text = value < 0 ? "-" : "";
  text += digits.substr(0, digits.size() - static_cast<std::size_t>(shownDecimals));
  if (shownDecimals > 0)
    text += "." + digits.substr(digits.size() - static_cast<std::size_t>(shownDecimals));
  return text;
}

std::string FormatCoordinate(const ParcelArea& area, AreaInt value) {
  return FormatAreaValue(value, area.decimals, 3);
}

std::string FormatProduct(const ParcelArea& area, AreaInt value) {
  return FormatAreaValue(value, 2 * area.decimals, 6);
}

namespace {

// |2A| / 2 exactly, as an integer of 10^-(2·decimals + 1) m².
AreaInt HalfUnits(const ParcelArea& area) {
  const AreaInt twice = area.doubleArea < 0 ? -area.doubleArea : area.doubleArea;
  return twice * 5;
}

}  // namespace

std::string FormatArea(const ParcelArea& area) {
  return FormatAreaDecimals(area, 6);
}

std::string FormatAreaDecimals(const ParcelArea& area, int decimals) {
  return FormatAreaValue(HalfUnits(area), 2 * area.decimals + 1, decimals);
}

std::string FormatRegisteredArea(const ParcelArea& area) {
  const int scale = 2 * area.decimals + 1;
  const AreaInt a = HalfUnits(area);
  const bool whole = area.category == LandCategory::kOther && a > 10 * PowerOfTen(scale);
  if (whole) return AbsDigits(a / PowerOfTen(scale));
  const AreaInt hundredths = scale >= 2 ? a / PowerOfTen(scale - 2) : a * PowerOfTen(2 - scale);
  return FormatAreaValue(hundredths, 2, 2);
}

std::string RegisteredAreaRule(LandCategory category) {
  return category == LandCategory::kTakuchi ? "宅地・鉱泉地: 0.01 ㎡ 未満切捨て"
                                            : "その他: 10 ㎡ を超えるものは 1 ㎡ 未満切捨て";
}

std::string FormatDms(double degrees) {
  long long seconds = std::llround(degrees * 3600.0);
  seconds %= 360 * 3600;
  if (seconds < 0) seconds += 360 * 3600;
  const long long d = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return std::to_string(d) + "°" + two(m) + "′" + two(s) + "″";
}

}  // namespace vensa
