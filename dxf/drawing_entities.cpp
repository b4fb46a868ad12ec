#include "dxf/drawing_entities.h"

#include <cmath>
#include <map>
#include <numbers>

#include "core/geometry.h"
#include "core/text.h"
#include "dxf/dxf_entity_groups.h"

namespace vensa {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

// The properties every entity shares; false for a pair it does not know.
bool ReadCommon(const DxfGroupView& g, DrawingEntity& e, const DrawingTextDecoder& text) {
  if (g.code == 8) {
    e.layer = text.DecodeLayer(g.value);
    return true;
  }
  return ReadSharedEntityGroup(g, e);
}

// Pairs inside an application group ("102 {ACAD_REACTORS" ... "102 }") belong to that
// application; their 330 pairs are not the entity's owner.
template <typename Visit>
void ForEachOwnGroup(const EntityGroups& entity, Visit visit) {
  bool inApplicationGroup = false;
  for (const DxfGroupView& g : entity.groups) {
    if (g.code == 102) {
      inApplicationGroup = !g.value.empty() && g.value.front() == '{';
      continue;
    }
    if (g.code >= 1000) break;  // extended data of applications follows to the end
    if (!inApplicationGroup) visit(g);
  }
}

void ReadText(const EntityGroups& entity, DrawingEntity& e, const DrawingTextDecoder& text) {
  bool hasAlignment = false;
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text) || ReadPointGroup(g, 0, e.insertion)) return;
    if (ReadPointGroup(g, 1, e.alignment)) {
      hasAlignment = true;
      return;
    }
    switch (g.code) {
      case 1:
        e.text.assign(text.Decode(g.value));
        break;
      case 40:
        e.height = GroupNumber(g);
        break;
      case 41:
        e.scaleFactor = GroupNumber(g);
        break;
      case 50:
        e.rotation = GroupNumber(g) * kDegToRad;
        break;
      case 72:
        e.horizontalAlignment = GroupInteger(g);
        break;
      case 73:
        e.verticalAlignment = GroupInteger(g);
        break;
      default:
        break;
    }
  });
  e.insertion = OcsToWcs(e.insertion, e.normal);
  if (hasAlignment) e.alignment = OcsToWcs(e.alignment, e.normal);
}

void ReadCircleOrArc(const EntityGroups& entity, DrawingEntity& e, const DrawingTextDecoder& text) {
  double startDeg = 0.0;
  double endDeg = 0.0;
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text) || ReadPointGroup(g, 0, e.center)) return;
    if (g.code == 40) e.radius = GroupNumber(g);
    if (g.code == 50) startDeg = GroupNumber(g);
    if (g.code == 51) endDeg = GroupNumber(g);
  });
  if (e.className == "AcDbArc") {
    e.startAngle = startDeg * kDegToRad;
    e.endAngle = endDeg * kDegToRad;
    auto onArc = [&](double angle) {
      return OcsToWcs({e.center.x + e.radius * std::cos(angle),
                       e.center.y + e.radius * std::sin(angle), e.center.z},
                      e.normal);
    };
    e.start = onArc(e.startAngle);
    e.end = onArc(e.endAngle);
  }
  e.center = OcsToWcs(e.center, e.normal);
}

void ReadEllipse(const EntityGroups& entity, DrawingEntity& e, const DrawingTextDecoder& text) {
  TAcadPoint major;  // the end of the major axis, from the centre, world coordinates
  double startParameter = 0.0;
  double endParameter = 2.0 * std::numbers::pi;
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text) || ReadPointGroup(g, 0, e.center) || ReadPointGroup(g, 1, major))
      return;
    if (g.code == 40) e.radiusRatio = GroupNumber(g);
    if (g.code == 41) startParameter = GroupNumber(g);
    if (g.code == 42) endParameter = GroupNumber(g);
  });
  // The angle of a point on the ellipse, seen from the centre against the major axis.
  auto angleOf = [&](double parameter) {
    const double a = std::atan2(e.radiusRatio * std::sin(parameter), std::cos(parameter));
    return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
  };
  e.startAngle = angleOf(startParameter);
  e.endAngle = angleOf(endParameter);
  if (e.endAngle <= e.startAngle && endParameter > startParameter) {
    e.endAngle += 2.0 * std::numbers::pi;
  }
  // The minor axis: the normal crossed with the major axis, scaled by the ratio.
  const double length =
      std::sqrt(e.normal.x * e.normal.x + e.normal.y * e.normal.y + e.normal.z * e.normal.z);
  const TAcadPoint n =
      length > 0.0 ? TAcadPoint{e.normal.x / length, e.normal.y / length, e.normal.z / length}
                   : TAcadPoint{0.0, 0.0, 1.0};
  const TAcadPoint minor{e.radiusRatio * (n.y * major.z - n.z * major.y),
                         e.radiusRatio * (n.z * major.x - n.x * major.z),
                         e.radiusRatio * (n.x * major.y - n.y * major.x)};
  const double c = std::cos(endParameter);
  const double s = std::sin(endParameter);
  e.end = {e.center.x + c * major.x + s * minor.x, e.center.y + c * major.y + s * minor.y,
           e.center.z + c * major.z + s * minor.z};
}

