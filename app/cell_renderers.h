// Cell drawing of the list grids: numbers right-aligned inside the cell narrowed by 4
// pixels, and the coordinate list's PLOT No. cells greyed for rows the plot range leaves
// out.
#pragma once

#include <functional>

#include <wx/grid.h>

namespace vensa {

// Right-aligned, vertically centred, one line, 4 pixels short of the right edge; the
// grid's normal colours (window colour, or the highlight of a selected cell).
class NumberCellRenderer : public wxGridCellStringRenderer {
 public:
  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool isSelected) override;
  wxGridCellRenderer* Clone() const override { return new NumberCellRenderer; }

 protected:
  static void DrawNumberText(wxGrid& grid, wxDC& dc, const wxRect& rect, int row, int col);
};

// The PLOT No. column: black on white, or white on grey (128, 128, 128) when `greyed`
// says the data row (1-based) lies outside the plot range.
class PlotNoCellRenderer : public NumberCellRenderer {
 public:
  explicit PlotNoCellRenderer(std::function<bool(int)> greyed) : greyed_(std::move(greyed)) {}
  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool isSelected) override;
  wxGridCellRenderer* Clone() const override { return new PlotNoCellRenderer(greyed_); }

 private:
  std::function<bool(int)> greyed_;
};

// Columns first to last of a grid drawn as numbers.
void NumberColumns(wxGrid& grid, int first, int last);

}  // namespace vensa
