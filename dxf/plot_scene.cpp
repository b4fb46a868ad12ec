#include "dxf/plot_scene.h"

#include <algorithm>

namespace vensa {
namespace {

// Collects the entities EmitPlot hands over into the scene's flat arrays: no allocation
// per entity beyond the arrays' growth, since a list may hold 100,000s of rows.
class SceneSink : public PlotSink {
 public:
  SceneSink(PlotScene& scene, const PlotPlan& plan) : scene_(scene), plan_(plan) {}

  void BeginPolyline(std::string_view, std::int32_t flags) override {
    ScenePolyline line;
    line.first = static_cast<std::uint32_t>(scene_.vertices.size());
    line.closed = (flags & 1) != 0;
    scene_.polylines.push_back(line);
  }
  void Vertex(std::string_view, std::size_t k) override { AddVertex(At(k)); }
  // A parcel's corners are the only vertices that are no entry of the plot array.
  void Corner(std::string_view, const TAcadPoint& pt) override {
    scene_.polylines.back().parcel = true;
    AddVertex({pt.x, pt.y});
  }
  void EndPolyline() override {}
  void Point(std::string_view, std::size_t k) override {
    scene_.points.push_back(static_cast<std::uint32_t>(k));
  }
  void Circle(std::string_view, std::size_t k, double radius) override {
    scene_.circles.push_back(static_cast<std::uint32_t>(k));
    scene_.circleRadius = radius;
    const ScenePoint c = At(k);
    scene_.bounds.Add(c.x - radius, c.y - radius);
    scene_.bounds.Add(c.x + radius, c.y + radius);
  }
  void NameLabel(std::string_view, std::size_t k, double height, std::string_view name) override {
    AddText(At(k), height, name, SceneTextKind::kName);
  }
  void CoordLabel(std::string_view, std::size_t k, double height, std::string_view label) override {
    AddText(At(k), height, label, SceneTextKind::kCoord);
  }
  void CentredText(std::string_view, const TAcadPoint& at, double height,
                   std::string_view text) override {
    AddText({at.x, at.y}, height, text, SceneTextKind::kParcel);
  }
  void LeftOut(std::size_t k) override { scene_.entries[k].selected = false; }

 private:
  ScenePoint At(std::size_t k) const { return {plan_.entries[k].pt.x, plan_.entries[k].pt.y}; }
  void AddVertex(ScenePoint p) {
    scene_.vertices.push_back(p);
    ++scene_.polylines.back().count;
    scene_.bounds.Add(p.x, p.y);
  }
  void AddText(ScenePoint at, double height, std::string_view text, SceneTextKind kind) {
    SceneText t;
    t.x = at.x;
    t.y = at.y;
    t.height = height;
    t.begin = static_cast<std::uint32_t>(scene_.textPool.size());
    t.length = static_cast<std::uint32_t>(text.size());
    t.kind = kind;
    scene_.textPool.append(text);
    scene_.texts.push_back(t);
    AddTextBounds(t, text);
  }

  // Roughly the box a label takes (each character as wide as the text is high, times the
  // label's width factor), so that a fitted scene shows its labels whole.
  void AddTextBounds(const SceneText& t, std::string_view text) {
    const double chars = static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
    const double h = t.height;
    switch (t.kind) {
      case SceneTextKind::kName:
        scene_.bounds.Add(t.x + chars * h, t.y + h);
        break;
      case SceneTextKind::kCoord:
        scene_.bounds.Add(t.x + chars * h * 0.8, t.y - h);
        break;
      case SceneTextKind::kParcel:
        scene_.bounds.Add(t.x - chars * h / 2, t.y - h / 2);
        scene_.bounds.Add(t.x + chars * h / 2, t.y + h / 2);
        break;
    }
  }

  PlotScene& scene_;
  const PlotPlan& plan_;
};

}  // namespace

void SceneBounds::Add(double x, double y) {
  if (empty) {
    minX = maxX = x;
    minY = maxY = y;
    empty = false;
    return;
  }
  minX = std::min(minX, x);
  maxX = std::max(maxX, x);
  minY = std::min(minY, y);
  maxY = std::max(maxY, y);
}

PlotScene BuildPlotScene(const TextGrid& list, const PlotOptions& options, double scale,
                         PlotZMode zMode, std::span<const PlotParcel> parcels) {
  const PlotPlan plan = PlanPlot(list, options, scale, zMode, !parcels.empty());
  PlotScene scene;
  const std::size_t n = plan.entries.size();
  scene.entries.reserve(n);
  scene.entryOfRow.assign(n, 0);
  for (std::size_t k = 0; k < n; ++k) {
    const TPlotData& e = plan.entries[k];
    scene.entries.push_back({e.pt.x, e.pt.y, e.idx + 1, true});
    scene.entryOfRow[static_cast<std::size_t>(e.idx)] = static_cast<std::uint32_t>(k);
    scene.bounds.Add(e.pt.x, e.pt.y);
  }
  if (options.pline) scene.vertices.reserve(n);
  if (options.point) scene.points.reserve(n);
  if (options.circle) scene.circles.reserve(n);
  scene.texts.reserve((options.nameLabel ? n : 0) + (options.coordLabel ? n : 0) + parcels.size());
  SceneSink sink(scene, plan);
  scene.entityCount = EmitPlot(sink, plan, list, options, parcels);
  return scene;
}

}  // namespace vensa
