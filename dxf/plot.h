// The plot: the coordinate list drawn as polylines grouped by the leading part of the
// point names, and, for the rows the plot range selects, points, circles, name labels and
// coordinate labels, each kind on its own layer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/acad_point.h"
#include "core/text_grid.h"
#include "dxf/dxf_writer.h"

namespace vensa {

// The plot's controls on the main tab. Defaults are those a control gets when the
// settings file has no entry for it. Sizes stay the texts of their edits and are read as
// numbers (unreadable text is 0) when the plot is built.
struct PlotOptions {
  bool pline = false;           // CheckBox21 "PLINE"
  bool closed = false;          // CheckBox5 "閉鎖": polyline flag 1
  bool is3d = false;            // CheckBox28 "3D": polyline flag 8
  bool reorder = false;         // CheckBox7 "2点目以降座標順": ReorderByNearest
  std::string delimiter = "-";  // Edit7 "区切文字": only its first character counts
  bool point = false;           // CheckBox22 "POINT"
  bool circle = false;          // CheckBox26 "CIRCLE"
  bool nameLabel = false;       // CheckBox23 "測点名"
  bool coordLabel = true;       // CheckBox4 "座標値（"
  bool zOnly = false;           // CheckBox11 "Z値のみ）": the coordinate label shows z
  std::string plineLayer = "VENSA_PLINE";    // Edit2
  std::string pointLayer = "VENSA_POINT";    // Edit8
  std::string circleLayer = "VENSA_CIRCLE";  // Edit18
  std::string nameLayer = "VENSA_TEXTPT";    // Edit9
  std::string coordLayer = "VENSA_TEXTXY";   // Edit10
  std::string parcelLayer = "VENSA_PARCEL";  // Edit37: parcel outlines and their names
  std::string nameHeight = "2.5";            // Edit1, before scaling
  std::string coordHeight = "1.8";           // Edit13, before scaling
  std::string radius = "5.0";                // Edit19, before scaling
  int decimals = 3;                          // UpDown6 / Edit27: coordinate label decimals, 0 to 8
  std::string range;                         // Edit31 "プロット範囲"

  friend bool operator==(const PlotOptions&, const PlotOptions&) = default;
};

// A parcel as the plot draws it: a closed outline through its corners, in drawing
// coordinates and in order, and its name at the outline's centroid.
struct PlotParcel {
  std::string name;
  std::vector<TAcadPoint> outline;

  friend bool operator==(const PlotParcel&, const PlotParcel&) = default;
};

// Which plot command runs: "CADへ" takes z from the list, "CADへ (Z=0)" draws every
// point at z 0.
enum class PlotZMode { kFromList, kZero };

// The plot array: one entry per data row (empty rows included), grouped by name prefix
// when "PLINE" is on and the first name holds the delimiter after its first character.
std::vector<TPlotData> MakePlotArray(const TextGrid& list, const PlotOptions& options,
                                     PlotZMode zMode);

// From position 3 on, each position receives the entry of its group that lies nearest in
// plan to the entry before it, searching only the entries after it; the first three
// entries and the first entry of every later group stay.
void ReorderByNearest(std::vector<TPlotData>& plot);

// What a plot is made of, decided before anything is drawn: the plot array (reordered when
// asked), which of its entries the plot range selects, and the sizes, checked and scaled.
// Throws DrawingSizeError for a size no drawing can take.
struct PlotPlan {
  std::vector<TPlotData> entries;
  // By position: the range tested against the PLOT No. of the list row at the entry's
  // position (after reordering that row may belong to another point).
  std::vector<bool> selected;
  double radius = 0.0;       // scaled, when circles are drawn
  double nameHeight = 0.0;   // scaled, when name labels or parcels are drawn
  double coordHeight = 0.0;  // scaled, when coordinate labels are drawn
  std::int32_t polylineFlags = 0;
};
PlotPlan PlanPlot(const TextGrid& list, const PlotOptions& options, double scale, PlotZMode zMode,
                  bool withParcels);

// The entities of a plot, handed over one by one in the order the file holds them. The DXF
// file and the window's preview are both drawn from EmitPlot, so the preview shows what
// "CADへ" writes. `k` is an entry's position in the plan's plot array.
class PlotSink {
 public:
  virtual ~PlotSink() = default;
  virtual void BeginPolyline(std::string_view layer, std::int32_t flags) = 0;
  virtual void Vertex(std::string_view layer, std::size_t k) = 0;
  // A vertex that is no entry of the plot array (a parcel's corner).
  virtual void Corner(std::string_view layer, const TAcadPoint& pt) = 0;
  virtual void EndPolyline() = 0;
  virtual void Point(std::string_view layer, std::size_t k) = 0;
  virtual void Circle(std::string_view layer, std::size_t k, double radius) = 0;
  virtual void NameLabel(std::string_view layer, std::size_t k, double height,
                         std::string_view name) = 0;
  virtual void CoordLabel(std::string_view layer, std::size_t k, double height,
                          std::string_view label) = 0;
  virtual void CentredText(std::string_view layer, const TAcadPoint& at, double height,
                           std::string_view text) = 0;
  // An entry the plot range leaves out: it gets no point, circle or label. Nothing is
  // written for it; the preview shows it greyed.
  virtual void LeftOut(std::size_t) {}
};

// Hands the plan's entities to `sink`: polylines, points, circles, name labels, coordinate
// labels, then the parcels. Returns the entities as BuildPlot counts them.
std::int32_t EmitPlot(PlotSink& sink, const PlotPlan& plan, const TextGrid& list,
                      const PlotOptions& options, std::span<const PlotParcel> parcels);

// Appends the whole plot file (header to EOF) for a list in use; `scale` multiplies the
// sizes (the drawing's DIMSCALE, or 1). Returns the entities written: vertices, points,
// circles and labels (polyline headers and SEQEND do not count). The file is inserted
// only when this is above 0.
//
// After the coordinate labels come the parcels, each of at least two corners: a closed
// polyline (flag 1) at z 0 on the parcel layer and, when the parcel has a name, the name
// centred on the outline's centroid, as high as a name label. Their vertices and names
// count as entities. Without parcels the file is the plot of the list alone.
std::int32_t BuildPlot(DxfBuilder& out, const TextGrid& list, const PlotOptions& options,
                       double scale, PlotZMode zMode, std::span<const PlotParcel> parcels = {});

// The centroid of the area a closed outline encloses; the mean of its corners when it
// encloses none (all corners on one line).
TAcadPoint OutlineCentroid(std::span<const TAcadPoint> outline);

}  // namespace vensa
