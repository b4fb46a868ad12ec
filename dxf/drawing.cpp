#include "dxf/drawing.h"

#include <algorithm>
#include <limits>
#include <map>

#include "dxf/dxf_group_reader.h"

namespace vensa {

namespace {

template <typename Table>
std::uint32_t Index32(const Table& table) {
  if (table.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw DxfReadError("DXF: 図面が大きすぎます");
  }
  return static_cast<std::uint32_t>(table.size());
}

std::uint32_t Offset32(std::size_t size) {
  if (size >= std::numeric_limits<std::uint32_t>::max()) {
    throw DxfReadError("DXF: 図面が大きすぎます");
  }
  return static_cast<std::uint32_t>(size);
}

std::int16_t Narrow16(std::int32_t value) {
  return static_cast<std::int16_t>(
      value < std::numeric_limits<std::int16_t>::min()   ? std::numeric_limits<std::int16_t>::min()
      : value > std::numeric_limits<std::int16_t>::max() ? std::numeric_limits<std::int16_t>::max()
                                                         : value);
}

}  // namespace

void ResetKeepingRoom(DrawingEntity& e) {
  std::vector<double> coordinates = std::move(e.coordinates);
  std::vector<double> bulges = std::move(e.bulges);
  std::string text = std::move(e.text);
  e = DrawingEntity{};
  coordinates.clear();
  bulges.clear();
  text.clear();
  e.coordinates = std::move(coordinates);
  e.bulges = std::move(bulges);
  e.text = std::move(text);
}

std::string DxfTypeOf(std::string_view className) {
  static const std::map<std::string_view, std::string_view> kTypes = {
      {"AcDbLine", "LINE"},
      {"AcDbCircle", "CIRCLE"},
      {"AcDbArc", "ARC"},
      {"AcDbEllipse", "ELLIPSE"},
      {"AcDbPolyline", "LWPOLYLINE"},
      {"AcDb2dPolyline", "POLYLINE"},
      {"AcDb3dPolyline", "POLYLINE"},
      {"AcDbText", "TEXT"},
      {"AcDbPoint", "POINT"},
      {"AcDbMText", "MTEXT"},
      {"AcDbBlockReference", "INSERT"},
      {"AcDbHatch", "HATCH"}};
  auto it = kTypes.find(className);
  return it == kTypes.end() ? std::string() : std::string(it->second);
}

std::uint16_t Drawing::ClassIndex(const std::string& className, const std::string& dxfType) {
  // Drawings use a handful of classes: a look along them beats hashing the names; only a
  // drawing of many made-up types needs the map.
  constexpr std::size_t kLinearClasses = 16;
  const std::size_t linear = std::min(classes_.size(), kLinearClasses);
  for (std::size_t i = 0; i < linear; ++i) {
    if (classes_[i].className == className && classes_[i].dxfType == dxfType) {
      return static_cast<std::uint16_t>(i);
    }
  }
  std::string key;
  if (classes_.size() > kLinearClasses) {
    key = className + '\n' + dxfType;
    auto it = classIndex_.find(key);
    if (it != classIndex_.end()) return it->second;
  }
  if (classes_.size() >= std::numeric_limits<std::uint16_t>::max()) {
    throw DxfReadError("DXF: エンティティの種類が多すぎます");
  }
  static const std::map<std::string_view, Kind> kKinds = {{"AcDbLine", Kind::Line},
                                                          {"AcDbCircle", Kind::Circle},
                                                          {"AcDbArc", Kind::Arc},
                                                          {"AcDbEllipse", Kind::Ellipse},
                                                          {"AcDbPolyline", Kind::Polyline},
                                                          {"AcDb2dPolyline", Kind::Polyline},
                                                          {"AcDb3dPolyline", Kind::Polyline},
                                                          {"AcDbPolyFaceMesh", Kind::Polyline},
                                                          {"AcDbPolygonMesh", Kind::Polyline},
                                                          {"AcDbText", Kind::Text},
                                                          {"AcDbPoint", Kind::Point}};
  auto kind = kKinds.find(className);
  classes_.push_back(Class{className, dxfType, kind == kKinds.end() ? Kind::Other : kind->second});
  const auto index = static_cast<std::uint16_t>(classes_.size() - 1);
  if (index >= kLinearClasses) {
    classIndex_.emplace(key.empty() ? className + '\n' + dxfType : key, index);
  }
  return index;
}

std::uint32_t Drawing::LayerIndex(const std::string& layer) {
  // Most entities are on a handful of layers: a look along the first few beats hashing.
  constexpr std::size_t kFirstLayers = 8;
  const std::size_t first = std::min(layerNames_.size(), kFirstLayers);
  for (std::size_t i = 0; i < first; ++i) {
    if (layerNames_[i] == layer) return static_cast<std::uint32_t>(i);
  }
  auto [it, added] = layerIndex_.try_emplace(layer, Index32(layerNames_));
  if (added) layerNames_.push_back(layer);
  return it->second;
}

void Drawing::Add(const DrawingEntity& e) {
  Entry entry{};
  entry.cls = ClassIndex(e.className, e.dxfType);
  entry.layer = LayerIndex(e.layer);
  entry.color = Narrow16(e.color);
  switch (classes_[entry.cls].kind) {
    case Kind::Line:
    case Kind::Circle:
    case Kind::Arc:
    case Kind::Ellipse:
      if (classes_[entry.cls].kind == Kind::Circle) ++listable_;
      entry.record = Index32(curves_);
      curves_.push_back(CurveRecord{e.start, e.end, e.center, e.normal, e.radius, e.thickness,
                                    e.radiusRatio, e.startAngle, e.endAngle});
      break;
    case Kind::Polyline:
    case Kind::Point: {
      entry.record = Index32(vertexRuns_);
      VerticesRecord r{e.normal,
                       e.elevation,
                       e.thickness,
                       Offset32(values_.size()),
                       Offset32(e.coordinates.size()),
                       Offset32(bulges_.size()),
                       Offset32(e.bulges.size()),
                       e.closed};
      for (double v : e.coordinates) values_.push_back(v);
      for (double b : e.bulges) bulges_.push_back(b);
      listable_ += classes_[entry.cls].kind == Kind::Point ? 1 : e.bulges.size();
      vertexRuns_.push_back(r);
      break;
    }
    case Kind::Text:
      ++listable_;
      entry.record = Index32(texts_);
      texts_.push_back(TextRecord{e.insertion, e.alignment, e.normal, e.height, e.scaleFactor,
                                  e.rotation, e.thickness, Offset32(chars_.size()),
                                  Offset32(e.text.size()), Narrow16(e.horizontalAlignment),
                                  Narrow16(e.verticalAlignment)});
      chars_ += e.text;
      break;
    case Kind::Other:
      break;
  }
  entries_.push_back(entry);
}

DrawingEntity Drawing::Entity(std::size_t index) const {
  DrawingEntity e;
  Entity(index, e);
  return e;
}

void Drawing::Entity(std::size_t index, DrawingEntity& e) const {
  const Entry& entry = entries_.at(index);
  const Class& cls = classes_[entry.cls];
  ResetKeepingRoom(e);
  e.className = cls.className;
  e.dxfType = cls.dxfType;
  e.layer = layerNames_[entry.layer];
  e.color = entry.color;
  switch (cls.kind) {
    case Kind::Line:
    case Kind::Circle:
    case Kind::Arc:
    case Kind::Ellipse: {
      const CurveRecord& r = curves_[entry.record];
      e.start = r.start;
      e.end = r.end;
      e.center = r.center;
      e.normal = r.normal;
      e.radius = r.radius;
      e.thickness = r.thickness;
      e.radiusRatio = r.radiusRatio;
      e.startAngle = r.startAngle;
      e.endAngle = r.endAngle;
      break;
    }
    case Kind::Polyline:
    case Kind::Point: {
      const VerticesRecord& r = vertexRuns_[entry.record];
      e.normal = r.normal;
      e.elevation = r.elevation;
      e.thickness = r.thickness;
      e.closed = r.closed;
      e.coordinates.resize(r.values);
      for (std::uint32_t k = 0; k < r.values; ++k) e.coordinates[k] = values_[r.firstValue + k];
      e.bulges.resize(r.bulges);
      for (std::uint32_t k = 0; k < r.bulges; ++k) e.bulges[k] = bulges_[r.firstBulge + k];
      break;
    }
    case Kind::Text: {
      const TextRecord& r = texts_[entry.record];
      e.insertion = r.insertion;
      e.alignment = r.alignment;
      e.normal = r.normal;
      e.height = r.height;
      e.scaleFactor = r.scaleFactor;
      e.rotation = r.rotation;
      e.thickness = r.thickness;
      e.horizontalAlignment = r.horizontal;
      e.verticalAlignment = r.vertical;
      e.text.assign(chars_, r.firstChar, r.chars);
      break;
    }
    case Kind::Other:
      break;
  }
}

std::size_t Drawing::VertexCount(std::size_t index) const {
  const Entry& entry = entries_.at(index);
  return classes_[entry.cls].kind == Kind::Polyline ? vertexRuns_[entry.record].bulges : 0;
}

std::vector<DrawingEntity> Drawing::Entities() const {
  std::vector<DrawingEntity> all;
  all.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) all.push_back(Entity(i));
  return all;
}

const std::string& Drawing::ClassName(std::size_t index) const {
  return classes_[entries_.at(index).cls].className;
}

const std::string& Drawing::Layer(std::size_t index) const {
  return layerNames_[entries_.at(index).layer];
}

}  // namespace vensa
