// A drawing as read from a DXF file: its model-space entities in drawing order, its layer
// table, and the header variables the commands ask for. The entities are kept compact (a
// record of only the properties of the entity's class, layer and class names shared,
// texts and coordinates in pools), since a drawing of a whole survey holds hundreds of
// thousands of them; Entity() gives one back with every property.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/acad_point.h"
#include "dxf/drawing_entity.h"

namespace vensa {

class Drawing {
 public:
  // The layer table's names, in table order.
  std::vector<std::string> layers;
  // The header's values, those of a new drawing where the header has none.
  double dimscale = 1.0;
  TAcadPoint ucsOrigin;
  TAcadPoint ucsXDir{1.0, 0.0, 0.0};
  TAcadPoint ucsYDir{0.0, 1.0, 0.0};

  // Appends the entity, keeping the properties its class has.
  void Add(const DrawingEntity& entity);
  // Gives back what the tables reserved beyond their size, once the drawing is complete.
  void ShrinkToFit();

  std::size_t Size() const { return entries_.size(); }
  // The entity at `index` (from 0) with every property of its class.
  DrawingEntity Entity(std::size_t index) const;
  // Every entity, in drawing order (for tests and dumps: it expands the whole drawing).
  std::vector<DrawingEntity> Entities() const;

  const std::string& ClassName(std::size_t index) const;
  const std::string& Layer(std::size_t index) const;
  // Every layer name the entities use, each once, in order of first use.
  const std::vector<std::string>& EntityLayers() const { return layerNames_; }

 private:
  enum class Kind : std::uint8_t { Line, Circle, Arc, Ellipse, Polyline, Text, Point, Other };

  struct Class {
    std::string className;
    std::string dxfType;
    Kind kind;
  };

  struct Entry {
    std::uint32_t layer;   // in layerNames_
    std::uint32_t record;  // in the table of the class's kind
    std::uint16_t cls;     // in classes_
    std::int16_t color;    // DXF colours are 16-bit
  };

  // Lines, circles, arcs and ellipses: their points and numbers as one record.
  struct CurveRecord {
    TAcadPoint start, end, center, normal;
    double radius, thickness, radiusRatio, startAngle, endAngle;
  };

  // Polylines and points: coordinates (and bulges) in the pools.
  struct VerticesRecord {
    TAcadPoint normal;
    double elevation, thickness;
    std::uint32_t firstValue, values;  // in values_
    std::uint32_t firstBulge, bulges;  // in bulges_
    bool closed;
  };

  struct TextRecord {
    TAcadPoint insertion, alignment, normal;
    double height, scaleFactor, rotation, thickness;
    std::uint32_t firstChar, chars;  // in chars_
    std::int16_t horizontal, vertical;
  };

  std::uint16_t ClassIndex(const std::string& className, const std::string& dxfType);
  std::uint32_t LayerIndex(const std::string& layer);

  std::vector<Entry> entries_;
  std::vector<Class> classes_;
  std::unordered_map<std::string, std::uint16_t> classIndex_;  // past the first few classes
  std::vector<std::string> layerNames_;
  std::unordered_map<std::string, std::uint32_t> layerIndex_;
  std::vector<CurveRecord> curves_;
  std::vector<VerticesRecord> vertexRuns_;
  std::vector<TextRecord> texts_;
  std::vector<double> values_;
  std::vector<double> bulges_;
  std::string chars_;
};

}  // namespace vensa
