// The pairs every entity of a DXF file shares, read into the substitute CAD's entity.
// Both readers use them: the insert files the CAD inserts and whole drawing files.
#pragma once

#include "core/acad_point.h"
#include "dxf/drawing_entity.h"
#include "dxf/dxf_group_reader.h"

namespace vensa {

// Colour (62), thickness (39) and normal (210/220/230) into `e`; false for any other
// pair. The layer (8) is left to the caller, which knows the text's encoding.
template <typename Group>
bool ReadSharedEntityGroup(const Group& g, DrawingEntity& e) {
  switch (g.code) {
    case 62:
      e.color = GroupInteger(g);
      return true;
    case 39:
      e.thickness = GroupNumber(g);
      return true;
    case 210:
      e.normal.x = GroupNumber(g);
      return true;
    case 220:
      e.normal.y = GroupNumber(g);
      return true;
    case 230:
      e.normal.z = GroupNumber(g);
      return true;
    default:
      return false;
  }
}

// The pairs 10/20/30 (offset 0) or 11/21/31 (offset 1) into `p`; false for any other.
template <typename Group>
bool ReadPointGroup(const Group& g, int offset, TAcadPoint& p) {
  if (g.code == 10 + offset) {
    p.x = GroupNumber(g);
  } else if (g.code == 20 + offset) {
    p.y = GroupNumber(g);
  } else if (g.code == 30 + offset) {
    p.z = GroupNumber(g);
  } else {
    return false;
  }
  return true;
}

}  // namespace vensa
