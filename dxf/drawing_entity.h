// One entity of a drawing with the properties the CAD's automation reports for it:
// circles, arcs, texts and points in world coordinates, light and 2-D polyline vertices in
// the polyline's own coordinate system (as stored), angles in radians. Which properties
// mean something depends on the class, as in a real CAD. Block references, multiline
// texts, hatches and the other types keep a class of their own and no data, since no
// command reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

struct DrawingEntity {
  std::string className;  // "AcDbLine", "AcDbText", ...
  std::string dxfType;    // the DXF type it was read from: "LINE", "POLYLINE", ...
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
};

// Makes `e` a new entity (layer "0", normal 0,0,1, ...) whose arrays and text keep their
// room, so that entities read one after the other into one record allocate nothing.
void ResetKeepingRoom(DrawingEntity& e);

// The DXF type name of a class ("AcDbText" -> "TEXT", both polyline classes of a
// POLYLINE -> "POLYLINE", "AcDbPolyline" -> "LWPOLYLINE"); empty for an unknown class.
std::string DxfTypeOf(std::string_view className);

}  // namespace vensa
