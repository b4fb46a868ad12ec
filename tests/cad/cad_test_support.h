// Entities for the CAD tests.
#pragma once

#include <string>
#include <vector>

#include "cad/sim/sim_cad.h"

namespace vensa::test {

// An entity of the class on the layer, every other property as a new entity has it.
inline SimEntity Ent(const std::string& className, const std::string& layer = "0") {
  SimEntity e;
  e.className = className;
  e.layer = layer;
  return e;
}

inline SimEntity PointEnt(const TAcadPoint& p, const std::string& layer = "0") {
  SimEntity e = Ent("AcDbPoint", layer);
  e.coordinates = {p.x, p.y, p.z};
  return e;
}

inline SimEntity CircleEnt(const TAcadPoint& center, double radius) {
  SimEntity e = Ent("AcDbCircle");
  e.center = center;
  e.radius = radius;
  return e;
}

// A TEXT at `at`; with horizontal or vertical alignment other than 0 the alignment point
// is `aligned`.
inline SimEntity TextEnt(const std::string& text, const TAcadPoint& at,
                         const std::string& layer = "0", int horizontal = 0, int vertical = 0,
                         const TAcadPoint& aligned = {}) {
  SimEntity e = Ent("AcDbText", layer);
  e.text = text;
  e.insertion = at;
  e.alignment = aligned;
  e.horizontalAlignment = horizontal;
  e.verticalAlignment = vertical;
  e.height = 2.5;
  return e;
}

// A light polyline: x, y per vertex, one bulge per vertex (0 when not given).
inline SimEntity LightPolyline(std::vector<double> xy, double elevation = 0.0,
                               std::vector<double> bulges = {}) {
  SimEntity e = Ent("AcDbPolyline");
  e.coordinates = std::move(xy);
  e.elevation = elevation;
  e.bulges = bulges.empty() ? std::vector<double>(e.coordinates.size() / 2, 0.0) : bulges;
  return e;
}

// A 2-D or 3-D polyline: x, y, z per vertex.
inline SimEntity Polyline(const std::string& className, std::vector<double> xyz) {
  SimEntity e = Ent(className);
  e.coordinates = std::move(xyz);
  e.bulges.assign(e.coordinates.size() / 3, 0.0);
  return e;
}

}  // namespace vensa::test
