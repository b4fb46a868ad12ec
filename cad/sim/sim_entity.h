// One entity of the substitute CAD's drawing, with the properties the system reads.
// Which properties an entity answers depends on its class, as in a real CAD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

struct SimEntity {
  std::string className;  // "AcDbLine", "AcDbText", ...
  std::string handle;
  std::string layer = "0";
  TAcadPoint start;      // line, arc: start point
  TAcadPoint end;        // line, arc, ellipse: end point
  TAcadPoint center;     // circle, arc, ellipse
  TAcadPoint insertion;  // text
  TAcadPoint alignment;  // text: second alignment point
  TAcadPoint normal{0.0, 0.0, 1.0};
  // Light polyline: x, y per vertex; 2-D and 3-D polylines: x, y, z; point: x, y, z.
  std::vector<double> coordinates;
  std::vector<double> bulges;  // one per vertex of a polyline
  double radius = 0.0;
  double thickness = 0.0;
  double elevation = 0.0;
  double radiusRatio = 0.0;
  double height = 0.0;
  double scaleFactor = 1.0;
  double startAngle = 0.0;  // radians
  double endAngle = 0.0;
  double rotation = 0.0;
  bool closed = false;
  std::int32_t color = 256;  // by layer
  std::int32_t horizontalAlignment = 0;
  std::int32_t verticalAlignment = 0;
  std::string text;
  bool erased = false;
};

// The DXF type name of a class ("AcDbText" -> "TEXT", both polyline classes of a
// POLYLINE -> "POLYLINE", "AcDbPolyline" -> "LWPOLYLINE"); empty for an unknown class.
std::string DxfTypeOf(std::string_view className);

// Whether an entity of the class answers the property (member name as in the object
// model: "Radius", "Coordinates", "TextString", ...).
bool ClassHasProperty(std::string_view className, std::string_view member);

}  // namespace vensa
