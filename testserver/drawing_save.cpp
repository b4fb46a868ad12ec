#include "testserver/drawing_save.h"

#include <numbers>

#include "core/encoding.h"
#include "core/file_io.h"
#include "dxf/dxf_file.h"
#include "dxf/dxf_fragments.h"
#include "dxf/dxf_writer.h"

namespace vensa {

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;

void WritePointGroups(DxfBuilder& out, int code, const TAcadPoint& p) {
  out.C8(code, p.x);
  out.C8(code + 10, p.y);
  out.C8(code + 20, p.z);
}

// Colour and thickness when they differ from a new entity's.
void WriteLook(DxfBuilder& out, const SimEntity& e) {
  if (e.color != 256) out.Literal(62, std::to_string(e.color));
  if (e.thickness != 0.0) out.G15(39, e.thickness);
}

void WriteText(DxfBuilder& out, const SimEntity& e) {
  BeginEntity(out, "TEXT", e.layer);
  WriteLook(out, e);
  WritePointGroups(out, 10, e.insertion);
  out.G15(40, e.height);
  out.Text(1, e.text);
  if (e.rotation != 0.0) out.G15(50, e.rotation * kRadToDeg);
  if (e.scaleFactor != 1.0) out.G15(41, e.scaleFactor);
  if (e.horizontalAlignment != 0 || e.verticalAlignment != 0) {
    out.Literal(72, std::to_string(e.horizontalAlignment));
    out.Literal(73, std::to_string(e.verticalAlignment));
    WritePointGroups(out, 11, e.alignment);
  }
}

void WritePolyline(DxfBuilder& out, const SimEntity& e) {
  const bool light = e.className == "AcDbPolyline";
  const bool is3d = e.className == "AcDb3dPolyline";
  const std::size_t stride = light ? 2 : 3;
  BeginEntity(out, "POLYLINE", e.layer);
  WriteLook(out, e);
  out.Literal(66, "1");
  WritePointGroups(out, 10, TAcadPoint{0.0, 0.0, is3d ? 0.0 : e.elevation});
  out.Literal(70, std::to_string((e.closed ? 1 : 0) | (is3d ? 8 : 0)));
  for (std::size_t i = 0, v = 0; i + stride <= e.coordinates.size(); i += stride, ++v) {
    const double z = light ? e.elevation : e.coordinates[i + 2];
    BeginEntity(out, "VERTEX", e.layer);
    WritePointGroups(out, 10, TAcadPoint{e.coordinates[i], e.coordinates[i + 1], z});
    if (v < e.bulges.size() && e.bulges[v] != 0.0) out.G15(42, e.bulges[v]);
    if (is3d) out.Literal(70, "32");
  }
  WriteSeqend(out);
}

void WriteEntity(DxfBuilder& out, const SimEntity& e) {
  if (e.className == "AcDbLine") {
    BeginEntity(out, "LINE", e.layer);
    WriteLook(out, e);
    WritePointGroups(out, 10, e.start);
    WritePointGroups(out, 11, e.end);
  } else if (e.className == "AcDbCircle" || e.className == "AcDbArc") {
    const bool arc = e.className == "AcDbArc";
    BeginEntity(out, arc ? "ARC" : "CIRCLE", e.layer);
    WriteLook(out, e);
    WritePointGroups(out, 10, e.center);
    out.G15(40, e.radius);
    if (arc) {
      out.G15(50, e.startAngle * kRadToDeg);
      out.G15(51, e.endAngle * kRadToDeg);
    }
  } else if (e.className == "AcDbPoint") {
    if (e.coordinates.size() < 3) return;
    BeginEntity(out, "POINT", e.layer);
    WriteLook(out, e);
    WritePointGroups(out, 10, {e.coordinates[0], e.coordinates[1], e.coordinates[2]});
  } else if (e.className == "AcDbText") {
    WriteText(out, e);
  } else if (e.className == "AcDbPolyline" || e.className == "AcDb2dPolyline" ||
             e.className == "AcDb3dPolyline") {
    WritePolyline(out, e);
  }
}

}  // namespace

std::string DrawingDxfText(const std::vector<std::string>& layers,
                           const std::vector<SimEntity>& entities) {
  DxfBuilder out;
  WriteDxfHeader(out, layers);
  WriteEntitiesOpener(out);
  for (const SimEntity& e : entities) WriteEntity(out, e);
  WriteDxfClosing(out);
  return out.Take();
}

void SaveDrawingDxf(const std::string& path, const std::vector<std::string>& layers,
                    const std::vector<SimEntity>& entities) {
  SaveFileAtomically(path, EncodeDxf(DrawingDxfText(layers, entities)));
}

}  // namespace vensa
