// The area of a parcel by coordinates (座標求積): the ring of its boundary points, the
// double area Σ Xn·(Yn+1 − Yn−1), the area and the registered area (地積) truncated as the
// registration rules say, with the side lengths and, if asked, the direction angles.
//
// The sums are exact: every coordinate is taken as an integer of one common unit, the
// smallest the ring's texts need (at most a micrometre; finer digits are rounded half away
// from zero to it), and summed in 128-bit integers, so no rounding can move a truncated
// digit. Coordinates beyond kMaxAreaCoordinate are refused rather than summed wrongly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace vensa {

// How the registered area is truncated: 宅地 and 鉱泉地 to 0.01 m²; other land to 1 m²
// above 10 m², to 0.01 m² at 10 m² or less.
enum class LandCategory { kTakuchi, kOther };

// The unit of the coordinates' texts; areas are always in square metres.
enum class CoordUnit { kMetre, kMillimetre };

// One boundary point as its list holds it: views into the list or the parcel, which
// outlive the computation. `row` names where it came from in messages (the coordinate
// list's row, or the corner's place in its parcel).
struct AreaCorner {
  std::string_view name;
  std::string_view x;  // surveying X (north)
  std::string_view y;  // surveying Y (east)
  std::int64_t row = 0;
};

struct AreaRing {
  std::string name;  // the 地番, or the name the user gave
  std::vector<AreaCorner> corners;
};

// The finest unit of a coordinate: 10^-6 m.
inline constexpr int kMaxAreaDecimals = 6;
// The largest coordinate taken, in metres: far beyond any plane coordinate.
inline constexpr double kMaxAreaCoordinate = 1e9;

using AreaInt = __int128;

struct AreaRow {
  std::string name;
  AreaInt x = 0, y = 0;  // in 10^-decimals m
  AreaInt dy = 0;        // Yn+1 − Yn−1, in 10^-decimals m
  AreaInt product = 0;   // Xn·(Yn+1 − Yn−1), in 10^-2·decimals m²
  double side = 0.0;     // to the next point, m
  double direction = 0;  // of the side, degrees from X (north) clockwise, 0 ≤ d < 360
};

struct ParcelArea {
  std::string name;
  LandCategory category = LandCategory::kTakuchi;
  int decimals = 0;  // the unit of the coordinates: 10^-decimals m
  std::vector<AreaRow> rows;
  AreaInt doubleArea = 0;  // Σ products, in 10^-2·decimals m²; negative clockwise
  // What the ring holds that a surveyor should look at, its area computed all the same:
  // a point repeated at once, sides that cross.
  std::vector<std::string> warnings;
};

// A ring whose area cannot be given: fewer than 3 distinct points, a coordinate that is
// no number (naming its first row), a coordinate too large. The message names the parcel.
class AreaRefusedError : public VensaError {
 public:
  using VensaError::VensaError;
};

// The area of the ring. Throws AreaRefusedError.
ParcelArea ComputeParcelArea(const AreaRing& ring, LandCategory category, CoordUnit unit);

// The area's texts: exact decimals, rounded half away from zero only where the value has
// more digits than shown.
std::string FormatAreaValue(AreaInt value, int scaleDecimals, int shownDecimals);
std::string FormatCoordinate(const ParcelArea& area, AreaInt value);  // 3 decimals, m
std::string FormatProduct(const ParcelArea& area, AreaInt value);     // 6 decimals, m²
std::string FormatArea(const ParcelArea& area);                       // |2A|/2, 6 decimals
// |2A|/2 to `decimals` decimals, rounded half away from zero.
std::string FormatAreaDecimals(const ParcelArea& area, int decimals);
// The registered area, truncated by the category's rule: "362.50" or "362".
std::string FormatRegisteredArea(const ParcelArea& area);
// The category's rule as the table states it.
std::string RegisteredAreaRule(LandCategory category);
// Degrees, minutes and seconds: "123°45′06″" (whole seconds, rounded).
std::string FormatDms(double degrees);

}  // namespace vensa
