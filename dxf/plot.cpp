#include "dxf/plot.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/coord_list.h"
#include "core/geometry.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/plot_range.h"
#include "core/text.h"
#include "dxf/drawing_size.h"
#include "dxf/dxf_fragments.h"

namespace vensa {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes taken by the first `count` characters of a UTF-8 text (all of it when shorter).
std::size_t PrefixBytes(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t chars = 0; chars < count && i < text.size(); ++chars) {
    ++i;
    while (i < text.size() && IsContinuationByte(text[i])) ++i;
  }
  return i;
}

std::size_t CountChars(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// How the names split into polyline groups: the first name up to the delimiter fixes the
// prefix length, and a different non-empty prefix of that length opens the next group.
class Grouping {
 public:
  Grouping(const TextGrid& list, const PlotOptions& options) {
    if (!options.pline || options.delimiter.empty()) return;
    const std::string_view delimiter(options.delimiter.data(), PrefixBytes(options.delimiter, 1));
    const std::string& first = list.Cell(kColName, 1);
    const std::size_t at = first.find(delimiter);
    // A delimiter in first place leaves no prefix at all: everything is one group.
    if (at == std::string::npos || at == 0) return;
    length_ = CountChars(std::string_view(first).substr(0, at));
    firstPrefix_ = first.substr(0, at);
  }

  bool Applies() const { return length_ > 0; }
  const std::string& FirstPrefix() const { return firstPrefix_; }
  std::string_view PrefixOf(std::string_view name) const {
    return name.substr(0, PrefixBytes(name, length_));
  }

  // Whether the name opens a new group after the one of `current`; if so it becomes
  // current. Names with no prefix (empty rows) stay in the group they follow.
  bool Opens(std::string_view name, std::string& current) const {
    if (!Applies()) return false;
    const std::string_view prefix = PrefixOf(name);
    if (prefix.empty() || prefix == current) return false;
    current.assign(prefix);
    return true;
  }

 private:
  std::size_t length_ = 0;
  std::string firstPrefix_;
};

// An upper bound of the bytes the entities add, so that the text of a long plot is
// allocated once and never copied while it grows: each entity is its fixed lines, its
// layer, its point (twice for a coordinate label), a label and a size of at most 32.
std::size_t EstimateBytes(const PlotOptions& o, const std::vector<TPlotData>& plot,
                          const DxfPointList& points) {
  std::size_t total = 1024;
  for (std::size_t k = 0; k < plot.size(); ++k) {
    const std::size_t pt = points.TextSize(k);
    if (o.pline) total += 64 + o.plineLayer.size() + pt;
    if (o.point) total += 64 + o.pointLayer.size() + pt;
    if (o.circle) total += 96 + o.circleLayer.size() + pt;
    if (o.nameLabel) total += 128 + o.nameLayer.size() + pt + plot[k].name.size();
    if (o.coordLabel) total += 160 + o.coordLayer.size() + 3 * pt;
  }
  // Each new polyline at most: its header and the SEQEND before it.
  if (o.pline) total += plot.size() * (80 + o.plineLayer.size());
  return total;
}

std::size_t EstimateParcelBytes(const PlotOptions& o, std::span<const PlotParcel> parcels) {
  std::size_t total = 0;
  for (const PlotParcel& p : parcels)
    total += 256 + 2 * o.parcelLayer.size() + p.name.size() +
             p.outline.size() * (96 + o.parcelLayer.size());
  return total;
}

// Writes the entities as DXF pairs; each point's text is formatted once.
class DxfPlotSink : public PlotSink {
 public:
  DxfPlotSink(DxfBuilder& out, const DxfPointList& points) : out_(out), points_(points) {}

  void BeginPolyline(std::string_view layer, std::int32_t flags) override {
    WritePolylineHeader(out_, layer, flags);
  }
  void Vertex(std::string_view layer, std::size_t k) override {
    WriteVertex(out_, layer, points_[k]);
  }
  void Corner(std::string_view layer, const TAcadPoint& pt) override {
    WriteVertex(out_, layer, DxfPoint(pt));
  }
  void EndPolyline() override { WriteSeqend(out_); }
  void Point(std::string_view layer, std::size_t k) override {
    WritePoint(out_, layer, points_[k]);
  }
  void Circle(std::string_view layer, std::size_t k, double radius) override {
    WriteCircle(out_, layer, points_[k], radius);
  }
  void NameLabel(std::string_view layer, std::size_t k, double height,
                 std::string_view name) override {
    WriteNameLabel(out_, layer, points_[k], height, name);
  }
  void CoordLabel(std::string_view layer, std::size_t k, double height,
                  std::string_view label) override {
    WriteCoordLabel(out_, layer, points_[k], height, label);
  }
  void CentredText(std::string_view layer, const TAcadPoint& at, double height,
                   std::string_view text) override {
    WriteCentredText(out_, layer, at.x, at.y, height, text);
  }

 private:
  DxfBuilder& out_;
  const DxfPointList& points_;
};

// The parcels after everything else, so that a plot without them keeps its bytes: each a
// closed polyline at z 0 and its name, as high as a name label, on the outline's centroid.
std::int32_t EmitParcels(PlotSink& sink, const PlotOptions& options, double height,
                         std::span<const PlotParcel> parcels) {
  std::int32_t count = 0;
  for (const PlotParcel& parcel : parcels) {
    if (parcel.outline.size() < 2) continue;
    sink.BeginPolyline(options.parcelLayer, 1);
    for (const TAcadPoint& corner : parcel.outline) {
      sink.Corner(options.parcelLayer, {corner.x, corner.y, 0.0});
      ++count;
    }
    sink.EndPolyline();
    const std::string_view name = TrimBlanks(parcel.name);
    if (name.empty()) continue;
    sink.CentredText(options.parcelLayer, OutlineCentroid(parcel.outline), height, name);
    ++count;
  }
  return count;
}

}  // namespace

