// The values that come back from the CAD: system variables, picked points, properties.
// A point arrives as an array of doubles and becomes a TAcadPoint through VariantToPoint.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

// Empty, number, integer, array of doubles (a point or flat coordinates), text.
using CadValue =
    std::variant<std::monostate, double, std::int32_t, std::vector<double>, std::string>;

inline CadValue PointValue(const TAcadPoint& p) {
  return std::vector<double>{p.x, p.y, p.z};
}

// x, y, z from elements 0, 1 and 2 of an array value; VariantError for anything that is
// not an array of at least three numbers.
TAcadPoint VariantToPoint(const CadValue& value);

// A number, an integer or a numeric text as a double; VariantError for anything else.
double VariantToDouble(const CadValue& value);

// An integer or a whole number; VariantError otherwise.
std::int32_t VariantToInteger(const CadValue& value);

// The value as the call log and messages show it ("1.5", "1,2,0", "TEXT").
std::string VariantText(const CadValue& value);

}  // namespace vensa
