// The entity tables: what the entity reader kept of the last CAD selection, one growable
// array per kind of entity that becomes rows, and the counts of those only counted. They
// live for the whole run, owned beside the form state by the window (and by vensa-cli);
// only ReadSelectedEntities fills them. A record holds what some command reads of its
// entity and nothing more: a drawing's read fills them with 100,000s of records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/acad_point.h"
#include "core/large_block.h"

namespace vensa {

// A CIRCLE: its centre is listed.
struct TCircleBlk {
  TAcadPoint center;
};

// A polyline of any of the three kinds. Its `vertices` vertices follow those of the
// polylines before it in LwpEles, in vertex order.
struct TLwpBlk {
  TAcadPoint code210;  // normal: the plane its vertices are given in
  std::size_t vertices = 0;
};

// One vertex of a polyline, as the CAD reports it (light and 2-D polylines: in the
// polyline's own coordinate system, with the elevation as z).
struct TLwpEle {
  TAcadPoint code10;
};

// A TEXT: listed at its text position (TextPosition), with its layer for the point-name
// search's layer filter.
struct TTextBlk {
  TAcadPoint pt10;          // insertion point
  TAcadPoint pt11;          // alignment point; read only when the alignment uses it
  std::int16_t code72 = 0;  // horizontal alignment
  std::int16_t code73 = 0;  // vertical alignment
  std::string layer;
  std::string str;
};

// Whether a TEXT stands at its insertion point: left, aligned or fitted on its base line
// (code72 0, 3 or 5 with code73 0). Any other stands at its alignment point.
inline bool StandsAtInsertionPoint(const TTextBlk& text) {
  const bool onBaseLine = text.code72 == 0 || text.code72 == 3 || text.code72 == 5;
  return onBaseLine && text.code73 == 0;
}

// A POINT.
struct TPointEnt {
  TAcadPoint pt;
};

// One table: a drawing's read fills some with 100,000s of records.
template <typename Record>
using EntityTable = std::vector<Record, LargeBlockAllocator<Record>>;

struct EntityTables {
  // Lines, arcs and ellipses never become rows: they are counted by their class name.
  std::size_t lineCount = 0;
  std::size_t arcCount = 0;
  std::size_t ellipseCount = 0;
  EntityTable<TCircleBlk> CircleBlks;
  EntityTable<TLwpBlk> LwpBlks;
  EntityTable<TLwpEle> LwpEles;
  EntityTable<TTextBlk> TextBlks;
  EntityTable<TPointEnt> PointEnts;

  // Everything, as before a read and for "内部データをすべてクリア".
  void Clear();
  // What a SIMA read empties: all but the ellipses' count.
  void ClearForSimaRead();
};

}  // namespace vensa
