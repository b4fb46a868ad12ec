// The preview's picture: a plot scene drawn onto a wx device context through a view. The
// kinds keep colours of their own; labels are drawn only where they fit.
#pragma once

#include <cstdint>

#include <wx/colour.h>
#include <wx/dc.h>

#include "app/preview_view.h"
#include "dxf/plot_scene.h"

namespace vensa {

// The colours of the picture, for the window and for its tests.
struct PreviewColours {
  static wxColour Background() { return {255, 255, 255}; }
  static wxColour Polyline() { return {0, 0, 200}; }
  static wxColour Parcel() { return {170, 0, 170}; }
  static wxColour Entry() { return {0, 0, 0}; }          // a row the plot draws
  static wxColour LeftOut() { return {150, 150, 150}; }  // a row the plot range leaves out
  static wxColour Point() { return {220, 0, 0}; }
  static wxColour Circle() { return {0, 140, 0}; }
  static wxColour NameLabel() { return {0, 0, 0}; }
  static wxColour CoordLabel() { return {0, 105, 140}; }
  static wxColour Current() { return {255, 140, 0}; }
  static wxColour Note() { return {200, 0, 0}; }
};

// A label shorter than this many pixels is not drawn: it could not be read.
inline constexpr double kMinLabelPixels = 6.0;

// The whole scene on a cleared background: the labels that fit (at least kMinLabelPixels
// high, overlapping no label drawn before them), then over them the polylines and parcels,
// the circles, every row's dot (grey and ringed where the range leaves it out) and the
// points. Each kind sets one mark per pixel at most, so a fitted list of 100,000 rows
// costs what its pixels cost. The scene's note, if any, stands in the top-left corner.
void DrawPlotScene(wxDC& dc, const PlotScene& scene, const PreviewView& view);

// The mark of the list's current row, when the scene has that row.
void DrawCurrentRow(wxDC& dc, const PlotScene& scene, const PreviewView& view, std::int32_t row);

}  // namespace vensa
