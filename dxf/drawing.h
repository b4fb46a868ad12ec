// A drawing as read from a DXF file: its model-space entities in drawing order, its layer
// table, and the header variables the commands ask for. The entities are kept compact (a
// record of only the properties of the entity's class, layer and class names shared,
// texts and coordinates in pools), since a drawing of a whole survey holds hundreds of
// thousands of them; Entity() gives one back with every property.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "core/acad_point.h"
#include "core/large_block.h"
#include "dxf/drawing_entity.h"

namespace vensa {

// A growable array kept in fixed chunks: growing never moves what is there, so a drawing
// of any size is read without copying its tables and holds little beyond its size. The
// chunks are large blocks (core/large_block.h) of records that need no construction.
template <typename T>
class ChunkedVector {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  static constexpr std::size_t kChunk = std::size_t{1} << 16;

  std::size_t size() const { return size_; }
  void push_back(const T& value) {
    if (size_ == chunks_.size() * kChunk) {
      chunks_.emplace_back(static_cast<T*>(AllocateLargeBlock(kChunk * sizeof(T))));
    }
    chunks_[size_ / kChunk][size_ % kChunk] = value;
    ++size_;
  }
  const T& operator[](std::size_t i) const { return chunks_[i / kChunk][i % kChunk]; }
  const T& at(std::size_t i) const {
    if (i >= size_) throw std::out_of_range("drawing: no such entity");
    return (*this)[i];
  }

 private:
  std::vector<LargeBlockPtr<T[]>> chunks_;
  std::size_t size_ = 0;
};

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

  std::size_t Size() const { return entries_.size(); }
  // The places a listing of the drawing can give: points, circles, texts and polyline
  // vertices, each a row of the coordinate list.
  std::size_t ListablePlaces() const { return listable_; }
  // The entity at `index` (from 0) with every property of its class.
  DrawingEntity Entity(std::size_t index) const;
  // The same into `e`, which keeps the room of its arrays (for reading entity by entity).
  void Entity(std::size_t index, DrawingEntity& e) const;
  // The vertices of a polyline (0 for any other entity).
  std::size_t VertexCount(std::size_t index) const;
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

  ChunkedVector<Entry> entries_;
  std::vector<Class> classes_;
  std::unordered_map<std::string, std::uint16_t> classIndex_;  // past the first few classes
  std::vector<std::string> layerNames_;
  std::unordered_map<std::string, std::uint32_t> layerIndex_;
  ChunkedVector<CurveRecord> curves_;
  ChunkedVector<VerticesRecord> vertexRuns_;
  ChunkedVector<TextRecord> texts_;
  ChunkedVector<double> values_;
  ChunkedVector<double> bulges_;
  std::string chars_;
  std::size_t listable_ = 0;
};

}  // namespace vensa
