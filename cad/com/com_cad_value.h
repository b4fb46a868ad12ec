// Values between the CAD's automation interface and the system: a returned VARIANT as a
// CadValue, and the arguments the system passes (points, filter values).
#pragma once

#include "cad/cad_value.h"
#include "core/acad_point.h"
#include "platform/win/variant.h"

namespace vensa::win {

// Empty, number, integer, array of numbers or text; VariantError for anything else (an
// object, an array of texts), naming what arrived.
CadValue ToCadValue(const Variant& value);

// A point as the CAD takes it: an array of three doubles.
Variant PointArgument(const TAcadPoint& point);

// A CadValue as an argument (a selection filter's value).
Variant ToVariant(const CadValue& value);

}  // namespace vensa::win
