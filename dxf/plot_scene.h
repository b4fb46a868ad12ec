// The plot as a picture rather than a file: what "CADへ" would put into the drawing, in
// drawing coordinates (x to the right, y up), taken from the same EmitPlot as the DXF file,
// so the two cannot tell different stories. Portable: the window draws it, tests count it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_grid.h"
#include "dxf/plot.h"

namespace vensa {

struct ScenePoint {
  double x = 0.0;
  double y = 0.0;
};

// A list row where the plot puts it. `row` is the list row (from 1) whose point it is;
// `selected` false for an entry the plot range leaves out (drawn greyed, nothing written).
struct SceneEntry {
  double x = 0.0;
  double y = 0.0;
  std::int32_t row = 0;
  bool selected = true;
};

// A run of vertices in PlotScene::vertices.
struct ScenePolyline {
  std::uint32_t first = 0;
  std::uint32_t count = 0;
  bool closed = false;
  bool parcel = false;  // a parcel's outline, not a polyline of the list
};

// Which label a text is, and so where it hangs from its insertion point, as the plot writes
// it: a name label starts at the point on its base line; a coordinate label hangs below and
// right of it (left, top); a parcel's name is centred on it.
enum class SceneTextKind : std::uint8_t { kName, kCoord, kParcel };

struct SceneText {
  double x = 0.0;
  double y = 0.0;
  double height = 0.0;      // drawing units
  std::uint32_t begin = 0;  // in PlotScene::textPool
  std::uint32_t length = 0;
  SceneTextKind kind = SceneTextKind::kName;
};

struct SceneBounds {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  bool empty = true;
  void Add(double x, double y);
};

struct PlotScene {
  std::vector<SceneEntry> entries;  // the plot array's order
  std::vector<ScenePoint> vertices;
  std::vector<ScenePolyline> polylines;
  std::vector<std::uint32_t> points;   // entries that get a POINT
  std::vector<std::uint32_t> circles;  // entries that get a CIRCLE
  double circleRadius = 0.0;
  std::vector<SceneText> texts;
  std::string textPool;          // the texts one after the other
  SceneBounds bounds;            // entries, vertices, circles and, roughly, labels
  std::int32_t entityCount = 0;  // as the plot counts them
  // Why nothing is drawn (a list not in use, a size no drawing can take); empty otherwise.
  std::string note;

  std::string_view Text(const SceneText& t) const {
    return std::string_view(textPool).substr(t.begin, t.length);
  }
  // The entry of each list row (index row - 1).
  std::vector<std::uint32_t> entryOfRow;
  // The entry of a list row, or -1 when the row has none.
  std::int64_t EntryOfRow(std::int32_t row) const {
    if (row < 1 || static_cast<std::size_t>(row) > entryOfRow.size()) return -1;
    return entryOfRow[static_cast<std::size_t>(row) - 1];
  }
};

// The scene of the plot of `list` with these options and scale (the sizes multiplied as
// the file's are). Throws what PlanPlot throws for a size no drawing can take.
PlotScene BuildPlotScene(const TextGrid& list, const PlotOptions& options, double scale,
                         PlotZMode zMode, std::span<const PlotParcel> parcels = {});

}  // namespace vensa