std::vector<TPlotData> MakePlotArray(const TextGrid& list, const PlotOptions& options,
                                     PlotZMode zMode) {
  const Grouping grouping(list, options);
  std::string current = grouping.FirstPrefix();
  std::int32_t group = 0;
  std::vector<TPlotData> plot;
  plot.reserve(static_cast<std::size_t>(list.DataRowCount()));
  for (int row = 1; row <= list.DataRowCount(); ++row) {
    TPlotData entry;
    entry.idx = row - 1;
    entry.name = list.Cell(kColName, row);
    entry.pt.x = ReadNumberCell(list.Cell(kColX, row));
    entry.pt.y = ReadNumberCell(list.Cell(kColY, row));
    entry.pt.z = zMode == PlotZMode::kFromList ? ReadNumberCell(list.Cell(kColZ, row)) : 0.0;
    if (grouping.Opens(entry.name, current)) ++group;
    entry.grp = group;
    plot.push_back(std::move(entry));
  }
  return plot;
}

void ReorderByNearest(std::vector<TPlotData>& plot) {
  const std::size_t n = plot.size();
  if (n <= 3) return;
  double best = 0.0;
  for (std::size_t i = 2; i <= n - 2; ++i) {
    for (std::size_t j = i + 1; j <= n - 1; ++j) {
      if (plot[j].grp != plot[i].grp) continue;
      const double d = Distance2D(plot[i].pt, plot[j].pt);
      if (j == i + 1) {
        best = d;
      } else if (d < best) {
        best = d;
        std::swap(plot[i + 1], plot[j]);
      }
    }
  }
}

TAcadPoint OutlineCentroid(std::span<const TAcadPoint> outline) {
  if (outline.empty()) return {};
  // Taken relative to the first corner: survey coordinates in millimetres are large, and
  // the cross products of such values would lose the parcel's own digits.
  const TAcadPoint& o = outline.front();
  double area2 = 0.0, cx = 0.0, cy = 0.0, mx = 0.0, my = 0.0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const double x0 = outline[i].x - o.x, y0 = outline[i].y - o.y;
    const TAcadPoint& next = outline[(i + 1) % outline.size()];
    const double x1 = next.x - o.x, y1 = next.y - o.y;
    const double cross = x0 * y1 - x1 * y0;
    area2 += cross;
    cx += (x0 + x1) * cross;
    cy += (y0 + y1) * cross;
    mx += x0;
    my += y0;
  }
  const double n = static_cast<double>(outline.size());
  if (area2 == 0.0) return {o.x + mx / n, o.y + my / n, 0.0};
  return {o.x + cx / (3.0 * area2), o.y + cy / (3.0 * area2), 0.0};
}

