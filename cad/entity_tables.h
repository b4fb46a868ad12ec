// The entity tables: what the entity reader copied out of the last CAD selection, one
// growable array per record type. They live for the whole run, owned beside the form
// state by the window (and by vensa-cli); only ReadSelectedEntities fills them. A record
// starts zero-filled. Fields marked "not used" are kept so the records stay complete, but
// nothing in the system fills or reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/acad_point.h"
#include "core/large_block.h"

namespace vensa {

// A LINE.
struct TAcadLineBlk {
  std::string bname, layer, ltype;  // not used
  std::int16_t color = 0;           // not used
  TAcadPoint st;                    // start point
  TAcadPoint ed;                    // end point
  std::int32_t PenColor = 0;        // not used
  std::int32_t PenStyle = 0;        // not used
  std::int16_t code67 = 0;          // not used
  TAcadPoint code210;               // normal
  std::int16_t layindex = 0;        // not used
  double atsumi = 0.0;              // thickness
  std::int16_t convtype = 0;        // not used
  bool lwpflag = false;             // not used
};

// A CIRCLE.
struct TCircleBlk {
  std::string bname, layer, ltype;  // not used
  std::int16_t color = 0;           // not used
  TAcadPoint center;
  double hankei = 0.0;  // radius
  std::int32_t PenColor = 0;
  std::int32_t PenStyle = 0;
  std::int16_t code67 = 0;  // not used
  TAcadPoint code210;       // normal
  std::int16_t layindex = 0;
  double atsumi = 0.0;  // thickness
};

// An ARC; angles in degrees.
struct TArcBlk {
  std::string bname, layer, ltype;  // not used
  std::int16_t color = 0;           // not used
  TAcadPoint center;
  double hankei = 0.0;  // radius
  double st = 0.0;      // not used
  double ed = 0.0;      // not used
  std::int32_t PenColor = 0;
  std::int32_t PenStyle = 0;
  std::int16_t code67 = 0;  // not used
  TAcadPoint code210;       // normal
  std::int16_t layindex = 0;
  double atsumi = 0.0;   // thickness
  bool lwpflag = false;  // not used
  double stdeg = 0.0;    // start angle
  double eddeg = 0.0;    // end angle
};

// An ELLIPSE; angles in degrees.
struct TEllipseBlk {
  std::string bname, layer, ltype;  // not used
  std::int16_t color = 0;           // not used
  TAcadPoint center;
  TAcadPoint endpoint;        // the entity's `endpoint`
  double henpei = 0.0;        // radius ratio
  double kaisi = 0.0;         // start angle
  double owari = 0.0;         // end angle
  TAcadPoint code210;         // normal
  std::int16_t layindex = 0;  // not used
};

// A polyline of any of the three kinds; its vertices follow in LwpEles with its handle.
struct TLwpBlk {
  std::string bname, layer, ltype;                              // not used
  std::int32_t ihand = 0;                                       // not used
  std::int16_t color = 0, code67 = 0;                           // not used
  std::int16_t code70 = 0;                                      // 1 closed, 0 open
  std::int16_t code71 = 0, code72 = 0, code73 = 0, code74 = 0;  // not used
  TAcadPoint code210;                                           // normal
  std::int32_t PenColor = 0, PenStyle = 0;                      // not used
  std::int16_t layindex = 0;                                    // not used
  double atsumi = 0.0, Koudo = 0.0, atumi = 0.0;                // not read
  std::string hand;                                             // the polyline's handle
  double code38 = 0.0;                                          // elevation
  double code39 = 0.0;                                          // thickness
};

// One vertex of a polyline, as the CAD reports it (light and 2-D polylines: in the
// polyline's own coordinate system, with the elevation as z).
struct TLwpEle {
  std::int32_t ihand = 0;  // not used
  TAcadPoint code10;       // the vertex
  double code42 = 0.0;     // bulge of the segment starting here
  std::string hand;        // the owning polyline's handle
};

// A TEXT.
struct TTextBlk {
  std::string bname;  // not used
  std::string layer;
  std::int16_t color = 0;
  TAcadPoint pt10;          // insertion point
  TAcadPoint pt11;          // alignment point
  double code40 = 0.0;      // height
  double code41 = 0.0;      // width factor
  double code50 = 0.0;      // rotation, radians as the CAD gives it
  std::int16_t code72 = 0;  // horizontal alignment
  std::int16_t code73 = 0;  // vertical alignment
  std::int16_t code70 = 0, code71 = 0;
  std::string str;
  bool mtflag = false;        // not used
  std::int32_t PenColor = 0;  // not used
  std::int16_t code67 = 0;    // not used
  TAcadPoint code210;         // always (0, 0, 1)
  std::int16_t layindex = 0;  // not used
};

// A POINT.
struct TPointEnt {
  std::string layer;
  TAcadPoint pt;
};

// Block references and faces: their tables are emptied with the others and never filled.
struct TInsertBlk {
  std::string bname, layer;
  TAcadPoint pt10;
};
struct TFaceBlk {
  std::string layer;
  TAcadPoint pt10, pt11, pt12, pt13;
};

// One table: a drawing's read fills some with 100,000s of records.
template <typename Record>
using EntityTable = std::vector<Record, LargeBlockAllocator<Record>>;

struct EntityTables {
  EntityTable<TAcadLineBlk> LineBlks;
  EntityTable<TCircleBlk> CircleBlks;
  EntityTable<TArcBlk> ArcBlks;
  EntityTable<TEllipseBlk> EllipseBlks;
  EntityTable<TLwpBlk> LwpBlks;
  EntityTable<TLwpEle> LwpEles;
  EntityTable<TTextBlk> TextBlks;
  EntityTable<TPointEnt> PointEnts;
  EntityTable<TInsertBlk> InsertBlks;
  EntityTable<TFaceBlk> FaceBlks;

  // All ten, as before a read and for "内部データをすべてクリア".
  void Clear();
  // The seven a SIMA read empties: all but EllipseBlks, InsertBlks and FaceBlks.
  void ClearForSimaRead();
};

}  // namespace vensa
