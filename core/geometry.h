// Plane geometry and rounding shared by the drawings and the readers.
#pragma once

#include <cstdint>

#include "core/acad_point.h"

namespace vensa {

// Plane distance; z is ignored.
double Distance2D(const TAcadPoint& a, const TAcadPoint& b);

// True when both |dx| and |dy| are strictly below the tolerance; z is ignored.
bool NearlyEqual2D(const TAcadPoint& a, const TAcadPoint& b, double tolerance);

// A world point expressed in the user system with axis directions x, y and origin o.
// The axes are used as they are, not normalised.
TAcadPoint WcsToUcs(const TAcadPoint& p, const TAcadPoint& xAxis, const TAcadPoint& yAxis,
                    const TAcadPoint& origin);

// A point given in an entity's own coordinate system (the system of its extrusion
// direction `normal`, by the arbitrary-axis rule of DXF) expressed in world coordinates.
// With the normal (0,0,1) the point comes back as it is. The normal need not be of unit
// length; a zero normal is taken as (0,0,1).
TAcadPoint OcsToWcs(const TAcadPoint& p, const TAcadPoint& normal);

// Rounds half away from zero to k decimals through a 64-bit integer. A value whose
// scaled form does not fit that integer (or is not finite) is returned unchanged.
double RoundToDigits(double value, std::int32_t digits);

}  // namespace vensa