PlotPlan PlanPlot(const TextGrid& list, const PlotOptions& options, double scale, PlotZMode zMode,
                  bool withParcels) {
  PlotPlan plan;
  // Every size drawn is checked before anything is written.
  if (options.circle)
    plan.radius = DrawingSize(options.radius, scale, "円の半径 (TextSize/CIRCLE)");
  if (options.nameLabel || withParcels)
    plan.nameHeight =
        DrawingSize(options.nameHeight, scale, "測点名の文字サイズ (TextSize/TEXTPT)");
  if (options.coordLabel)
    plan.coordHeight =
        DrawingSize(options.coordHeight, scale, "座標値の文字サイズ (TextSize/TEXTXY)");
  plan.polylineFlags = (options.closed ? 1 : 0) + (options.is3d ? 8 : 0);

  plan.entries = MakePlotArray(list, options, zMode);
  if (options.reorder) ReorderByNearest(plan.entries);
  const PlotRange range(options.range);
  plan.selected.resize(plan.entries.size());
  for (std::size_t k = 0; k < plan.entries.size(); ++k) {
    plan.selected[k] =
        range.Contains(ReadIntegerCell(list.Cell(kColPlotNo, static_cast<int>(k) + 1)));
  }
  return plan;
}

std::int32_t EmitPlot(PlotSink& sink, const PlotPlan& plan, const TextGrid& list,
                      const PlotOptions& options, std::span<const PlotParcel> parcels) {
  const std::vector<TPlotData>& plot = plan.entries;
  std::int32_t count = 0;
  if (options.pline && plot.size() >= 2) {
    const Grouping grouping(list, options);
    std::string current = grouping.FirstPrefix();
    sink.BeginPolyline(options.plineLayer, plan.polylineFlags);
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (grouping.Opens(plot[k].name, current)) {
        sink.EndPolyline();
        sink.BeginPolyline(options.plineLayer, plan.polylineFlags);
      }
      sink.Vertex(options.plineLayer, k);
      ++count;
    }
    sink.EndPolyline();
  }

  for (std::size_t k = 0; k < plot.size(); ++k) {
    if (!plan.selected[k]) sink.LeftOut(k);
  }
  if (options.point) {
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!plan.selected[k]) continue;
      sink.Point(options.pointLayer, k);
      ++count;
    }
  }
  if (options.circle) {
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!plan.selected[k]) continue;
      sink.Circle(options.circleLayer, k, plan.radius);
      ++count;
    }
  }
  if (options.nameLabel) {
    for (std::size_t k = 0; k < plot.size(); ++k) {
      const std::string_view name = TrimBlanks(plot[k].name);
      if (!plan.selected[k] || name.empty()) continue;
      sink.NameLabel(options.nameLayer, k, plan.nameHeight, name);
      ++count;
    }
  }
  if (options.coordLabel) {
    const int decimals = std::clamp(options.decimals, 0, 8);
    std::string label;
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!plan.selected[k]) continue;
      label.clear();
      if (options.zOnly) {
        AppendFixed(label, plot[k].pt.z, decimals);
      } else {
        AppendFixed(label, plot[k].pt.x, decimals);
        label += ',';
        AppendFixed(label, plot[k].pt.y, decimals);
      }
      sink.CoordLabel(options.coordLayer, k, plan.coordHeight, label);
      ++count;
    }
  }
  return count + EmitParcels(sink, options, plan.nameHeight, parcels);
}

std::int32_t BuildPlot(DxfBuilder& out, const TextGrid& list, const PlotOptions& options,
                       double scale, PlotZMode zMode, std::span<const PlotParcel> parcels) {
  const PlotPlan plan = PlanPlot(list, options, scale, zMode, !parcels.empty());
  DxfPointList points;
  points.Reserve(plan.entries.size());
  for (const TPlotData& entry : plan.entries) points.Add(entry.pt);

  out.Reserve(out.Size() + EstimateBytes(options, plan.entries, points) +
              EstimateParcelBytes(options, parcels));
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);
  DxfPlotSink sink(out, points);
  const std::int32_t count = EmitPlot(sink, plan, list, options, parcels);
  WriteDxfClosing(out);
  return count;
}

}  // namespace vensa