void ReadLightPolyline(const EntityGroups& entity, DrawingEntity& e,
                       const DrawingTextDecoder& text) {
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text)) return;
    switch (g.code) {
      case 10:
        e.coordinates.push_back(GroupNumber(g));
        e.coordinates.push_back(0.0);
        e.bulges.push_back(0.0);
        break;
      case 20:
        if (!e.coordinates.empty()) e.coordinates.back() = GroupNumber(g);
        break;
      case 42:
        if (!e.bulges.empty()) e.bulges.back() = GroupNumber(g);
        break;
      case 38:
        e.elevation = GroupNumber(g);
        break;
      case 70:
        e.closed = (GroupInteger(g) & 1) != 0;
        break;
      default:
        break;
    }
  });
}

void ReadPolylineHeader(const EntityGroups& entity, DrawingEntity& e,
                        const DrawingTextDecoder& text) {
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text)) return;
    if (g.code == 30) e.elevation = GroupNumber(g);
    if (g.code == 70) {
      const int flags = GroupInteger(g);
      e.className = ClassOfEntity("POLYLINE", flags);
      e.closed = (flags & 1) != 0;
    }
  });
}

void ReadSimple(const EntityGroups& entity, DrawingEntity& e, const DrawingTextDecoder& text) {
  TAcadPoint p;
  const bool line = e.className == "AcDbLine";
  const bool point = e.className == "AcDbPoint";
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (ReadCommon(g, e, text)) return;
    if (line) {
      if (!ReadPointGroup(g, 0, e.start)) ReadPointGroup(g, 1, e.end);
    } else if (point) {
      ReadPointGroup(g, 0, p);
    }
  });
  if (point) e.coordinates.assign({p.x, p.y, p.z});
}

}  // namespace

EntityOwnership OwnershipOf(const EntityGroups& entity) {
  EntityOwnership result;
  bool ownerSeen = false;
  ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
    if (g.code == 67) result.paperSpace = GroupInteger(g) == 1;
    if (g.code == 330 && !ownerSeen) {
      result.owner = TrimBlanks(g.value);
      ownerSeen = true;
    }
  });
  return result;
}

std::string ClassOfEntity(std::string_view type, int polylineFlags) {
  if (type == "POLYLINE") {
    if ((polylineFlags & 64) != 0) return "AcDbPolyFaceMesh";
    if ((polylineFlags & 16) != 0) return "AcDbPolygonMesh";
    return (polylineFlags & 8) != 0 ? "AcDb3dPolyline" : "AcDb2dPolyline";
  }
  static const std::map<std::string_view, std::string_view> kClasses = {
      {"LINE", "AcDbLine"},       {"CIRCLE", "AcDbCircle"},         {"ARC", "AcDbArc"},
      {"ELLIPSE", "AcDbEllipse"}, {"LWPOLYLINE", "AcDbPolyline"},   {"TEXT", "AcDbText"},
      {"POINT", "AcDbPoint"},     {"INSERT", "AcDbBlockReference"}, {"MTEXT", "AcDbMText"},
      {"HATCH", "AcDbHatch"}};
  auto it = kClasses.find(type);
  if (it != kClasses.end()) return std::string(it->second);
  // DXF type names are upper case. One written otherwise ("Point") is no type the CAD
  // knows: it must not pass for the class of the upper-case name, so it gets a class no
  // command reads.
  for (const char c : type) {
    if (c >= 'a' && c <= 'z') return "AcDbUnknownEntity";
  }
  // Other types keep a class of their own ("SPLINE" -> "AcDbSpline"), which no command reads.
  std::string name = "AcDb";
  for (std::size_t i = 0; i < type.size(); ++i) {
    const char c = type[i];
    name += i == 0 || c < 'A' || c > 'Z' ? c : static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

void ConvertEntity(const EntityGroups& entity, const DrawingTextDecoder& text, DrawingEntity& e) {
  ResetKeepingRoom(e);
  e.className = ClassOfEntity(entity.type, 0);
  e.dxfType = entity.type;
  if (entity.type == "TEXT") {
    ReadText(entity, e, text);
  } else if (entity.type == "CIRCLE" || entity.type == "ARC") {
    ReadCircleOrArc(entity, e, text);
  } else if (entity.type == "ELLIPSE") {
    ReadEllipse(entity, e, text);
  } else if (entity.type == "LWPOLYLINE") {
    ReadLightPolyline(entity, e, text);
  } else if (entity.type == "POLYLINE") {
    ReadPolylineHeader(entity, e, text);
  } else if (entity.type == "LINE" || entity.type == "POINT") {
    ReadSimple(entity, e, text);
  } else {
    ForEachOwnGroup(entity, [&](const DxfGroupView& g) {
      if (g.code == 8) e.layer = text.DecodeLayer(g.value);
    });
  }
}

void AddVertex(DrawingEntity& polyline, const EntityGroups& vertex) {
  TAcadPoint p;
  double bulge = 0.0;
  int flags = 0;
  ForEachOwnGroup(vertex, [&](const DxfGroupView& g) {
    if (ReadPointGroup(g, 0, p)) return;
    if (g.code == 42) bulge = GroupNumber(g);
    if (g.code == 70) flags = GroupInteger(g);
  });
  if ((flags & 16) != 0) return;
  polyline.coordinates.insert(polyline.coordinates.end(), {p.x, p.y, p.z});
  polyline.bulges.push_back(bulge);
}

}  // namespace vensa
