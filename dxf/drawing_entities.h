// The entities of a drawing file as the CAD's automation reports them: circles, arcs,
// texts and points in world coordinates, light and 2-D polyline vertices in the
// polyline's own coordinate system (as stored), angles in radians. Block references,
// multiline texts, hatches and the other types keep a class of their own and no data,
// since no command reads them.
#pragma once

#include <string_view>
#include <vector>

#include "dxf/drawing_entity.h"
#include "dxf/drawing_text.h"
#include "dxf/dxf_group_reader.h"

namespace vensa {

// The pairs of one entity after its "0" pair. The group vector is reused from entity to
// entity, so reading a drawing allocates per entity, not per pair.
struct EntityGroups {
  std::string_view type;  // the value of the "0" pair: "LINE", "POLYLINE", ...
  int line = 0;           // line of the "0" pair
  std::vector<DxfGroupView> groups;
};

// Where an entity belongs: its paper-space flag (67) and its owner (330), the handle of
// the block record of its space in drawings of the 2000 format on.
struct EntityOwnership {
  bool paperSpace = false;
  std::string_view owner;
};
EntityOwnership OwnershipOf(const EntityGroups& entity);

// The class the CAD reports for an entity of the type; a POLYLINE needs its flags (70).
std::string ClassOfEntity(std::string_view type, int polylineFlags);

// Every entity but VERTEX and SEQEND, into `e`: what it held is replaced, but its arrays
// keep their room, so that a drawing is read without allocating for each entity. A
// POLYLINE comes without vertices.
void ConvertEntity(const EntityGroups& entity, const DrawingTextDecoder& text, DrawingEntity& e);

// Appends a VERTEX to the polyline read last (its coordinates and bulge). Vertices that
// only steer a spline fit (flag 16) are not part of the polyline's outline and are left out.
void AddVertex(DrawingEntity& polyline, const EntityGroups& vertex);

}  // namespace vensa
