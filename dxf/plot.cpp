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

// The parcels after everything else, so that a plot without them keeps its bytes.
// `height` is the name labels' (scaled).
std::int32_t WriteParcels(DxfBuilder& out, const PlotOptions& options, double height,
                          std::span<const PlotParcel> parcels) {
  std::int32_t count = 0;
  for (const PlotParcel& parcel : parcels) {
    if (parcel.outline.size() < 2) continue;
    WritePolylineHeader(out, options.parcelLayer, 1);
    for (const TAcadPoint& corner : parcel.outline) {
      WriteVertex(out, options.parcelLayer, DxfPoint({corner.x, corner.y, 0.0}));
      ++count;
    }
    WriteSeqend(out);
    const std::string_view name = TrimBlanks(parcel.name);
    if (name.empty()) continue;
    const TAcadPoint centre = OutlineCentroid(parcel.outline);
    WriteCentredText(out, options.parcelLayer, centre.x, centre.y, height, name);
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

std::int32_t BuildPlot(DxfBuilder& out, const TextGrid& list, const PlotOptions& options,
                       double scale, PlotZMode zMode, std::span<const PlotParcel> parcels) {
  // Every size drawn is checked before anything is written.
  const double radius =
      options.circle ? DrawingSize(options.radius, scale, "円の半径 (TextSize/CIRCLE)") : 0.0;
  const double nameHeight =
      options.nameLabel || !parcels.empty()
          ? DrawingSize(options.nameHeight, scale, "測点名の文字サイズ (TextSize/TEXTPT)")
          : 0.0;
  const double coordHeight =
      options.coordLabel
          ? DrawingSize(options.coordHeight, scale, "座標値の文字サイズ (TextSize/TEXTXY)")
          : 0.0;
  const int labelDecimals = std::clamp(options.decimals, 0, 8);
  const std::int32_t flags = (options.closed ? 1 : 0) + (options.is3d ? 8 : 0);

  std::vector<TPlotData> plot = MakePlotArray(list, options, zMode);
  if (options.reorder) ReorderByNearest(plot);

  DxfPointList points;
  points.Reserve(plot.size());
  for (const TPlotData& entry : plot) points.Add(entry.pt);

  out.Reserve(out.Size() + EstimateBytes(options, plot, points) +
              EstimateParcelBytes(options, parcels));
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);

  std::int32_t count = 0;
  if (options.pline && plot.size() >= 2) {
    const Grouping grouping(list, options);
    std::string current = grouping.FirstPrefix();
    WritePolylineHeader(out, options.plineLayer, flags);
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (grouping.Opens(plot[k].name, current)) {
        WriteSeqend(out);
        WritePolylineHeader(out, options.plineLayer, flags);
      }
      WriteVertex(out, options.plineLayer, points[k]);
      ++count;
    }
    WriteSeqend(out);
  }

  // The range is tested against the PLOT No. of the list row at the entry's position;
  // after reordering that row may belong to another point.
  const PlotRange range(options.range);
  std::vector<bool> selected(plot.size());
  for (std::size_t k = 0; k < plot.size(); ++k) {
    selected[k] = range.Contains(ReadIntegerCell(list.Cell(kColPlotNo, static_cast<int>(k) + 1)));
  }

  if (options.point) {
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!selected[k]) continue;
      WritePoint(out, options.pointLayer, points[k]);
      ++count;
    }
  }
  if (options.circle) {
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!selected[k]) continue;
      WriteCircle(out, options.circleLayer, points[k], radius);
      ++count;
    }
  }
  if (options.nameLabel) {
    const double height = nameHeight;
    for (std::size_t k = 0; k < plot.size(); ++k) {
      const std::string_view name = TrimBlanks(plot[k].name);
      if (!selected[k] || name.empty()) continue;
      WriteNameLabel(out, options.nameLayer, points[k], height, name);
      ++count;
    }
  }
  if (options.coordLabel) {
    const double height = coordHeight;
    std::string label;
    for (std::size_t k = 0; k < plot.size(); ++k) {
      if (!selected[k]) continue;
      label.clear();
      if (options.zOnly) {
        AppendFixed(label, plot[k].pt.z, labelDecimals);
      } else {
        AppendFixed(label, plot[k].pt.x, labelDecimals);
        label += ',';
        AppendFixed(label, plot[k].pt.y, labelDecimals);
      }
      WriteCoordLabel(out, options.coordLayer, points[k], height, label);
      ++count;
    }
  }

  count += WriteParcels(out, options, nameHeight, parcels);
  WriteDxfClosing(out);
  return count;
}

}  // namespace vensa
